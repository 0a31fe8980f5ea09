#include "toolkit/Panel.h"

#include "toolkit/Drawing.h"
#include "toolkit/TextServices.h"
#include "toolkit/WindowProcedure.h"

namespace Tavrik {

PanelChildren::PanelChildren(GUIElement* parentElement)
    : Child(parentElement), border(false), flat(false), verticalScroll(false),
      horizontalScroll(false), scrollMin(0), scrollMax(100), tabStop(true), controlBrush(nullptr),
      controlTextColor(NoColor), controlBackColor(NoColor), floating(false) {
    type = "panel";
}

PanelChildren::~PanelChildren() {
    // The window and its class (with its background brush) go with the panel.
    if (handle != nullptr && !destroyed && IsWindow(handle)) {
        DestroyWindow(handle);
    }
    if (!className.empty()) {
        UnregisterClassW(className.c_str(), windowClass.hInstance);
    }
    if (controlBrush != nullptr) {
        DeleteObject(controlBrush);
    }
}

void PanelChildren::Create() {
    if (created) {
        return;
    }
    const int classNumber = CurrentElementId();
    id = NextElementId();
    className = L"PanelChildren" + Int64ToWideText(classNumber);
    HINSTANCE parentInstance = parent != nullptr ? parent->instance : nullptr;

    windowClass = WNDCLASSW();
    windowClass.style = CS_DBLCLKS;
    windowClass.hInstance = parentInstance;
    windowClass.hbrBackground =
        backColor == NoColor ? GetSysColorBrush(COLOR_BTNFACE) : CreateSolidBrush(backColor);
    windowClass.lpfnWndProc = &WindowProcedure;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = className.c_str();
    if (RegisterClassW(&windowClass) == 0 && backColor != NoColor) {
        DeleteObject(windowClass.hbrBackground);
    }

    DWORD style = floating ? DS_MODALFRAME : WS_CHILD | WS_VISIBLE;
    if (tabStop) {
        style |= WS_TABSTOP;
    }
    if (!enabled) {
        style |= WS_DISABLED;
    }
    if (border) {
        style |= WS_BORDER;
    }
    if (horizontalScroll) {
        style |= WS_HSCROLL;
    }
    if (verticalScroll) {
        style |= WS_VSCROLL;
    }
    DWORD extendedStyle = floating ? WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW : 0;
    if (border && !flat) {
        extendedStyle |= WS_EX_CLIENTEDGE;
    }
    HWND owner = !floating && parent != nullptr ? parent->handle : nullptr;
    HMENU controlId = floating ? nullptr : reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
    handle = CreateWindowExW(extendedStyle, className.c_str(), text.c_str(), style, x, y, width,
                             height, owner, controlId, nullptr, nullptr);
    if (!floating && handle != nullptr) {
        ShowWindow(handle, SW_SHOW);
        UpdateWindow(handle);
    }
    created = true;
    if (onCreate != nullptr) {
        onCreate(this, handle);
    }
    SetScrollRange(scrollMin, scrollMax);
    ApplyFont();
}

LRESULT PanelChildren::OnControlColor(HDC dc) {
    if (controlBrush != nullptr) {
        DeleteObject(controlBrush);
        controlBrush = nullptr;
    }
    if (font != nullptr) {
        SelectObject(dc, font->GetHandle());
    }
    HBRUSH brush;
    if (controlBackColor != NoColor) {
        SetBkColor(dc, controlBackColor);
        brush = controlBrush = CreateSolidBrush(controlBackColor);
    } else if (backColor != NoColor) {
        SetBkColor(dc, backColor);
        brush = controlBrush = CreateSolidBrush(backColor);
    } else {
        brush = GetSysColorBrush(COLOR_BTNFACE);
    }
    if (controlTextColor != NoColor) {
        SetTextColor(dc, controlTextColor);
    }
    return reinterpret_cast<LRESULT>(brush);
}

void PanelChildren::SetScrollRange(int minimum, int maximum) {
    scrollMin = minimum;
    scrollMax = maximum;
    if (!created || handle == nullptr) {
        return;
    }
    SCROLLINFO range = SCROLLINFO();
    range.cbSize = sizeof(range);
    range.fMask = SIF_RANGE | SIF_PAGE;
    range.nMin = minimum;
    range.nMax = maximum;
    range.nPage = static_cast<UINT>((maximum - minimum) / 10);
    if (verticalScroll) {
        SetScrollInfo(handle, SB_VERT, &range, TRUE);
    }
    if (horizontalScroll) {
        SetScrollInfo(handle, SB_HORZ, &range, TRUE);
    }
}

CellControl::CellControl(GUIElement* parentElement)
    : PanelChildren(parentElement), image(nullptr), imageAlign(1), imageWidth(0), imageHeight(0),
      marker(false), bold(false), underline(false), italic(false), faceName("Tahoma"), fontSize(14),
      textAlign(AlignCenter), textColor(0) {
    tabStop = false;
}

void CellControl::SetText(const std::wstring& value) {
    PanelChildren::SetText(value);
    if (created && handle != nullptr) {
        InvalidateRect(handle, nullptr, TRUE);
    }
}

void CellControl::SetText(const std::string& value) {
    SetText(TextToWide(value));
}

void CellControl::OnPaint() {
    RECT client;
    if (created && handle != nullptr && GetClientRect(handle, &client)) {
        const int w = client.right - client.left;
        const int h = client.bottom - client.top;
        Font cellFont(faceName, fontSize);
        cellFont.bold = bold;
        cellFont.italic = italic;
        cellFont.underline = underline;
        Drawing drawing(this);
        drawing.BeginPaint();
        if (backPainted) {
            drawing.FillRect(0, 0, w, h, backColor);
        }
        Font* textFont = font != nullptr ? font : &cellFont;
        const int lineHeight = drawing.GetTextHeight(textFont);
        if (!text.empty()) {
            const int top = (client.bottom - lineHeight - client.top) / 2;
            drawing.DrawText(0, top, client.bottom - top, text, textColor, textFont, textAlign, w);
        }
        if (marker) {
            drawing.DrawText(client.right - lineHeight, client.bottom - lineHeight, lineHeight,
                             std::wstring(L"*"), textColor, textFont, AlignCenter, lineHeight);
        }
        if (image != nullptr) {
            const int top = (client.bottom - imageHeight - client.top) / 2;
            int left = 3;
            if (imageAlign == 1) {
                left = client.right - imageWidth - 3;
            } else if (imageAlign == 2) {
                left = (client.right - imageWidth - client.left) / 2;
            }
            drawing.DrawBitmap(left, top, imageWidth, imageHeight, image);
        }
        drawing.EndPaint();
    }
    if (onPaint != nullptr) {
        onPaint(this);
    }
}

} // namespace Tavrik
