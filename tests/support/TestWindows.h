// Small helpers for tests that drive real windows.
#pragma once

#include "toolkit/GUIElement.h"

#include <string>

// Dispatches every message already queued for this thread, without waiting.
void PumpMessages();

// Dispatches messages as they come for about `ms` milliseconds.
void PumpFor(DWORD ms);

// A control element over a standard window class, created and subclassed the
// way the toolkit's controls are.
class TestControl : public Tavrik::Child {
public:
    TestControl(Tavrik::GUIElement* parentElement, const wchar_t* systemClass, DWORD styleBits,
                const char* kind);
    void Create() override;

    std::wstring systemClass;
    DWORD styleBits;
};

// The window's style and extended style bits as the system keeps them.
DWORD StyleOf(HWND window);
DWORD ExtendedStyleOf(HWND window);

// The colour the window's client area shows at (x, y).
COLORREF ClientPixel(HWND window, int x, int y);

// The bounds of the pixels of a client area that differ from `background`,
// as (left, top, right, bottom), right and bottom exclusive; an empty
// rectangle when every pixel is the background.
RECT InkBounds(HWND window, COLORREF background);
