// Slider and Timer over real windows, with real mouse input, under Wine.
#include <gtest/gtest.h>

#include <vector>

#include "toolkit/Form.h"
#include "toolkit/Label.h"
#include "toolkit/Slider.h"
#include "toolkit/Timer.h"

using namespace Tavrik;

namespace {

// Dispatches messages for about `ms` milliseconds.
void PumpFor(DWORD ms) {
    DWORD start = GetTickCount();
    do {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        DWORD spent = GetTickCount() - start;
        if (spent >= ms)
            break;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - spent, QS_ALLINPUT);
    } while (true);
}

void Pump() {
    PumpFor(0);
}

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = new Form(GetModuleHandleW(nullptr));
        form->x = 20;
        form->y = 20;
        form->width = 700;
        form->height = 560;
        form->Create();
        Pump();
    }
    void TearDown() override {
        delete form;
        Pump();
    }
    Form* form = nullptr;
};

struct Report {
    Slider* slider;
    int value;
};
std::vector<Report> reports;
void Record(Slider* slider, int value) {
    reports.push_back({slider, value});
}

RECT PlaceInParent(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::wstring WindowText(HWND window) {
    wchar_t buffer[32] = {};
    GetWindowTextW(window, buffer, 32);
    return buffer;
}

// Messages sent to one window while a piece of code runs.
std::vector<UINT> seen;
HWND watched = nullptr;
LRESULT CALLBACK WatchSent(int code, WPARAM wParam, LPARAM lParam) {
    const CWPSTRUCT* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->hwnd == watched && sent->message >= WM_USER)
        seen.push_back(sent->message);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

using SliderTest = WindowTest;

TEST_F(SliderTest, NewSliderAndItsEndLabels) {
    Slider slider(form);
    EXPECT_EQ("slider", slider.type);
    EXPECT_EQ(1, slider.minimum);
    EXPECT_EQ(8, slider.maximum);
    EXPECT_EQ(1, slider.value);
    EXPECT_TRUE(slider.showLabels);
    EXPECT_FALSE(slider.vertical);
    EXPECT_EQ(L"1", slider.minLabel->text);
    EXPECT_EQ(L"8", slider.maxLabel->text);
    for (Label* label : {slider.minLabel, slider.maxLabel}) {
        EXPECT_EQ(10, label->width);
        EXPECT_EQ(30, label->height);
        EXPECT_EQ(form, label->parent) << "the labels live beside the slider";
    }

    slider.x = 100;
    slider.y = 60;
    slider.width = 200;
    slider.height = 30;
    slider.Create();
    ASSERT_NE(nullptr, slider.handle);
    EXPECT_EQ(0x50010001, GetWindowLongW(slider.handle, GWL_STYLE) & 0xFFFF000F);
    EXPECT_EQ(1, SendMessageW(slider.handle, TBM_GETRANGEMIN, 0, 0));
    EXPECT_EQ(8, SendMessageW(slider.handle, TBM_GETRANGEMAX, 0, 0));
    EXPECT_EQ(1, SendMessageW(slider.handle, TBM_GETPOS, 0, 0));
    EXPECT_LT(slider.id, slider.minLabel->id);
    EXPECT_LT(slider.minLabel->id, slider.maxLabel->id);
    for (Label* label : {slider.minLabel, slider.maxLabel}) {
        ASSERT_NE(nullptr, label->handle);
        EXPECT_EQ(form->handle, GetParent(label->handle));
        EXPECT_TRUE(IsWindowVisible(label->handle));
        RECT r = PlaceInParent(label->handle);
        EXPECT_EQ(10, r.right - r.left);
        EXPECT_EQ(30, r.bottom - r.top);
    }
    EXPECT_EQ(L"1", WindowText(slider.minLabel->handle));
    EXPECT_EQ(L"8", WindowText(slider.maxLabel->handle));
    EXPECT_EQ(reinterpret_cast<LRESULT>(slider.minLabel->handle),
              SendMessageW(slider.handle, TBM_GETBUDDY, TRUE, 0));
    EXPECT_EQ(reinterpret_cast<LRESULT>(slider.maxLabel->handle),
              SendMessageW(slider.handle, TBM_GETBUDDY, FALSE, 0));
}

TEST_F(SliderTest, ValueIsClampedIntoTheRange) {
    struct Case {
        int value;
        int expected;
    } cases[] = {{12, 8}, {-3, 1}, {5, 5}, {8, 8}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        Slider slider(form);
        slider.value = c.value;
        slider.Create();
        EXPECT_EQ(c.expected, slider.value);
        EXPECT_EQ(c.expected, SendMessageW(slider.handle, TBM_GETPOS, 0, 0));
        EXPECT_EQ(c.expected, slider.GetValue());
        // The owner moves the thumb too, within the range.
        slider.SetValue(c.value - 2);
        int moved = c.value - 2 < 1 ? 1 : (c.value - 2 > 8 ? 8 : c.value - 2);
        EXPECT_EQ(moved, slider.value);
        EXPECT_EQ(moved, SendMessageW(slider.handle, TBM_GETPOS, 0, 0));
    }
    Slider unmade(form);
    unmade.SetValue(40);
    EXPECT_EQ(8, unmade.value);
    EXPECT_EQ(8, unmade.GetValue());
}

TEST_F(SliderTest, PageAndTickFrequencyOnlyForWideRanges) {
    struct Case {
        int minimum;
        int maximum;
        bool stepped;
    } cases[] = {{0, 100, true}, {1, 8, false}, {0, 10, true}, {0, 9, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.maximum);
        Slider slider(form);
        slider.minimum = c.minimum;
        slider.maximum = c.maximum;
        seen.clear();
        watched = nullptr;
        HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, &WatchSent, nullptr, GetCurrentThreadId());
        // The first message of the new window names it.
        struct Namer {
            static LRESULT CALLBACK Cbt(int code, WPARAM wParam, LPARAM lParam) {
                if (code == HCBT_CREATEWND && !watched) {
                    wchar_t name[64] = {};
                    GetClassNameW(reinterpret_cast<HWND>(wParam), name, 64);
                    if (lstrcmpiW(name, TRACKBAR_CLASSW) == 0)
                        watched = reinterpret_cast<HWND>(wParam);
                }
                return CallNextHookEx(nullptr, code, wParam, lParam);
            }
        };
        HHOOK cbt = SetWindowsHookExW(WH_CBT, &Namer::Cbt, nullptr, GetCurrentThreadId());
        slider.Create();
        UnhookWindowsHookEx(cbt);
        UnhookWindowsHookEx(hook);
        ASSERT_EQ(slider.handle, watched);
        auto count = [](UINT message) {
            int n = 0;
            for (UINT m : seen)
                n += m == message;
            return n;
        };
        EXPECT_EQ(1, count(TBM_SETRANGE));
        EXPECT_EQ(1, count(TBM_SETPOS));
        EXPECT_EQ(2, count(TBM_SETBUDDY));
        EXPECT_EQ(c.stepped ? 1 : 0, count(TBM_SETPAGESIZE));
        EXPECT_EQ(c.stepped ? 1 : 0, count(TBM_SETTICFREQ));
        if (c.stepped) {
            EXPECT_EQ((c.maximum - c.minimum) / 10,
                      SendMessageW(slider.handle, TBM_GETPAGESIZE, 0, 0));
        }
    }
}

