// A real game window in the test process, with its timer stopped so that the
// tests drive the engine by calling the timer's operation themselves.
#pragma once

#include "game/FormMain.h"
#include "toolkit/Button.h"
#include "toolkit/Drawing.h"
#include "toolkit/Image.h"
#include "toolkit/Panel.h"
#include "toolkit/Slider.h"
#include "toolkit/TextServices.h"
#include "toolkit/Timer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace GameTest {

// The tests' windows live on a virtual desktop of their own, where the
// display's window manager cannot resize the fixed-size table window.
inline const bool onPrivateDesktop = [] {
    const wchar_t name[] = L"CarvellaTests";
    const wchar_t size[] = L"1024x768";
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Wine\\Explorer\\Desktops", 0, nullptr, 0,
                        KEY_WRITE, nullptr, &key, nullptr) == ERROR_SUCCESS) {
        RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(size), sizeof size);
        RegCloseKey(key);
    }
    HDESK desktop = CreateDesktopW(name, nullptr, nullptr, 0, GENERIC_ALL, nullptr);
    return desktop != nullptr && SetThreadDesktop(desktop);
}();

inline std::wstring WindowText(HWND window) {
    wchar_t buffer[256] = {};
    GetWindowTextW(window, buffer, 256);
    return buffer;
}

inline std::wstring Wide(const std::string& text) {
    return Tavrik::TextToWide(text);
}

inline std::wstring Amount(int value) {
    return Wide(Tavrik::IntToText(value));
}

// Position of a child window in its parent's client area.
inline POINT PlaceOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    POINT corner{rect.left, rect.top};
    ScreenToClient(GetParent(window), &corner);
    return corner;
}

inline SIZE SizeOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

// Dispatches what is queued; a quit message left by a closed main window is dropped.
inline void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// Answers every question box with a chosen button and records what it asked.
class QuestionAnswerer {
public:
    explicit QuestionAnswerer(int answer) {
        current = this;
        button = answer;
        hook = SetWindowsHookExW(WH_CBT, Hook, nullptr, GetCurrentThreadId());
    }
    ~QuestionAnswerer() {
        UnhookWindowsHookEx(hook);
        current = nullptr;
    }
    QuestionAnswerer(const QuestionAnswerer&) = delete;
    QuestionAnswerer& operator=(const QuestionAnswerer&) = delete;

    int button;
    int asked = 0;
    std::wstring text;
    std::wstring caption;
    // Called once for every box, while it is open.
    void (*whileOpen)() = nullptr;

private:
    static BOOL CALLBACK CollectText(HWND child, LPARAM) {
        wchar_t className[32] = {};
        GetClassNameW(child, className, 32);
        if (lstrcmpiW(className, L"Static") == 0 && !WindowText(child).empty()) {
            current->text = WindowText(child);
        }
        return TRUE;
    }

    static void CALLBACK Answer(HWND, UINT, UINT_PTR timer, DWORD) {
        KillTimer(nullptr, timer);
        HWND box = openBox;
        if (current == nullptr || box == nullptr) {
            return;
        }
        openBox = nullptr;
        current->caption = WindowText(box);
        EnumChildWindows(box, CollectText, 0);
        if (current->whileOpen != nullptr) {
            current->whileOpen();
        }
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(current->button, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(box, current->button)));
    }

    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HCBT_ACTIVATE && current != nullptr) {
            HWND box = reinterpret_cast<HWND>(wParam);
            wchar_t className[32] = {};
            GetClassNameW(box, className, 32);
            if (std::wstring(className) == L"#32770" && GetPropW(box, L"answered") == nullptr) {
                SetPropW(box, L"answered", reinterpret_cast<HANDLE>(1));
                ++current->asked;
                // The box is filled after its activation: answer it from its own loop.
                openBox = box;
                SetTimer(nullptr, 0, 10, Answer);
            }
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    HHOOK hook;
    static inline QuestionAnswerer* current = nullptr;
    static inline HWND openBox = nullptr;
};

class TableTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(onPrivateDesktop);
        Tavrik::SeedRandom(7);
        MyGame::tickCount = 0;
        MyGame::tickBusy = false;
        MyGame::skipNextStep = false;
        form = new MyGame::FormMain(GetModuleHandleW(nullptr), "Carvella prova");
        form->timerGame->Stop();
        Pump();
    }

    void TearDown() override {
        delete form;
        Pump();
    }

    // One due step of the betting engine.
    void Step() {
        MyGame::tickCount = MyGame::TicksPerStep;
        form->OnTimer();
    }

    // Clicks a button with real messages.
    void Click(Tavrik::GUIElement* button) {
        SendMessageW(button->handle, BM_CLICK, 0, 0);
        Pump();
    }

    int Code(int slot) { return std::stoi("0" + form->imageCards[slot]->tag); }

    bool FaceUp(int slot) {
        Tavrik::Image* image = form->imageCards[slot];
        return image->resourceId == 1100 + Code(slot) && Code(slot) != 0 &&
               image->bitmap != nullptr &&
               SendMessageW(image->handle, STM_GETIMAGE, IMAGE_BITMAP, 0) ==
                   reinterpret_cast<LRESULT>(image->bitmap);
    }

    bool FaceDown(int slot) {
        Tavrik::Image* image = form->imageCards[slot];
        return image->resourceId == 1100 && image->bitmap != nullptr;
    }

    bool Shown(Tavrik::GUIElement* element) {
        return element->visible && IsWindowVisible(element->handle);
    }

    int ChipsTotal() { return form->chips[1] + form->chips[2] + form->chips[3] + form->chips[4]; }

    MyGame::FormMain* form = nullptr;
};

} // namespace GameTest
