// The element model: defaults, setters before and after the window exists,
// creation notification, focus text tracking and the element registry.
#include "support/TestWindows.h"
#include "toolkit/Form.h"
#include "toolkit/GUIElement.h"
#include "toolkit/WindowProcedure.h"

#include <gtest/gtest.h>

#include <memory>

using namespace Tavrik;

namespace {

class ElementModel : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<Form>(GetModuleHandleW(nullptr));
        form->Create();
    }
    void TearDown() override {
        form.reset();
        PumpMessages();
    }
    std::unique_ptr<Form> form;
};

int createCalls = 0;
HWND createdWith = nullptr;
void CountCreate(GUIElement*, HWND window) {
    ++createCalls;
    createdWith = window;
}

int textChanges = 0;
int CountTextChange(GUIElement*) {
    return ++textChanges;
}

TEST_F(ElementModel, NewElementHasTheDefaults) {
    TestControl element(form.get(), L"static", 0, "label");
    EXPECT_EQ(element.x, 100);
    EXPECT_EQ(element.y, 100);
    EXPECT_EQ(element.width, 100);
    EXPECT_EQ(element.height, 50);
    EXPECT_EQ(element.backColor, NoColor);
    EXPECT_TRUE(element.enabled);
    EXPECT_TRUE(element.visible);
    EXPECT_FALSE(element.created);
    EXPECT_EQ(element.handle, nullptr);
    EXPECT_TRUE(element.text.empty());
    EXPECT_EQ(element.id, 0);
    EXPECT_EQ(element.parent, form.get());
    EXPECT_EQ(element.instance, nullptr);
    EXPECT_EQ(element.font, nullptr);
    EXPECT_EQ(element.onLeftButtonDown, nullptr);
    EXPECT_EQ(element.onMouseLeave, nullptr);
}

TEST_F(ElementModel, CallbacklessOperationsGiveTheirNeutralAnswers) {
    TestControl element(form.get(), L"static", 0, "label");
    EXPECT_TRUE(element.OnChar('a'));
    EXPECT_TRUE(element.OnCloseQuery());
    EXPECT_EQ(element.OnKeyDown(VK_RETURN), 0);
    EXPECT_EQ(element.OnLeftButtonUp(1, 2), 0);
    EXPECT_EQ(element.OnControlColor(nullptr), 0);
}

TEST_F(ElementModel, SettersOnlyStoreUntilTheWindowExists) {
    TestControl element(form.get(), L"static", 0, "label");
    element.SetText(std::string("prima"));
    element.SetEnabled(false);
    element.SetBackColor(RGB(1, 2, 3));
    element.Hide();
    EXPECT_EQ(element.text, L"prima");
    EXPECT_FALSE(element.enabled);
    EXPECT_EQ(element.backColor, RGB(1, 2, 3));
    EXPECT_FALSE(element.backPainted);
    EXPECT_TRUE(element.visible);
    EXPECT_EQ(element.GetText(), L"prima");

    element.Create();
    ASSERT_NE(element.handle, nullptr);
    wchar_t shown[32] = {};
    GetWindowTextW(element.handle, shown, 32);
    EXPECT_STREQ(shown, L"prima");
    EXPECT_FALSE(IsWindowEnabled(element.handle));

    element.SetText(std::wstring(L"dopo"));
    element.SetEnabled(true);
    GetWindowTextW(element.handle, shown, 32);
    EXPECT_STREQ(shown, L"dopo");
    EXPECT_TRUE(IsWindowEnabled(element.handle));
    element.Hide();
    EXPECT_FALSE(IsWindowVisible(element.handle));
    EXPECT_FALSE(element.visible);
    element.Show();
    EXPECT_TRUE(IsWindowVisible(element.handle));
    EXPECT_TRUE(element.visible);
}

TEST_F(ElementModel, GetTextReadsTheWindowText) {
    TestControl element(form.get(), L"edit", 0, "textbox");
    element.Create();
    SetWindowTextW(element.handle, L"scritto");
    EXPECT_EQ(element.GetText(), L"scritto");
    EXPECT_EQ(element.text, L"scritto");
    EXPECT_EQ(element.GetNarrowText(), "scritto");
    SetWindowTextW(element.handle, L"");
    EXPECT_EQ(element.GetText(), L"");
}

TEST_F(ElementModel, OnCreateTwiceNotifiesOnceAndKeepsTheFirstHandle) {
    TestControl element(form.get(), L"static", 0, "label");
    createCalls = 0;
    element.onCreate = CountCreate;
    HWND first = reinterpret_cast<HWND>(0x1234);
    element.OnCreate(first);
    element.OnCreate(reinterpret_cast<HWND>(0x5678));
    EXPECT_EQ(createCalls, 1);
    EXPECT_EQ(createdWith, first);
    EXPECT_EQ(element.handle, first);
    element.handle = nullptr;
}

TEST_F(ElementModel, FormCreationNotifiesOnceWithItsWindow) {
    Form other(GetModuleHandleW(nullptr));
    createCalls = 0;
    other.onCreate = CountCreate;
    other.Create();
    EXPECT_EQ(createCalls, 1);
    EXPECT_EQ(createdWith, other.handle);
    EXPECT_TRUE(other.createNotified);
}

