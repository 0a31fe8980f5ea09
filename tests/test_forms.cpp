// Forms: window styles, client size, centring, icon, closing and the quit
// message of the main window.
#include "support/GdiHeadroom.h"
#include "support/TestWindows.h"
#include "toolkit/Form.h"
#include "toolkit/MessageLoop.h"
#include "toolkit/WindowProcedure.h"
#include "resources/resource.h"

#include <gtest/gtest.h>

#include <memory>

using namespace Tavrik;

namespace {

HINSTANCE Instance() {
    return GetModuleHandleW(nullptr);
}

bool QuitPosted() {
    MSG message;
    return PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != 0;
}

struct StyleCase {
    const char* name;
    bool dialog;
    bool titleBar;
    bool minimizeBox;
    bool maximizeBox;
    bool topMost;
    bool modalFrame;
    bool enabled;
    DWORD style;
    DWORD extendedStyle;
};

// Style bits the system adds by itself (clipping, visibility) are masked out.
constexpr DWORD StyleMask = ~static_cast<DWORD>(WS_CLIPSIBLINGS | WS_CLIPCHILDREN);

const StyleCase styleCases[] = {
    {"plain", false, true, true, true, true, false, true, 0x10CF0000, 0},
    {"no maximize box", false, true, true, false, true, false, true, 0x10CA0000, 0},
    {"no minimize box", false, true, false, true, true, false, true, 0x10CD0000, 0},
    {"no boxes", false, true, false, false, true, false, true, 0x10C80000, 0},
    {"popup", false, false, true, true, true, false, true, WS_POPUP | WS_VISIBLE, 0},
    {"disabled", false, true, true, false, true, false, false, 0x18CA0000, 0},
    {"dialog", true, true, true, true, true, false, true, 0x10C90000, 0x89},
    {"dialog not topmost", true, true, true, true, false, false, true, 0x10C90000, 0x81},
    {"dialog modal frame", true, true, false, false, false, true, true, 0x10C80080, 0x81},
    {"dialog topmost modal frame", true, true, false, false, true, true, true, 0x10C80080, 0x89},
};

TEST(FormStyles, StylesFollowTheFrameSettings) {
    for (const StyleCase& c : styleCases) {
        SCOPED_TRACE(c.name);
        Form form(Instance(), c.dialog);
        form.titleBar = c.titleBar;
        form.minimizeBox = c.minimizeBox;
        form.maximizeBox = c.maximizeBox;
        form.topMost = c.topMost;
        form.modalFrame = c.modalFrame;
        form.enabled = c.enabled;
        form.Create();
        ASSERT_NE(form.handle, nullptr);
        EXPECT_EQ(StyleOf(form.handle) & StyleMask, c.style);
        // Captioned windows get WS_EX_WINDOWEDGE from the system.
        EXPECT_EQ(ExtendedStyleOf(form.handle) & ~static_cast<DWORD>(WS_EX_WINDOWEDGE),
                  c.extendedStyle);
        EXPECT_TRUE(form.created);
        EXPECT_EQ(form.type, "form");
    }
}

TEST(FormStyles, ConstructorsSetTheDialogFlag) {
    Form plain(Instance());
    Form dialog(Instance(), true);
    EXPECT_FALSE(plain.dialog);
    EXPECT_TRUE(dialog.dialog);
    EXPECT_TRUE(plain.topMost);
    EXPECT_TRUE(plain.minimizeBox);
    EXPECT_TRUE(plain.maximizeBox);
    EXPECT_TRUE(plain.titleBar);
    EXPECT_FALSE(plain.modalFrame);
    EXPECT_EQ(plain.modalChild, nullptr);
    EXPECT_EQ(plain.iconId, 0);
}

TEST(FormStyles, TitleAndPlacementComeFromTheFields) {
    Form form(Instance());
    form.SetText(std::string("Titolo"));
    form.x = 50;
    form.y = 60;
    form.width = 300;
    form.height = 200;
    form.Create();
    wchar_t title[32] = {};
    GetWindowTextW(form.handle, title, 32);
    EXPECT_STREQ(title, L"Titolo");
    RECT outer;
    GetWindowRect(form.handle, &outer);
    EXPECT_EQ(outer.right - outer.left, 300);
    EXPECT_EQ(outer.bottom - outer.top, 200);
    EXPECT_TRUE(IsWindowVisible(form.handle));
}

TEST(FormSize, SetClientSizeGivesExactlyThatClientArea) {
    Form form(Instance());
    form.minimizeBox = true;
    form.maximizeBox = false;
    form.Create();
    form.SetClientSize(640, 480);
    RECT client;
    GetClientRect(form.handle, &client);
    EXPECT_EQ(client.right - client.left, 640);
    EXPECT_EQ(client.bottom - client.top, 480);
    RECT outer;
    GetWindowRect(form.handle, &outer);
    EXPECT_EQ(form.width, outer.right - outer.left);
    EXPECT_EQ(form.height, outer.bottom - outer.top);
}

TEST(FormSize, SetClientSizeWithoutAWindowChangesNothing) {
    Form form(Instance());
    form.SetClientSize(640, 480);
    EXPECT_EQ(form.width, 100);
    EXPECT_EQ(form.height, 50);
    EXPECT_EQ(form.x, 100);
    EXPECT_EQ(form.y, 100);
}

TEST(FormSize, CenterOnScreenUsesTheSizeAndMovesTheWindow) {
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    Form form(Instance(), true);
    form.width = 600;
    form.height = 301;
    form.CenterOnScreen();
    EXPECT_EQ(form.x, (screenWidth - 600) / 2);
    EXPECT_EQ(form.y, (screenHeight - 301) / 2);

    form.Create();
    SetWindowPos(form.handle, nullptr, 0, 0, 400, 201, SWP_NOZORDER | SWP_NOMOVE);
    form.CenterOnScreen();
    RECT outer;
    GetWindowRect(form.handle, &outer);
    EXPECT_EQ(outer.left, (screenWidth - 400) / 2);
    EXPECT_EQ(outer.top, (screenHeight - 201) / 2);
}

TEST(FormIcon, AMissingIconLeavesTheDefault) {
    Form form(Instance());
    form.SetIcon(4321);
    EXPECT_EQ(form.iconId, 4321);
    EXPECT_EQ(form.icon, nullptr);
    form.Create();
    form.SetIcon(4322);
    EXPECT_EQ(form.iconId, 4322);
    EXPECT_EQ(form.icon, nullptr);
}

TEST(FormIcon, TheProgramIconBecomesTheSmallIcon) {
    Form form(Instance());
    form.SetIcon(IDI_CARVELLA);
    EXPECT_EQ(form.icon, nullptr);
    form.Create();
    form.SetIcon(IDI_CARVELLA);
    ASSERT_NE(form.icon, nullptr);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(form.handle, WM_GETICON, ICON_SMALL, 0)),
              form.icon);
    HICON first = form.icon;
    form.SetIcon(IDI_CARVELLA);
    EXPECT_NE(form.icon, first);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(form.handle, WM_GETICON, ICON_SMALL, 0)),
              form.icon);
    ICONINFO info = {};
    EXPECT_FALSE(GetIconInfo(first, &info));
}

