#include "toolkit/Drawing.h"

#include "toolkit/GUIElement.h"
#include "toolkit/TextServices.h"

namespace Tavrik {

Font::Font()
    : fontHandle(nullptr), faceName(L"System"), height(0), bold(false), italic(false),
      underline(false), fixedPitch(false) {}

Font::Font(const std::string& face, int fontHeight)
    : fontHandle(nullptr), faceName(TextToWide(face)), height(fontHeight), bold(false),
      italic(false), underline(false), fixedPitch(false) {}

Font::~Font() {
    if (fontHandle != nullptr) {
        DeleteObject(fontHandle);
    }
}

HFONT Font::GetHandle() {
    if (fontHandle == nullptr) {
        fontHandle = CreateFontW(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, italic, underline,
                                 FALSE, DEFAULT_CHARSET, OUT_OUTLINE_PRECIS, CLIP_DEFAULT_PRECIS,
                                 CLEARTYPE_QUALITY, fixedPitch ? FIXED_PITCH : 0, faceName.c_str());
    }
    return fontHandle;
}

Drawing::Drawing(GUIElement* paintedElement)
    : element(paintedElement), dc(nullptr), borrowed(false), paint() {}

Drawing::~Drawing() {
    EndPaint();
}

void Drawing::OnGdiFailure() {}

void Drawing::BeginPaint() {
    if (dc == nullptr && element != nullptr && element->handle != nullptr) {
        dc = ::BeginPaint(element->handle, &paint);
        borrowed = false;
    }
}

void Drawing::Borrow(HDC context) {
    EndPaint();
    dc = context;
    borrowed = true;
}

void Drawing::EndPaint() {
    if (dc == nullptr) {
        return;
    }
    if (!borrowed && !::EndPaint(element->handle, &paint)) {
        OnGdiFailure();
    }
    dc = nullptr;
    borrowed = false;
}

void Drawing::FillRect(int left, int top, int w, int h, COLORREF colour) {
    if (dc == nullptr) {
        return;
    }
    HPEN pen = CreatePen(PS_NULL, 0, 0);
    HBRUSH brush = CreateSolidBrush(colour);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    // A null pen draws nothing, and Rectangle then fills one pixel short.
    Rectangle(dc, left, top, left + w + 1, top + h + 1);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(brush);
    DeleteObject(pen);
}

void Drawing::FrameRect(int left, int top, int w, int h, COLORREF colour) {
    if (dc == nullptr) {
        return;
    }
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, left, top, left + w, top + h);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
}

void Drawing::DrawText(int left, int top, int h, const std::wstring& value, COLORREF colour,
                       Font* textFont, int alignment, int w) {
    if (dc == nullptr) {
        return;
    }
    SetBkMode(dc, TRANSPARENT);
    const std::wstring shown = value.substr(0, 1023);
    UINT format = alignment == AlignRight    ? DT_RIGHT
                  : alignment == AlignCenter ? DT_CENTER
                                             : DT_LEFT;
    RECT box = {left, top, left + w, top + h};
    HGDIOBJ oldFont = nullptr;
    if (textFont != nullptr) {
        oldFont = SelectObject(dc, textFont->GetHandle());
    }
    COLORREF oldColour = SetTextColor(dc, colour);
    if (w != 0 && h != 0) {
        DrawTextW(dc, shown.c_str(), static_cast<int>(shown.size()), &box, format);
    } else {
        TextOutW(dc, left, top, shown.c_str(), static_cast<int>(shown.size()));
    }
    SetTextColor(dc, oldColour);
    if (textFont != nullptr) {
        SelectObject(dc, oldFont);
    }
}

void Drawing::DrawText(int left, int top, int h, const std::string& value, COLORREF colour,
                       Font* textFont, int alignment, int w) {
    DrawText(left, top, h, TextToWide(value), colour, textFont, alignment, w);
}

int Drawing::GetTextHeight(Font* textFont) {
    if (dc == nullptr || textFont == nullptr) {
        return -1;
    }
    HGDIOBJ oldFont = SelectObject(dc, textFont->GetHandle());
    TEXTMETRICW metrics;
    BOOL measured = GetTextMetricsW(dc, &metrics);
    SelectObject(dc, oldFont);
    return measured ? metrics.tmHeight : -1;
}

void Drawing::DrawBitmap(int left, int top, int w, int h, HBITMAP bitmap) {
    if (dc == nullptr || bitmap == nullptr) {
        return;
    }
    BITMAP info;
    if (GetObjectW(bitmap, sizeof(info), &info) == 0) {
        OnGdiFailure();
        return;
    }
    HDC pictureDc = CreateCompatibleDC(dc);
    HDC maskDc = CreateCompatibleDC(dc);
    HBITMAP mask = CreateBitmap(info.bmWidth, info.bmHeight, 1, 1, nullptr);
    HGDIOBJ oldMask = SelectObject(maskDc, mask);
    HGDIOBJ oldPicture = SelectObject(pictureDc, bitmap);
    SetBkColor(pictureDc, RGB(0, 0, 0));
    // The mask is white where the picture is black: those pixels keep the target.
    BitBlt(maskDc, 0, 0, info.bmWidth, info.bmHeight, pictureDc, 0, 0, SRCCOPY);
    // The target's colours for the mask's black and white bits.
    COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
    COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
    BOOL drawn;
    if (w != 0 && h != 0) {
        drawn =
            StretchBlt(dc, left, top, w, h, maskDc, 0, 0, info.bmWidth, info.bmHeight, SRCAND) &&
            StretchBlt(dc, left, top, w, h, pictureDc, 0, 0, info.bmWidth, info.bmHeight, SRCPAINT);
    } else {
        drawn = BitBlt(dc, left, top, info.bmWidth, info.bmHeight, maskDc, 0, 0, SRCAND) &&
                BitBlt(dc, left, top, info.bmWidth, info.bmHeight, pictureDc, 0, 0, SRCPAINT);
    }
    SetBkColor(dc, oldBack);
    SetTextColor(dc, oldText);
    if (!drawn) {
        OnGdiFailure();
    }
    SelectObject(pictureDc, oldPicture);
    SelectObject(maskDc, oldMask);
    DeleteObject(mask);
    DeleteDC(maskDc);
    DeleteDC(pictureDc);
}

HBITMAP LoadBitmapFromFile(const std::string& path) {
    return static_cast<HBITMAP>(LoadImageW(nullptr, TextToWide(path).c_str(), IMAGE_BITMAP, 0, 0,
                                           LR_LOADFROMFILE | LR_CREATEDIBSECTION));
}

} // namespace Tavrik
