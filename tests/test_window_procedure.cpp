// The window procedure with real windows and real messages: owner-drawn
// buttons, commands, menu items, timers, sliders, keyboard, cursor, hover,
// mouse buttons, notifications and control colours.
#include "support/GdiHeadroom.h"
#include "support/TestWindows.h"
#include "toolkit/Button.h"
#include "toolkit/Menu.h"
#include "toolkit/Drawing.h"
#include "toolkit/Form.h"
#include "toolkit/Panel.h"
#include "toolkit/WindowProcedure.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace Tavrik;

namespace {

HINSTANCE Instance() {
    return GetModuleHandleW(nullptr);
}

std::vector<std::string> events;

// A form that hands out fixed colours to its controls.
class ColourForm : public Form {
public:
    ColourForm() : Form(GetModuleHandleW(nullptr)) {}
    ~ColourForm() override {
        if (brush != nullptr) {
            DeleteObject(brush);
        }
    }
    LRESULT OnControlColor(HDC dc) override {
        if (!answerColours) {
            return 0;
        }
        SetBkColor(dc, background);
        SetTextColor(dc, foreground);
        if (brush == nullptr) {
            brush = CreateSolidBrush(background);
        }
        return reinterpret_cast<LRESULT>(brush);
    }
    void OnShow() override { events.push_back("show"); }
    bool answerColours = true;
    COLORREF background = RGB(220, 220, 220);
    COLORREF foreground = RGB(0, 0, 0);
    HBRUSH brush = nullptr;
};

// An owner-drawn button that watches its picture being asked for.
class DrawnButton : public Button {
public:
    explicit DrawnButton(GUIElement* parentElement) : Button(parentElement, "") {
        ownerDraw = true;
    }
    int DrawPicture(Drawing& drawing, const RECT& item, bool pressed) override {
        ++pictureCalls;
        lastPressed = pressed;
        EXPECT_NE(drawing.dc, nullptr);
        EXPECT_EQ(item.left, 0);
        return pictureOffset > 0 ? pictureOffset : Button::DrawPicture(drawing, item, pressed);
    }
    int pictureCalls = 0;
    bool lastPressed = false;
    int pictureOffset = 0;
};

class MenuItem : public Child, public CommandElement {
public:
    MenuItem() : Child(nullptr) {
        type = "submenu";
        id = NextElementId();
    }
    void Create() override {}
    void OnMenuChoice() override { events.push_back("choice"); }
};

class TickingTimer : public TestControl {
public:
    explicit TickingTimer(GUIElement* parentElement)
        : TestControl(parentElement, L"static", 0, "timer") {}
    void OnTimerTick() override { ++ticks; }
    int ticks = 0;
};

class TrackSlider : public TestControl {
public:
    explicit TrackSlider(GUIElement* parentElement)
        : TestControl(parentElement, TRACKBAR_CLASSW, WS_TABSTOP, "slider") {
        width = 150;
        height = 30;
    }
    void OnTrackEnd() override {
        ++ends;
        lastPosition = static_cast<int>(SendMessageW(handle, TBM_GETPOS, 0, 0));
    }
    int ends = 0;
    int lastPosition = -1;
};

class NotifiedControl : public TestControl {
public:
    explicit NotifiedControl(GUIElement* parentElement)
        : TestControl(parentElement, L"static", 0, "label") {}
    void OnItemNotify(int kind, std::vector<int> numbers, std::vector<std::string>) override {
        kinds.push_back(kind);
        lastNumbers = numbers;
    }
    std::vector<int> kinds;
    std::vector<int> lastNumbers;
};

void RecordCommand(GUIElement* element) {
    events.push_back("command " + element->type);
}

int keysDown = 0;
int lastKey = 0;
int CountKeyDown(GUIElement*, int key) {
    ++keysDown;
    lastKey = key;
    return 0;
}

bool RefuseX(GUIElement*, int character) {
    return character != 'x';
}

int previewedChars = 0;
bool CountPreview(GUIElement*, int) {
    ++previewedChars;
    return true;
}

int clickX = 0;
int clickY = 0;
int RecordClick(GUIElement*, HWND, int x, int y) {
    clickX = x;
    clickY = y;
    return 0;
}

class WindowProcedureTest : public ::testing::Test {
protected:
    void SetUp() override {
        events.clear();
        form = std::make_unique<ColourForm>();
        form->width = 400;
        form->height = 300;
        form->Create();
        events.clear();
    }
    void TearDown() override {
        form.reset();
        PumpMessages();
        MSG quit;
        PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    }
    void Repaint(HWND window) {
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }
    std::unique_ptr<ColourForm> form;
};

// Counts the client pixels of one colour.
int CountColour(HWND window, COLORREF colour) {
    RECT client;
    GetClientRect(window, &client);
    HDC dc = GetDC(window);
    int count = 0;
    for (int y = 0; y < client.bottom; ++y) {
        for (int x = 0; x < client.right; ++x) {
            if (GetPixel(dc, x, y) == colour) {
                ++count;
            }
        }
    }
    ReleaseDC(window, dc);
    return count;
}

TEST_F(WindowProcedureTest, OwnerDrawnButtonIsPaintedInTheControlColours) {
    DrawnButton button(form.get());
    button.SetText(std::string("VEDO"));
    button.Create();
    form->foreground = RGB(0, 0, 0);
    Repaint(button.handle);
    EXPECT_GE(button.pictureCalls, 1);
    EXPECT_EQ(ClientPixel(button.handle, 0, 0), RGB(0, 0, 0));
    EXPECT_EQ(ClientPixel(button.handle, 79, 29), RGB(0, 0, 0));
    EXPECT_EQ(ClientPixel(button.handle, 40, 0), RGB(0, 0, 0));
    EXPECT_EQ(ClientPixel(button.handle, 2, 15), RGB(220, 220, 220));
    EXPECT_EQ(ClientPixel(button.handle, 77, 27), RGB(220, 220, 220));
    EXPECT_GT(CountColour(button.handle, RGB(0, 0, 0)), 2 * (80 + 30) - 4);
}

TEST_F(WindowProcedureTest, PressedButtonFrameIsTheInverseOfTheText) {
    DrawnButton button(form.get());
    button.SetText(std::string("VEDO"));
    button.Create();
    form->foreground = RGB(0, 0, 255);
    SendMessageW(button.handle, BM_SETSTATE, TRUE, 0);
    Repaint(button.handle);
    EXPECT_TRUE(button.lastPressed);
    EXPECT_EQ(ClientPixel(button.handle, 0, 0), 0xFFFFFF - RGB(0, 0, 255));
    EXPECT_EQ(ClientPixel(button.handle, 79, 29), 0xFFFFFF - RGB(0, 0, 255));
    EXPECT_GT(CountColour(button.handle, RGB(0, 0, 255)), 10);
    SendMessageW(button.handle, BM_SETSTATE, FALSE, 0);
    Repaint(button.handle);
    EXPECT_FALSE(button.lastPressed);
    EXPECT_EQ(ClientPixel(button.handle, 0, 0), RGB(0, 0, 255));
}

TEST_F(WindowProcedureTest, DisabledButtonUsesTheGreyTextAndFrame) {
    DrawnButton button(form.get());
    button.SetText(std::string("PUNTO"));
    button.Create();
    button.SetEnabled(false);
    Repaint(button.handle);
    EXPECT_EQ(ClientPixel(button.handle, 0, 0), RGB(0x69, 0x69, 0x69));
    EXPECT_EQ(ClientPixel(button.handle, 79, 29), RGB(0x69, 0x69, 0x69));
    EXPECT_GT(CountColour(button.handle, RGB(0x96, 0x96, 0x96)), 10);
    EXPECT_EQ(CountColour(button.handle, RGB(0, 0, 0)), 0);
}

TEST_F(WindowProcedureTest, CaptionStartsAfterThePicture) {
    DrawnButton button(form.get());
    button.SetText(std::string("I"));
    button.Create();
    button.pictureOffset = 60;
    Repaint(button.handle);
    RECT ink = InkBounds(button.handle, RGB(220, 220, 220));
    // Only the frame is left of the offset: the caption is centred in 60..80.
    HDC dc = GetDC(button.handle);
    int captionLeft = 80;
    for (int x = 1; x < 79; ++x) {
        for (int y = 1; y < 29; ++y) {
            if (GetPixel(dc, x, y) == RGB(0, 0, 0)) {
                captionLeft = std::min(captionLeft, x);
            }
        }
    }
    ReleaseDC(button.handle, dc);
    EXPECT_EQ(ink.left, 0);
    EXPECT_GE(captionLeft, 60);
}

TEST_F(WindowProcedureTest, DrawItemForANonButtonGoesToDefaultProcessing) {
    TestControl label(form.get(), L"static", 0, "label");
    label.Create();
    DrawnButton button(form.get());
    button.Create();
    HDC dc = GetDC(form->handle);
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_BUTTON;
    item.CtlID = static_cast<UINT>(label.id);
    item.hwndItem = label.handle;
    item.hDC = dc;
    item.rcItem = RECT{0, 0, 10, 10};
    const LRESULT expected =
        DefWindowProcW(form->handle, WM_DRAWITEM, label.id, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(SendMessageW(form->handle, WM_DRAWITEM, label.id, reinterpret_cast<LPARAM>(&item)),
              expected);
    item.CtlID = static_cast<UINT>(button.id);
    item.CtlType = ODT_STATIC;
    EXPECT_EQ(SendMessageW(form->handle, WM_DRAWITEM, button.id, reinterpret_cast<LPARAM>(&item)),
              expected);
    EXPECT_EQ(button.pictureCalls, 0);
    item.CtlType = ODT_BUTTON;
    EXPECT_EQ(SendMessageW(form->handle, WM_DRAWITEM, button.id, reinterpret_cast<LPARAM>(&item)),
              1);
    item.CtlID = 60000;
    EXPECT_EQ(SendMessageW(form->handle, WM_DRAWITEM, 60000, reinterpret_cast<LPARAM>(&item)),
              expected);
    ReleaseDC(form->handle, dc);
}

TEST_F(WindowProcedureTest, PaintingButtonsLosesNoGdiHeadroom) {
    DrawnButton button(form.get());
    button.SetText(std::string("GIOCA"));
    button.Create();
    Repaint(button.handle);
    const int before = GdiHeadroom();
    for (int round = 0; round < 2000; ++round) {
        Repaint(button.handle);
    }
    EXPECT_EQ(button.pictureCalls, 2001);
    EXPECT_GE(GdiHeadroom(), before - 2);
}

TEST_F(WindowProcedureTest, ButtonCommandsReachTheHandlerWhateverTheCode) {
    DrawnButton button(form.get());
    button.commandHandler = RecordCommand;
    button.Create();
    SendMessageW(button.handle, BM_CLICK, 0, 0);
    ASSERT_GE(events.size(), 1u);
    EXPECT_EQ(events.back(), "command button");
    events.clear();
    SendMessageW(form->handle, WM_COMMAND, MAKEWPARAM(button.id, BN_KILLFOCUS),
                 reinterpret_cast<LPARAM>(button.handle));
    SendMessageW(form->handle, WM_COMMAND, MAKEWPARAM(button.id, 0x1234),
                 reinterpret_cast<LPARAM>(button.handle));
    EXPECT_EQ(events, (std::vector<std::string>{"command button", "command button"}));
    events.clear();
    button.commandHandler = nullptr;
    SendMessageW(button.handle, BM_CLICK, 0, 0);
    EXPECT_TRUE(events.empty());
}

TEST_F(WindowProcedureTest, MenuChoiceRunsTheItemBeforeItsHandler) {
    MenuItem item;
    item.commandHandler = RecordCommand;
    SendMessageW(form->handle, WM_COMMAND, MAKEWPARAM(item.id, 0), 0);
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0], "choice");
    EXPECT_EQ(events[1], "command submenu");
    events.clear();
    // An accelerator, an unknown item and a stray code run nothing.
    SendMessageW(form->handle, WM_COMMAND, MAKEWPARAM(item.id, 1), 0);
    SendMessageW(form->handle, WM_COMMAND, MAKEWPARAM(item.id + 100, 0), 0);
    SendMessageW(form->handle, WM_COMMAND, MAKEWPARAM(item.id, 2), 0);
    EXPECT_TRUE(events.empty());
}