TEST_F(SliderTest, PlaceLabelsBesideTheTrack) {
    Slider slider(form);
    slider.x = 435;
    slider.y = 435;
    slider.width = 100;
    slider.height = 30;
    slider.PlaceLabels();
    EXPECT_EQ(420, slider.minLabel->x);
    EXPECT_EQ(540, slider.maxLabel->x);
    EXPECT_EQ(435, slider.minLabel->y);
    EXPECT_EQ(435, slider.maxLabel->y);
    slider.Create();
    slider.PlaceLabels();
    RECT low = PlaceInParent(slider.minLabel->handle);
    RECT high = PlaceInParent(slider.maxLabel->handle);
    EXPECT_EQ(420, low.left);
    EXPECT_EQ(540, high.left);
    EXPECT_EQ(435, low.top);
    EXPECT_EQ(435, high.top);
    EXPECT_EQ(10, low.right - low.left) << "moved, not resized";

    Slider upright(form);
    upright.vertical = true;
    upright.x = 300;
    upright.y = 100;
    upright.width = 30;
    upright.height = 120;
    upright.PlaceLabels();
    EXPECT_EQ(300, upright.minLabel->x);
    EXPECT_EQ(65, upright.minLabel->y);
    EXPECT_EQ(300, upright.maxLabel->x);
    EXPECT_EQ(225, upright.maxLabel->y);
}