TEST(FormIcon, TheClassIconComesFromTheIconId) {
    Form form(Instance());
    form.iconId = IDI_CARVELLA;
    form.Create();
    EXPECT_NE(reinterpret_cast<HICON>(GetClassLongPtrW(form.handle, GCLP_HICON)), nullptr);
    EXPECT_NE(reinterpret_cast<HICON>(GetClassLongPtrW(form.handle, GCLP_HICON)),
              LoadIconW(nullptr, IDI_APPLICATION));
}

int closeQueries = 0;
bool keepOpen = false;
bool AnswerClose(GUIElement*) {
    ++closeQueries;
    return !keepOpen;
}
int destroyCalls = 0;
void CountDestroy(GUIElement*) {
    ++destroyCalls;
}

class FormClosing : public ::testing::Test {
protected:
    void SetUp() override {
        PumpMessages();
        closeQueries = 0;
        destroyCalls = 0;
        keepOpen = false;
        ASSERT_EQ(MainWindow(), nullptr);
    }
    void TearDown() override {
        PumpMessages();
        QuitPosted();
    }
};

TEST_F(FormClosing, ClosingTheFirstFormEndsTheMessageLoop) {
    auto first = std::make_unique<Form>(Instance());
    first->Create();
    auto second = std::make_unique<Form>(Instance());
    second->Create();
    EXPECT_EQ(MainWindow(), first->handle);

    SendMessageW(second->handle, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(second->handle));
    EXPECT_TRUE(second->destroyed);
    EXPECT_FALSE(QuitPosted());

    PostMessageW(first->handle, WM_CLOSE, 0, 0);
    RunMessageLoop(first.get());
    EXPECT_FALSE(IsWindow(first->handle));
    EXPECT_TRUE(first->destroyed);
    EXPECT_EQ(MainWindow(), nullptr);
}