void RecordCheck(GUIElement* element) {
    events.push_back(static_cast<SubMenu*>(element)->checked ? "checked" : "unchecked");
}

TEST_F(WindowProcedureTest, ChoosingACheckableMenuItemTogglesItBeforeItsHandler) {
    MenuBar bar(form.get());
    Menu menu("&Opzioni", &bar);
    SubMenu item(&menu, "&Suono");
    item.checkable = true;
    item.checked = true;
    item.commandHandler = RecordCheck;
    bar.Create();
    EXPECT_EQ(FindSubMenuById(item.id), &item);
    SendMessageW(form->handle, WM_COMMAND, MAKEWPARAM(item.id, 0), 0);
    SendMessageW(form->handle, WM_COMMAND, MAKEWPARAM(item.id, 0), 0);
    EXPECT_EQ(events, (std::vector<std::string>{"unchecked", "checked"}));
    EXPECT_EQ(GetMenuState(menu.menuHandle, item.id, MF_BYCOMMAND) & MF_CHECKED,
              static_cast<UINT>(MF_CHECKED));
    SetMenu(form->handle, nullptr);
    DestroyMenu(bar.menuHandle);
}

TEST_F(WindowProcedureTest, CommandFromAControlWithoutElementIsIgnored) {
    HWND stray = CreateWindowExW(0, L"Button", L"x", WS_CHILD, 0, 0, 10, 10, form->handle, nullptr,
                                 nullptr, nullptr);
    DrawnButton button(form.get());
    button.commandHandler = RecordCommand;
    button.Create();
    SendMessageW(form->handle, WM_COMMAND, MAKEWPARAM(77, BN_CLICKED),
                 reinterpret_cast<LPARAM>(stray));
    EXPECT_TRUE(events.empty());
    DestroyWindow(stray);
}

