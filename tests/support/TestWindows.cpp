#include "support/TestWindows.h"

#include <algorithm>

void PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void PumpFor(DWORD ms) {
    DWORD start = GetTickCount();
    while (true) {
        PumpMessages();
        DWORD spent = GetTickCount() - start;
        if (spent >= ms) {
            break;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - spent, QS_ALLINPUT);
    }
}

TestControl::TestControl(Tavrik::GUIElement* parentElement, const wchar_t* systemClass,
                         DWORD styleBits, const char* kind)
    : Child(parentElement), systemClass(systemClass), styleBits(styleBits) {
    type = kind;
}

void TestControl::Create() {
    if (created) {
        return;
    }
    id = Tavrik::NextElementId();
    DWORD style = WS_CHILD | WS_VISIBLE | styleBits;
    if (!enabled) {
        style |= WS_DISABLED;
    }
    HWND parentWindow = parent != nullptr ? parent->handle : nullptr;
    handle = CreateWindowExW(0, systemClass.c_str(), text.c_str(), style, x, y, width, height,
                             parentWindow, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             nullptr, nullptr);
    Subclass();
    created = true;
    ApplyFont();
}

DWORD StyleOf(HWND window) {
    return static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
}

DWORD ExtendedStyleOf(HWND window) {
    return static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE));
}

COLORREF ClientPixel(HWND window, int x, int y) {
    HDC dc = GetDC(window);
    COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
}

RECT InkBounds(HWND window, COLORREF background) {
    RECT client;
    GetClientRect(window, &client);
    RECT bounds = {client.right, client.bottom, 0, 0};
    HDC dc = GetDC(window);
    for (int y = 0; y < client.bottom; ++y) {
        for (int x = 0; x < client.right; ++x) {
            if (GetPixel(dc, x, y) != background) {
                bounds.left = std::min<LONG>(bounds.left, x);
                bounds.top = std::min<LONG>(bounds.top, y);
                bounds.right = std::max<LONG>(bounds.right, x + 1);
                bounds.bottom = std::max<LONG>(bounds.bottom, y + 1);
            }
        }
    }
    ReleaseDC(window, dc);
    if (bounds.right == 0) {
        return RECT{0, 0, 0, 0};
    }
    return bounds;
}