TEST_F(FormClosing, ACloseQueryAnsweringFalseKeepsTheWindow) {
    Form form(Instance());
    form.onCloseQuery = AnswerClose;
    form.onDestroy = CountDestroy;
    form.Create();
    keepOpen = true;
    EXPECT_EQ(SendMessageW(form.handle, WM_CLOSE, 0, 0), 1);
    EXPECT_TRUE(IsWindow(form.handle));
    EXPECT_EQ(closeQueries, 1);
    EXPECT_EQ(destroyCalls, 0);
    EXPECT_FALSE(QuitPosted());

    keepOpen = false;
    SendMessageW(form.handle, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(form.handle));
    EXPECT_EQ(destroyCalls, 1);
    EXPECT_TRUE(QuitPosted());
}

TEST_F(FormClosing, TheDestructorClosesTheWindowEvenWhenRefused) {
    HWND window = nullptr;
    {
        Form form(Instance());
        form.onCloseQuery = AnswerClose;
        form.onDestroy = CountDestroy;
        form.Create();
        window = form.handle;
        keepOpen = true;
    }
    EXPECT_EQ(closeQueries, 1);
    EXPECT_EQ(destroyCalls, 1);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(FindElementByHandle(window), nullptr);
}

TEST_F(FormClosing, AClosedFormIsNotClosedAgainByItsDestructor) {
    auto form = std::make_unique<Form>(Instance());
    form->onCloseQuery = AnswerClose;
    form->Create();
    SendMessageW(form->handle, WM_CLOSE, 0, 0);
    EXPECT_EQ(closeQueries, 1);
    form.reset();
    EXPECT_EQ(closeQueries, 1);
}