TEST_F(SliderTest, ShowLabelsHidesAndShowsBoth) {
    Slider slider(form);
    slider.showLabels = false;
    slider.SetShowLabels(false);
    EXPECT_EQ(nullptr, slider.minLabel->handle) << "no window made for a hidden label";
    slider.Create();
    EXPECT_FALSE(IsWindowVisible(slider.minLabel->handle));
    EXPECT_FALSE(IsWindowVisible(slider.maxLabel->handle));
    slider.SetShowLabels(true);
    EXPECT_TRUE(IsWindowVisible(slider.minLabel->handle));
    EXPECT_TRUE(IsWindowVisible(slider.maxLabel->handle));
    slider.SetShowLabels(false);
    EXPECT_FALSE(IsWindowVisible(slider.minLabel->handle));
    EXPECT_FALSE(slider.maxLabel->visible);
}

TEST_F(SliderTest, DestroyingTheSliderDeletesItsLabels) {
    Slider* slider = new Slider(form);
    slider->Create();
    int low = slider->minLabel->id;
    int high = slider->maxLabel->id;
    ASSERT_NE(nullptr, FindElementById(low));
    delete slider;
    EXPECT_EQ(nullptr, FindElementById(low));
    EXPECT_EQ(nullptr, FindElementById(high));
}

void MouseTo(POINT screen) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(screen.x, 65536, GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = MulDiv(screen.y, 65536, GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof(input));
}

void MouseButton(DWORD flag) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flag;
    SendInput(1, &input, sizeof(input));
}