TEST_F(WindowProcedureTest, TimerTicksReachTheTimerElement) {
    TickingTimer timer(form.get());
    timer.Create();
    TestControl notATimer(form.get(), L"static", 0, "label");
    notATimer.Create();
    SendMessageW(form->handle, WM_TIMER, timer.id, 0);
    SendMessageW(form->handle, WM_TIMER, notATimer.id, 0);
    SendMessageW(form->handle, WM_TIMER, 59999, 0);
    EXPECT_EQ(timer.ticks, 1);

    SetTimer(form->handle, timer.id, 10, nullptr);
    const DWORD start = GetTickCount();
    while (timer.ticks < 3 && GetTickCount() - start < 1000) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        PumpMessages();
    }
    KillTimer(form->handle, timer.id);
    EXPECT_GE(timer.ticks, 3);
}

TEST_F(WindowProcedureTest, EndOfTrackReachesTheSlider) {
    TrackSlider slider(form.get());
    slider.Create();
    SendMessageW(slider.handle, TBM_SETRANGE, TRUE, MAKELPARAM(1, 8));
    SendMessageW(form->handle, WM_HSCROLL, TB_THUMBTRACK, reinterpret_cast<LPARAM>(slider.handle));
    EXPECT_EQ(slider.ends, 0);
    SendMessageW(form->handle, WM_HSCROLL, TB_ENDTRACK, reinterpret_cast<LPARAM>(slider.handle));
    SendMessageW(form->handle, WM_VSCROLL, TB_ENDTRACK, reinterpret_cast<LPARAM>(slider.handle));
    EXPECT_EQ(slider.ends, 2);
    SendMessageW(form->handle, WM_HSCROLL, TB_ENDTRACK, 0);
    EXPECT_EQ(slider.ends, 2);

    // A keyboard step: the track bar itself reports the end of the move.
    SetFocus(slider.handle);
    SendMessageW(slider.handle, WM_KEYDOWN, VK_RIGHT, 0);
    SendMessageW(slider.handle, WM_KEYUP, VK_RIGHT, 0xC0000001);
    EXPECT_GE(slider.ends, 3);
    EXPECT_EQ(slider.lastPosition, 2);
}