TEST_F(FormClosing, ADestroyedFormLeavesTheActiveFormRecord) {
    auto form = std::make_unique<Form>(Instance());
    form->Create();
    SetForegroundWindow(form->handle);
    ASSERT_EQ(GetForegroundWindow(), form->handle);
    SendMessageW(form->handle, WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_EQ(ActiveForm(), form.get());
    form.reset();
    EXPECT_EQ(ActiveForm(), nullptr);
}

int activations = 0;
int deactivations = 0;
int CountActivate(GUIElement*) {
    return ++activations;
}
int CountDeactivate(GUIElement*) {
    return ++deactivations;
}

bool IsAbove(HWND upper, HWND lower) {
    for (HWND w = GetWindow(lower, GW_HWNDPREV); w != nullptr; w = GetWindow(w, GW_HWNDPREV)) {
        if (w == upper) {
            return true;
        }
    }
    return false;
}

TEST(FormActivation, TheForegroundFormBecomesActiveAndTellsThePreviousOne) {
    Form owner(Instance());
    owner.onActivate = CountActivate;
    owner.Create();
    Form other(Instance());
    other.onDeactivate = CountDeactivate;
    other.Create();
    SetForegroundWindow(other.handle);
    ASSERT_EQ(GetForegroundWindow(), other.handle);
    EXPECT_EQ(ActiveForm(), &other);
    activations = 0;
    deactivations = 0;
    SetForegroundWindow(owner.handle);
    ASSERT_EQ(GetForegroundWindow(), owner.handle);
    EXPECT_EQ(ActiveForm(), &owner);
    EXPECT_GE(activations, 1);
    EXPECT_GE(deactivations, 1);
}

// The window manager settles the stacking asynchronously; under load that takes a moment.
bool SettlesAbove(HWND upper, HWND lower) {
    const DWORD start = GetTickCount();
    while (!IsAbove(upper, lower) && GetTickCount() - start < 3000) {
        PumpFor(20);
    }
    return IsAbove(upper, lower);
}

TEST(FormActivation, ActivatingAnOwnerBringsItsModalChildUp) {
    Form modal(Instance());
    modal.Create();
    Form owner(Instance());
    owner.Create();
    SetForegroundWindow(owner.handle);
    ASSERT_EQ(GetForegroundWindow(), owner.handle);
    ASSERT_TRUE(SettlesAbove(owner.handle, modal.handle));
    owner.modalChild = &modal;
    // Wine takes a few seconds over this nested activation.
    SendMessageW(owner.handle, WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_TRUE(SettlesAbove(modal.handle, owner.handle));
    // Activation also forgets the last clicked panel.
    EXPECT_EQ(LastPanel(), nullptr);
    owner.modalChild = nullptr;
}

TEST(FormResources, CreatingAndDeletingFormsLosesNoGdiHeadroom) {
    for (int round = 0; round < 3; ++round) {
        Form warm(Instance());
        warm.SetBackColor(RGB(0, 128, 0));
        warm.Create();
    }
    PumpMessages();
    const int before = GdiHeadroom();
    for (int round = 0; round < 40; ++round) {
        Form form(Instance(), round % 2 == 0);
        form.SetBackColor(RGB(0, 128, 0));
        form.Create();
        form.SetBackColor(RGB(0, 0, 128));
    }
    PumpMessages();
    EXPECT_GE(GdiHeadroom(), before - 2);
}

TEST(FormHotKeys, AFormWithoutRecordsIgnoresHotKeys) {
    Form form(Instance());
    form.Create();
    EXPECT_EQ(SendMessageW(form.handle, WM_HOTKEY, 1, 0), 0);
    EXPECT_EQ(SendMessageW(form.handle, WM_HOTKEY, 0, 0), 0);
}

int hotKeyCalls = 0;
UINT hotKeySeen = 0;
void CountHotKey(Form*, UINT, UINT key) {
    ++hotKeyCalls;
    hotKeySeen = key;
}

TEST(FormHotKeys, AHotKeyReachesItsHandlerWhenTheFormIsInFront) {
    Form form(Instance());
    form.hotKeys.push_back(HotKey{MOD_CONTROL, 'K', CountHotKey});
    form.Create();
    SetForegroundWindow(form.handle);
    if (GetForegroundWindow() != form.handle) {
        GTEST_SKIP() << "the window manager did not bring the form to the front";
    }
    hotKeyCalls = 0;
    SendMessageW(form.handle, WM_HOTKEY, 1, MAKELPARAM(MOD_CONTROL, 'K'));
    SendMessageW(form.handle, WM_HOTKEY, 2, MAKELPARAM(MOD_CONTROL, 'K'));
    EXPECT_EQ(hotKeyCalls, 1);
    EXPECT_EQ(hotKeySeen, static_cast<UINT>('K'));
}

} // namespace