TEST_F(SliderTest, DraggingTheThumbReportsOnlyTheSettledValue) {
    Slider slider(form);
    slider.x = 100;
    slider.y = 100;
    slider.width = 300;
    slider.height = 40;
    slider.changeHandler = &Record;
    slider.Create();
    SetForegroundWindow(form->handle);
    PumpFor(50);
    reports.clear();

    RECT thumb;
    SendMessageW(slider.handle, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    POINT at = {(thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2};
    ClientToScreen(slider.handle, &at);
    ASSERT_EQ(slider.handle, WindowFromPoint(at)) << "the thumb is not under the mouse";
    MouseTo(at);
    PumpFor(20);
    MouseButton(MOUSEEVENTF_LEFTDOWN);
    PumpFor(20);
    int steps = 0;
    while (SendMessageW(slider.handle, TBM_GETPOS, 0, 0) < 5 && steps < 100) {
        at.x += 3;
        MouseTo(at);
        PumpFor(10);
        ++steps;
    }
    EXPECT_EQ(5, SendMessageW(slider.handle, TBM_GETPOS, 0, 0));
    PumpFor(30);
    EXPECT_TRUE(reports.empty()) << "reported during the drag";
    MouseButton(MOUSEEVENTF_LEFTUP);
    PumpFor(60);
    ASSERT_EQ(1u, reports.size());
    EXPECT_EQ(&slider, reports[0].slider);
    EXPECT_EQ(5, reports[0].value);
    EXPECT_EQ(5, slider.value);
}

TEST_F(SliderTest, KeyboardStepReportsItsNewValueOnce) {
    Slider slider(form);
    slider.changeHandler = &Record;
    slider.Create();
    reports.clear();
    PostMessageW(slider.handle, WM_KEYDOWN, VK_RIGHT, 0);
    PostMessageW(slider.handle, WM_KEYUP, VK_RIGHT, 0xC0000001);
    PumpFor(20);
    ASSERT_EQ(1u, reports.size());
    EXPECT_EQ(2, reports[0].value);
    // Key releases and repeated end notifications with the value unchanged
    // report nothing new.
    PostMessageW(slider.handle, WM_KEYUP, VK_RIGHT, 0xC0000001);
    PumpFor(20);
    SendMessageW(form->handle, WM_HSCROLL, TB_ENDTRACK, reinterpret_cast<LPARAM>(slider.handle));
    EXPECT_EQ(1u, reports.size());
    PostMessageW(slider.handle, WM_KEYDOWN, VK_END, 0);
    PostMessageW(slider.handle, WM_KEYUP, VK_END, 0xC0000001);
    PumpFor(20);
    ASSERT_EQ(2u, reports.size());
    EXPECT_EQ(8, reports[1].value);
    // A value the owner set is no news either.
    slider.SetValue(3);
    SendMessageW(form->handle, WM_HSCROLL, TB_ENDTRACK, reinterpret_cast<LPARAM>(slider.handle));
    EXPECT_EQ(2u, reports.size());
    // Other scroll codes are not acted on.
    SendMessageW(slider.handle, TBM_SETPOS, TRUE, 6);
    SendMessageW(form->handle, WM_HSCROLL, TB_THUMBPOSITION,
                 reinterpret_cast<LPARAM>(slider.handle));
    EXPECT_EQ(2u, reports.size());
    SendMessageW(form->handle, WM_HSCROLL, TB_ENDTRACK, reinterpret_cast<LPARAM>(slider.handle));
    ASSERT_EQ(3u, reports.size());
    EXPECT_EQ(6, reports[2].value);
}

int textChanges = 0;
int CountTextChange(GUIElement*) {
    return ++textChanges;
}

TEST_F(SliderTest, TextChangedFollowsTheChangeHandler) {
    Slider slider(form);
    slider.onTextChanged = &CountTextChange;
    slider.Create();
    textChanges = 0;
    SendMessageW(slider.handle, TBM_SETPOS, TRUE, 4);
    SendMessageW(form->handle, WM_HSCROLL, TB_ENDTRACK, reinterpret_cast<LPARAM>(slider.handle));
    EXPECT_EQ(1, textChanges);
    EXPECT_EQ(4, slider.value);
}

TEST_F(SliderTest, ScrollNotificationsFromOtherWindowsAreIgnored) {
    Slider slider(form);
    slider.changeHandler = &Record;
    slider.Create();
    reports.clear();
    SendMessageW(slider.handle, TBM_SETPOS, TRUE, 7);
    HWND others[] = {slider.minLabel->handle, form->handle, reinterpret_cast<HWND>(0x4321)};
    for (HWND other : others) {
        SendMessageW(form->handle, WM_HSCROLL, TB_ENDTRACK, reinterpret_cast<LPARAM>(other));
        SendMessageW(form->handle, WM_VSCROLL, TB_ENDTRACK, reinterpret_cast<LPARAM>(other));
    }
    SendMessageW(form->handle, WM_HSCROLL, TB_ENDTRACK, 0);
    EXPECT_TRUE(reports.empty());
}

int ticks = 0;
Timer* lastTicked = nullptr;
void CountTick(Timer* timer) {
    ++ticks;
    lastTicked = timer;
}

using TimerTest = WindowTest;

TEST_F(TimerTest, NewTimerAndItsHiddenWindow) {
    Timer timer(form, 30);
    EXPECT_EQ("timer", timer.type);
    EXPECT_EQ(L"timer", timer.text);
    EXPECT_EQ(50, timer.width);
    EXPECT_EQ(22, timer.height);
    EXPECT_EQ(30, timer.interval);
    EXPECT_FALSE(timer.running);
    timer.Start();
    EXPECT_TRUE(timer.running);
    ASSERT_NE(nullptr, timer.handle);
    EXPECT_EQ(0x40000000, GetWindowLongW(timer.handle, GWL_STYLE));
    EXPECT_FALSE(IsWindowVisible(timer.handle));
    EXPECT_EQ(form->handle, GetParent(timer.handle));
}

TEST_F(TimerTest, TicksArriveAboutEveryInterval) {
    Timer timer(form, 30);
    timer.tickHandler = &CountTick;
    timer.Start();
    HWND window = timer.handle;
    int id = timer.id;
    timer.Start();
    EXPECT_EQ(window, timer.handle) << "a second start does nothing";
    EXPECT_EQ(id, timer.id);
    ticks = 0;
    PumpFor(600);
    // Twenty ticks in theory; a loaded machine delivers fewer.
    EXPECT_GE(ticks, 8);
    EXPECT_LE(ticks, 24);
    EXPECT_EQ(&timer, lastTicked);
    timer.Stop();
    EXPECT_FALSE(timer.running);
    PumpFor(40);
    ticks = 0;
    PumpFor(120);
    EXPECT_EQ(0, ticks);
}

TEST_F(TimerTest, DestroyingARunningTimerStopsItsTicks) {
    Timer* timer = new Timer(form, 20);
    timer->tickHandler = &CountTick;
    timer->Start();
    int id = timer->id;
    PumpFor(80);
    delete timer;
    EXPECT_FALSE(KillTimer(form->handle, id)) << "the system timer is already gone";
    ticks = 0;
    PumpFor(100);
    EXPECT_EQ(0, ticks);
}

TEST_F(TimerTest, TicksForOtherIdsAreIgnored) {
    Timer timer(form, 1000);
    timer.tickHandler = &CountTick;
    timer.Start();
    Label label(form, "x");
    label.Create();
    Timer silent(form, 1000);
    silent.Start();
    ticks = 0;
    SendMessageW(form->handle, WM_TIMER, 9999, 0);
    SendMessageW(form->handle, WM_TIMER, label.id, 0);
    SendMessageW(form->handle, WM_TIMER, silent.id, 0);
    EXPECT_EQ(0, ticks);
    SendMessageW(form->handle, WM_TIMER, timer.id, 0);
    EXPECT_EQ(1, ticks);
}

} // namespace