TEST_F(WindowProcedureTest, EndOfTrackFromANonSliderIsIgnored) {
    TrackSlider slider(form.get());
    slider.type = "label";
    slider.Create();
    SendMessageW(form->handle, WM_HSCROLL, TB_ENDTRACK, reinterpret_cast<LPARAM>(slider.handle));
    EXPECT_EQ(slider.ends, 0);
}

TEST_F(WindowProcedureTest, ControlColoursComeFromTheReceivingElement) {
    TestControl label(form.get(), L"static", 0, "label");
    label.Create();
    HDC dc = GetDC(label.handle);
    const LRESULT brush =
        SendMessageW(form->handle, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(label.handle));
    EXPECT_EQ(brush, reinterpret_cast<LRESULT>(form->brush));
    EXPECT_EQ(GetBkColor(dc), RGB(220, 220, 220));
    form->answerColours = false;
    const LRESULT expected =
        DefWindowProcW(form->handle, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                       reinterpret_cast<LPARAM>(label.handle));
    EXPECT_EQ(SendMessageW(form->handle, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                           reinterpret_cast<LPARAM>(label.handle)),
              expected);
    ReleaseDC(label.handle, dc);
}

TEST_F(WindowProcedureTest, TabAndShiftTabMoveTheFocusAndReachTheKeyHandler) {
    std::vector<std::unique_ptr<TestControl>> buttons;
    for (int index = 0; index < 3; ++index) {
        buttons.push_back(
            std::make_unique<TestControl>(form.get(), L"Button", WS_TABSTOP, "button"));
        buttons.back()->x = index * 90;
        buttons.back()->y = 10;
        buttons.back()->onKeyDown = CountKeyDown;
        buttons.back()->Create();
    }
    keysDown = 0;
    SetFocus(buttons[0]->handle);
    SendMessageW(buttons[0]->handle, WM_KEYDOWN, VK_TAB, 0);
    EXPECT_EQ(GetFocus(), buttons[1]->handle);
    EXPECT_EQ(keysDown, 1);
    EXPECT_EQ(lastKey, VK_TAB);

    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
    SendMessageW(buttons[1]->handle, WM_KEYDOWN, VK_TAB, 0);
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    EXPECT_EQ(GetFocus(), buttons[0]->handle);
    EXPECT_EQ(keysDown, 2);

    SendMessageW(buttons[0]->handle, WM_KEYDOWN, 'A', 0);
    EXPECT_EQ(GetFocus(), buttons[0]->handle);
    EXPECT_EQ(keysDown, 3);
    EXPECT_EQ(lastKey, 'A');
}