TEST_F(ElementModel, TextChangeIsReportedOnlyWhenTheTextChanged) {
    TestControl first(form.get(), L"edit", WS_TABSTOP, "textbox");
    first.x = 0;
    first.Create();
    TestControl second(form.get(), L"edit", WS_TABSTOP, "textbox");
    second.x = 200;
    second.Create();
    SetWindowTextW(first.handle, L"abc");
    textChanges = 0;
    first.onTextChanged = CountTextChange;

    SetFocus(first.handle);
    SetFocus(second.handle);
    EXPECT_EQ(first.focusText, L"abc");
    EXPECT_EQ(textChanges, 0);

    SetFocus(first.handle);
    SendMessageW(first.handle, EM_SETSEL, 3, 3);
    SendMessageW(first.handle, WM_CHAR, 'd', 0);
    SetFocus(second.handle);
    EXPECT_EQ(textChanges, 1);
    EXPECT_EQ(first.text, L"abcd");
}

TEST_F(ElementModel, PositionIsReadInTheParentsClientCoordinates) {
    TestControl element(form.get(), L"static", 0, "label");
    element.x = 10;
    element.y = 20;
    element.Create();
    SetWindowPos(element.handle, nullptr, 33, 44, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    POINT corner = element.GetPosition();
    EXPECT_EQ(corner.x, 33);
    EXPECT_EQ(corner.y, 44);
    EXPECT_EQ(element.x, 33);
    EXPECT_EQ(element.y, 44);
}

TEST_F(ElementModel, FailedWindowLeavesAUsableElement) {
    TestControl element(form.get(), L"NoSuchClassAnywhere", 0, "label");
    element.SetText(std::string("testo"));
    element.Create();
    EXPECT_TRUE(element.created);
    EXPECT_EQ(element.handle, nullptr);
    EXPECT_EQ(element.oldWindowProc, nullptr);
    element.SetText(std::string("altro"));
    element.SetBackColor(RGB(0, 128, 0));
    element.SetEnabled(false);
    element.Focus();
    element.Refresh();
    element.Show();
    element.Hide();
    EXPECT_EQ(element.GetText(), L"altro");
    EXPECT_EQ(element.GetClientWidth(), 100);
    EXPECT_EQ(element.GetPosition().x, 100);
}

TEST(Registry, LookupByHandleAndById) {
    Form form(GetModuleHandleW(nullptr));
    form.Create();
    TestControl a(&form, L"static", 0, "label");
    a.Create();
    TestControl b(&form, L"static", 0, "label");
    b.Create();
    EXPECT_EQ(FindElementByHandle(form.handle), &form);
    EXPECT_EQ(FindElementByHandle(a.handle), &a);
    EXPECT_EQ(FindElementByHandle(b.handle), &b);
    EXPECT_EQ(FindElementById(a.id), &a);
    EXPECT_EQ(FindElementById(b.id), &b);
    EXPECT_EQ(FindElementById(b.id + 1000), nullptr);
    EXPECT_EQ(FindElementByHandle(GetDesktopWindow()), nullptr);
}

TEST(Registry, TheLaterRegisteredElementWinsAHandle) {
    Form form(GetModuleHandleW(nullptr));
    form.Create();
    TestControl first(&form, L"static", 0, "label");
    TestControl second(&form, L"static", 0, "label");
    first.Create();
    second.handle = first.handle;
    EXPECT_EQ(FindElementByHandle(first.handle), &second);
    second.handle = reinterpret_cast<HWND>(0x42);
    EXPECT_EQ(FindElementByHandle(first.handle), &first);
    second.handle = nullptr;
}

TEST(Registry, FallsBackToTheNewestElementOnlyWhileItHasNoWindow) {
    Form form(GetModuleHandleW(nullptr));
    form.Create();
    TestControl older(&form, L"static", 0, "label");
    TestControl newest(&form, L"static", 0, "label");
    HWND unknown = GetDesktopWindow();
    EXPECT_EQ(FindElementByHandle(unknown), &newest);
    newest.Create();
    EXPECT_EQ(FindElementByHandle(unknown), nullptr);
}

TEST(Registry, AnElementLeavesTheRegistryWhenDestroyed) {
    Form form(GetModuleHandleW(nullptr));
    form.Create();
    HWND window = nullptr;
    int id = 0;
    {
        TestControl element(&form, L"static", 0, "label");
        element.Create();
        window = element.handle;
        id = element.id;
        ASSERT_EQ(FindElementById(id), &element);
    }
    EXPECT_EQ(FindElementById(id), nullptr);
    EXPECT_EQ(FindElementByHandle(window), nullptr);
    // The control went back to its own procedure and still works.
    EXPECT_EQ(GetWindowLongPtrW(window, GWLP_WNDPROC) ==
                  reinterpret_cast<LONG_PTR>(&Tavrik::WindowProcedure),
              false);
    SetWindowTextW(window, L"ancora");
    wchar_t shown[16] = {};
    GetWindowTextW(window, shown, 16);
    EXPECT_STREQ(shown, L"ancora");
}

TEST(Registry, UncreatedElementsAreNeverFoundById) {
    TestControl element(nullptr, L"static", 0, "label");
    EXPECT_EQ(element.id, 0);
    for (int id = 1; id <= CurrentElementId(); ++id) {
        EXPECT_NE(FindElementById(id), &element);
    }
}

TEST(Registry, MenuItemsAreFoundOnlyAsCommandElements) {
    class MenuItem : public Child, public CommandElement {
    public:
        MenuItem() : Child(nullptr) {
            type = "submenu";
            id = NextElementId();
        }
        void Create() override {}
    };
    TestControl notAnItem(nullptr, L"static", 0, "submenu");
    MenuItem item;
    notAnItem.id = item.id;
    EXPECT_EQ(FindSubMenuById(item.id), &item);
    EXPECT_EQ(FindSubMenuById(item.id + 500), nullptr);
}

} // namespace
