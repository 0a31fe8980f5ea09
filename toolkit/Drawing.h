// Fonts made on first use, and the drawing object of custom painting.
#pragma once

#include "toolkit/Win32.h"

#include <string>

namespace Tavrik {

class GUIElement;

class Font {
public:
    Font();
    Font(const std::string& face, int fontHeight);
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;
    ~Font();

    // Made once, on the first call; later field changes do not remake it.
    HFONT GetHandle();

    HFONT fontHandle;
    std::wstring faceName;
    int height;
    bool bold;
    bool italic;
    bool underline;
    bool fixedPitch;
};

// Text alignment values of Drawing::DrawText.
constexpr int AlignLeft = 0;
constexpr int AlignRight = 1;
constexpr int AlignCenter = 2;

// One paint of one element: a device context from BeginPaint or borrowed
// from the caller. Every primitive does nothing without a context.
class Drawing {
public:
    explicit Drawing(GUIElement* paintedElement);
    Drawing(const Drawing&) = delete;
    Drawing& operator=(const Drawing&) = delete;
    virtual ~Drawing();

    // Called after a failed GDI call; nothing shows of it.
    virtual void OnGdiFailure();

    void BeginPaint();
    // Uses a context owned by the caller; EndPaint only forgets it.
    void Borrow(HDC context);
    void EndPaint();
    void FillRect(int left, int top, int w, int h, COLORREF colour);
    void FrameRect(int left, int top, int w, int h, COLORREF colour);
    // Alignment AlignLeft, AlignRight or AlignCenter inside (x, y, x + width,
    // y + height); with width or height 0 the text is written at (x, y).
    // At most 1023 characters are drawn.
    void DrawText(int left, int top, int h, const std::wstring& value, COLORREF colour,
                  Font* textFont, int alignment, int w);
    void DrawText(int left, int top, int h, const std::string& value, COLORREF colour,
                  Font* textFont, int alignment, int w);
    // -1 without a context or a font.
    int GetTextHeight(Font* textFont);
    // Pure black pixels of the picture stay transparent; w and h both non-zero
    // stretch it, otherwise it is drawn at its own size.
    void DrawBitmap(int left, int top, int w, int h, HBITMAP bitmap);

    GUIElement* element;
    HDC dc;
    bool borrowed;
    PAINTSTRUCT paint;
};

// A bitmap file as a DIB section, or null.
HBITMAP LoadBitmapFromFile(const std::string& path);

} // namespace Tavrik