TEST_F(WindowProcedureTest, ACharacterRefusedByItsHandlerIsSwallowed) {
    TestControl box(form.get(), L"edit", 0, "textbox");
    box.onChar = RefuseX;
    box.Create();
    form->keyPreview = true;
    form->onChar = CountPreview;
    previewedChars = 0;
    EXPECT_EQ(SendMessageW(box.handle, WM_CHAR, 'x', 1), 1);
    SendMessageW(box.handle, WM_CHAR, 'y', 1);
    EXPECT_EQ(box.GetText(), L"y");
    EXPECT_EQ(previewedChars, 2);
    form->keyPreview = false;
    SendMessageW(box.handle, WM_CHAR, 'z', 1);
    EXPECT_EQ(previewedChars, 2);
    EXPECT_EQ(box.GetText(), L"yz");
}

TEST_F(WindowProcedureTest, CursorIsChosenOnlyOverTheClientArea) {
    PanelChildren panel(form.get());
    panel.Create();
    HCURSOR hand = LoadCursorW(nullptr, IDC_HAND);
    HCURSOR wait = LoadCursorW(nullptr, IDC_WAIT);
    const LPARAM client = MAKELPARAM(HTCLIENT, WM_MOUSEMOVE);
    const WPARAM window = reinterpret_cast<WPARAM>(panel.handle);

    panel.SetHandCursor(true);
    panel.SetWaitCursor(true);
    EXPECT_EQ(SendMessageW(panel.handle, WM_SETCURSOR, window, client), 1);
    EXPECT_EQ(GetCursor(), hand);
    panel.SetHandCursor(false);
    EXPECT_EQ(SendMessageW(panel.handle, WM_SETCURSOR, window, client), 1);
    EXPECT_EQ(GetCursor(), wait);

    panel.SetHandCursor(true);
    const LPARAM border = MAKELPARAM(HTBORDER, WM_MOUSEMOVE);
    SetCursor(wait);
    const LRESULT expected = DefWindowProcW(panel.handle, WM_SETCURSOR, window, border);
    EXPECT_EQ(SendMessageW(panel.handle, WM_SETCURSOR, window, border), expected);
    EXPECT_NE(GetCursor(), hand);

    panel.SetHandCursor(false);
    panel.SetWaitCursor(false);
    EXPECT_EQ(SendMessageW(panel.handle, WM_SETCURSOR, window, client),
              DefWindowProcW(panel.handle, WM_SETCURSOR, window, client));
}

