// Ids and class names in a fresh process: windows are numbered 1, 2, 3 in
// the order they are created, whatever their kinds.
#include "support/TestWindows.h"
#include "toolkit/Form.h"
#include "toolkit/Panel.h"

#include <gtest/gtest.h>

using namespace Tavrik;

namespace {

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

TEST(ElementIds, WindowsAreNumberedInCreationOrder) {
    ASSERT_EQ(CurrentElementId(), 0);
    Form form(GetModuleHandleW(nullptr));
    PanelChildren panel(&form);
    CellControl cell(&panel);
    Form second(GetModuleHandleW(nullptr));
    EXPECT_EQ(form.id, 0);

    form.Create();
    panel.Create();
    TestControl control(&form, L"static", 0, "label");
    control.Create();
    cell.Create();
    second.Create();

    EXPECT_EQ(form.id, 1);
    EXPECT_EQ(panel.id, 2);
    EXPECT_EQ(control.id, 3);
    EXPECT_EQ(cell.id, 4);
    EXPECT_EQ(second.id, 5);
    EXPECT_EQ(ClassOf(form.handle), L"Window0");
    EXPECT_EQ(ClassOf(panel.handle), L"PanelChildren1");
    EXPECT_EQ(ClassOf(cell.handle), L"PanelChildren3");
    EXPECT_EQ(ClassOf(second.handle), L"Window4");
    EXPECT_EQ(GetDlgCtrlID(panel.handle), 2);
    EXPECT_EQ(GetDlgCtrlID(cell.handle), 4);
    EXPECT_EQ(FindElementById(4), &cell);
}

} // namespace