TEST_F(WindowProcedureTest, HoverTrackingServesOneWindowAtATime) {
    PanelChildren first(form.get());
    first.x = 0;
    first.y = 0;
    first.Create();
    PanelChildren second(form.get());
    second.x = 150;
    second.y = 0;
    second.Create();
    ASSERT_FALSE(HoverTracking());
    auto pointAt = [](HWND window) {
        POINT centre = {5, 5};
        ClientToScreen(window, &centre);
        SetCursorPos(centre.x, centre.y);
    };
    auto tracked = []() {
        TRACKMOUSEEVENT query = {sizeof(query), TME_QUERY, nullptr, 0};
        TrackMouseEvent(&query);
        return query.hwndTrack;
    };

    pointAt(first.handle);
    SendMessageW(first.handle, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(HoverTracking());
    EXPECT_EQ(tracked(), first.handle);
    SendMessageW(second.handle, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(tracked(), first.handle);

    SendMessageW(first.handle, WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(HoverTracking());
    pointAt(second.handle);
    SendMessageW(second.handle, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(HoverTracking());
    EXPECT_EQ(tracked(), second.handle);
    SendMessageW(second.handle, WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(HoverTracking());
}

TEST_F(WindowProcedureTest, MouseButtonsCarrySignedCoordinatesAndRecordTheLastPanel) {
    PanelChildren panel(form.get());
    panel.onLeftButtonDown = RecordClick;
    panel.Create();
    SendMessageW(panel.handle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-5, 12));
    EXPECT_EQ(clickX, -5);
    EXPECT_EQ(clickY, 12);
    EXPECT_EQ(LastPanel(), &panel);
    SendMessageW(form->handle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
    EXPECT_EQ(LastPanel(), nullptr);
    {
        PanelChildren other(form.get());
        other.Create();
        SendMessageW(other.handle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
        EXPECT_EQ(LastPanel(), &other);
    }
    EXPECT_EQ(LastPanel(), nullptr);
}

TEST_F(WindowProcedureTest, NotificationsReachTheSourceElement) {
    NotifiedControl source(form.get());
    source.Create();
    NMHDR click = {source.handle, static_cast<UINT_PTR>(source.id), static_cast<UINT>(NM_RCLICK)};
    SendMessageW(form->handle, WM_NOTIFY, source.id, reinterpret_cast<LPARAM>(&click));
    HDITEMW item = {};
    item.mask = HDI_WIDTH;
    item.cxy = 77;
    NMHEADERW change = {};
    change.hdr = {source.handle, static_cast<UINT_PTR>(source.id),
                  static_cast<UINT>(HDN_ITEMCHANGEDW)};
    change.iItem = 2;
    change.pitem = &item;
    SendMessageW(form->handle, WM_NOTIFY, source.id, reinterpret_cast<LPARAM>(&change));
    ASSERT_EQ(source.kinds, (std::vector<int>{3, 1}));
    EXPECT_EQ(source.lastNumbers, (std::vector<int>{2, 77}));
    change.hdr.code = static_cast<UINT>(HDN_ITEMCLICKW);
    SendMessageW(form->handle, WM_NOTIFY, source.id, reinterpret_cast<LPARAM>(&change));
    EXPECT_EQ(source.lastNumbers, (std::vector<int>{2}));
}

TEST_F(WindowProcedureTest, ShowingAFormCallsOnShow) {
    ShowWindow(form->handle, SW_HIDE);
    events.clear();
    ShowWindow(form->handle, SW_SHOW);
    EXPECT_EQ(events, (std::vector<std::string>{"show"}));
}

TEST_F(WindowProcedureTest, WindowsWithoutAnElementGetDefaultProcessing) {
    WNDCLASSW plain = {};
    plain.lpfnWndProc = &WindowProcedure;
    plain.hInstance = Instance();
    plain.lpszClassName = L"ElementlessWindow";
    RegisterClassW(&plain);
    HWND window = CreateWindowExW(0, L"ElementlessWindow", L"prima", WS_OVERLAPPED, 0, 0, 50, 50,
                                  nullptr, nullptr, Instance(), nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(FindElementByHandle(window), nullptr);
    SetWindowTextW(window, L"dopo");
    wchar_t shown[16] = {};
    GetWindowTextW(window, shown, 16);
    EXPECT_STREQ(shown, L"dopo");
    SendMessageW(window, WM_TIMER, 1, 0);
    SendMessageW(window, WM_COMMAND, 0, 0);
    SendMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(window));
    UnregisterClassW(L"ElementlessWindow", Instance());
}

} // namespace
