// Fonts and the drawing object over real device contexts: rectangles,
// aligned text, the text limit, text height and transparent bitmaps.
#include "support/GdiHeadroom.h"
#include "support/TestWindows.h"
#include "toolkit/Drawing.h"
#include "toolkit/Form.h"
#include "toolkit/Panel.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

using namespace Tavrik;

namespace {

constexpr COLORREF Green = RGB(0, 128, 0);
constexpr COLORREF Red = RGB(255, 0, 0);

// A memory context over a 32-bit bitmap, filled with one colour.
class Canvas {
public:
    Canvas(int w, int h, COLORREF fill) : width(w), height(h) {
        HDC screen = GetDC(nullptr);
        dc = CreateCompatibleDC(screen);
        bitmap = CreateCompatibleBitmap(screen, w, h);
        ReleaseDC(nullptr, screen);
        previous = SelectObject(dc, bitmap);
        HBRUSH brush = CreateSolidBrush(fill);
        RECT all = {0, 0, w, h};
        ::FillRect(dc, &all, brush);
        DeleteObject(brush);
    }
    ~Canvas() {
        SelectObject(dc, previous);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    COLORREF At(int x, int y) const { return GetPixel(dc, x, y); }
    // Bounds of the pixels that differ from `background`; empty when none.
    RECT Ink(COLORREF background) const {
        RECT bounds = {width, height, 0, 0};
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                if (At(x, y) != background) {
                    bounds.left = std::min<LONG>(bounds.left, x);
                    bounds.top = std::min<LONG>(bounds.top, y);
                    bounds.right = std::max<LONG>(bounds.right, x + 1);
                    bounds.bottom = std::max<LONG>(bounds.bottom, y + 1);
                }
            }
        }
        return bounds.right == 0 ? RECT{0, 0, 0, 0} : bounds;
    }
    bool SamePixels(const Canvas& other) const {
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                if (At(x, y) != other.At(x, y)) {
                    return false;
                }
            }
        }
        return true;
    }
    int width;
    int height;
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ previous;
};

// A 4 by 4 picture: black with a red 2 by 2 square in the middle.
HBITMAP MakePicture() {
    Canvas source(4, 4, RGB(0, 0, 0));
    SetPixel(source.dc, 1, 1, Red);
    SetPixel(source.dc, 2, 1, Red);
    SetPixel(source.dc, 1, 2, Red);
    SetPixel(source.dc, 2, 2, Red);
    HDC screen = GetDC(nullptr);
    HBITMAP picture = CreateCompatibleBitmap(screen, 4, 4);
    ReleaseDC(nullptr, screen);
    HDC copy = CreateCompatibleDC(source.dc);
    HGDIOBJ old = SelectObject(copy, picture);
    BitBlt(copy, 0, 0, 4, 4, source.dc, 0, 0, SRCCOPY);
    SelectObject(copy, old);
    DeleteDC(copy);
    return picture;
}

TEST(Fonts, DefaultsAndTheHandleMadeOnce) {
    Font system;
    EXPECT_EQ(system.faceName, L"System");
    EXPECT_EQ(system.height, 0);
    EXPECT_EQ(system.fontHandle, nullptr);
    Font arial("Arial", 22);
    EXPECT_EQ(arial.faceName, L"Arial");
    EXPECT_EQ(arial.height, 22);
    EXPECT_FALSE(arial.bold || arial.italic || arial.underline || arial.fixedPitch);
    arial.bold = true;
    HFONT first = arial.GetHandle();
    ASSERT_NE(first, nullptr);
    arial.height = 40;
    EXPECT_EQ(arial.GetHandle(), first);
    LOGFONTW description = {};
    GetObjectW(first, sizeof(description), &description);
    EXPECT_EQ(description.lfHeight, 22);
    EXPECT_EQ(description.lfWeight, FW_BOLD);
    EXPECT_STREQ(description.lfFaceName, L"Arial");
}

TEST(Drawing, PrimitivesDoNothingWithoutAContext) {
    Drawing drawing(nullptr);
    Font font("Arial", 14);
    drawing.FillRect(0, 0, 5, 5, Red);
    drawing.FrameRect(0, 0, 5, 5, Red);
    drawing.DrawText(0, 0, 10, std::string("x"), Red, &font, AlignLeft, 10);
    drawing.DrawBitmap(0, 0, 0, 0, nullptr);
    drawing.EndPaint();
    EXPECT_EQ(drawing.GetTextHeight(&font), -1);
    EXPECT_EQ(drawing.dc, nullptr);
}

TEST(Drawing, TextHeightNeedsAFont) {
    Canvas canvas(10, 10, Green);
    Drawing drawing(nullptr);
    drawing.Borrow(canvas.dc);
    EXPECT_EQ(drawing.GetTextHeight(nullptr), -1);
    Font font("Arial", 16);
    EXPECT_EQ(drawing.GetTextHeight(&font), 16);
}

TEST(Drawing, FillAndFrameCoverExactlyTheRectangle) {
    Canvas canvas(20, 20, Green);
    {
        Drawing drawing(nullptr);
        drawing.Borrow(canvas.dc);
        drawing.FillRect(2, 3, 5, 4, Red);
        drawing.FrameRect(10, 10, 6, 5, RGB(0, 0, 255));
    }
    RECT filled = canvas.Ink(Green);
    EXPECT_EQ(canvas.At(2, 3), Red);
    EXPECT_EQ(canvas.At(6, 6), Red);
    EXPECT_EQ(canvas.At(7, 6), Green);
    EXPECT_EQ(canvas.At(6, 7), Green);
    EXPECT_EQ(canvas.At(1, 3), Green);
    EXPECT_EQ(canvas.At(10, 10), RGB(0, 0, 255));
    EXPECT_EQ(canvas.At(15, 14), RGB(0, 0, 255));
    EXPECT_EQ(canvas.At(12, 12), Green);
    EXPECT_EQ(canvas.At(16, 14), Green);
    EXPECT_EQ(filled.left, 2);
    EXPECT_EQ(filled.top, 3);
    // The borrowed context is still usable after the drawing ended.
    EXPECT_NE(GetPixel(canvas.dc, 0, 0), CLR_INVALID);
}

TEST(Drawing, TextOfWidthZeroIsWrittenAtThePointWhateverTheAlignment) {
    Font font("Arial", 16);
    Canvas left(200, 40, Green);
    Canvas right(200, 40, Green);
    Canvas centred(200, 40, Green);
    const int alignments[] = {AlignLeft, AlignRight, AlignCenter};
    Canvas* canvases[] = {&left, &right, &centred};
    for (int index = 0; index < 3; ++index) {
        Drawing drawing(nullptr);
        drawing.Borrow(canvases[index]->dc);
        drawing.DrawText(30, 5, 20, std::string("Carte"), RGB(255, 255, 255), &font,
                         alignments[index], 0);
    }
    RECT ink = left.Ink(Green);
    EXPECT_GE(ink.left, 30);
    EXPECT_LE(ink.left, 33);
    EXPECT_TRUE(left.SamePixels(right));
    EXPECT_TRUE(left.SamePixels(centred));
}

TEST(Drawing, AlignmentPlacesTheTextInTheBox) {
    Font font("Arial", 16);
    struct Case {
        int alignment;
        int expectedEdge;
    };
    const Case cases[] = {{AlignLeft, 10}, {AlignRight, 190}, {AlignCenter, 100}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.alignment);
        Canvas canvas(200, 30, Green);
        Drawing drawing(nullptr);
        drawing.Borrow(canvas.dc);
        drawing.DrawText(10, 5, 20, std::wstring(L"Vedo"), RGB(0, 0, 0), &font, c.alignment, 180);
        RECT ink = canvas.Ink(Green);
        ASSERT_GT(ink.right, ink.left);
        if (c.alignment == AlignLeft) {
            EXPECT_LE(ink.left - c.expectedEdge, 3);
        } else if (c.alignment == AlignRight) {
            EXPECT_LE(c.expectedEdge - ink.right, 3);
        } else {
            EXPECT_LE(std::abs((ink.left + ink.right) / 2 - c.expectedEdge), 3);
        }
        EXPECT_GE(ink.top, 5);
    }
}

TEST(Drawing, AtMost1023CharactersAreDrawn) {
    Font font("Arial", 10);
    auto inkOf = [&](size_t spaces) {
        std::wstring text(spaces, L' ');
        text.append(2000 - spaces, L'X');
        Canvas canvas(6000, 14, Green);
        Drawing drawing(nullptr);
        drawing.Borrow(canvas.dc);
        drawing.DrawText(0, 0, 0, text, RGB(0, 0, 0), &font, AlignLeft, 0);
        return canvas.Ink(Green);
    };
    const RECT shown = inkOf(1022);
    EXPECT_GT(shown.right, shown.left);
    EXPECT_LE(shown.right - shown.left, 12);
    const RECT hidden = inkOf(1023);
    EXPECT_EQ(hidden.right, 0);
}

TEST(Drawing, BlackPixelsOfABitmapAreTransparent) {
    HBITMAP picture = MakePicture();
    {
        Canvas canvas(40, 40, Green);
        Drawing drawing(nullptr);
        drawing.Borrow(canvas.dc);
        drawing.DrawBitmap(10, 10, 0, 0, picture);
        EXPECT_EQ(canvas.At(10, 10), Green);
        EXPECT_EQ(canvas.At(13, 13), Green);
        EXPECT_EQ(canvas.At(11, 11), Red);
        EXPECT_EQ(canvas.At(12, 12), Red);
        EXPECT_EQ(canvas.Ink(Green).right - canvas.Ink(Green).left, 2);
    }
    {
        Canvas canvas(40, 40, Green);
        Drawing drawing(nullptr);
        drawing.Borrow(canvas.dc);
        drawing.DrawBitmap(10, 10, 8, 8, picture);
        EXPECT_EQ(canvas.At(10, 10), Green);
        EXPECT_EQ(canvas.At(11, 11), Green);
        EXPECT_EQ(canvas.At(12, 12), Red);
        EXPECT_EQ(canvas.At(15, 15), Red);
        EXPECT_EQ(canvas.At(16, 16), Green);
        RECT ink = canvas.Ink(Green);
        EXPECT_EQ(ink.left, 12);
        EXPECT_EQ(ink.right, 16);
    }
    DeleteObject(picture);
}

TEST(Drawing, PaintingAWindowValidatesIt) {
    Form form(GetModuleHandleW(nullptr));
    form.width = 300;
    form.height = 200;
    form.Create();
    PanelChildren panel(&form);
    panel.x = 0;
    panel.y = 0;
    panel.Create();
    UpdateWindow(panel.handle);
    InvalidateRect(panel.handle, nullptr, FALSE);
    ASSERT_TRUE(GetUpdateRect(panel.handle, nullptr, FALSE));
    {
        Drawing drawing(&panel);
        drawing.BeginPaint();
        EXPECT_NE(drawing.dc, nullptr);
        EXPECT_FALSE(drawing.borrowed);
    }
    EXPECT_FALSE(GetUpdateRect(panel.handle, nullptr, FALSE));
}

TEST(Drawing, RepeatedDrawingLosesNoGdiHeadroom) {
    HBITMAP picture = MakePicture();
    Font font("Arial", 14);
    Canvas canvas(100, 40, Green);
    const int before = GdiHeadroom();
    for (int round = 0; round < 2000; ++round) {
        Drawing drawing(nullptr);
        drawing.Borrow(canvas.dc);
        drawing.FillRect(0, 0, 50, 20, Red);
        drawing.FrameRect(0, 0, 50, 20, Green);
        drawing.DrawText(0, 0, 20, std::string("12.500"), Red, &font, AlignRight, 100);
        drawing.GetTextHeight(&font);
        drawing.DrawBitmap(60, 0, 8, 8, picture);
        drawing.DrawBitmap(70, 0, 0, 0, picture);
    }
    EXPECT_GE(GdiHeadroom(), before - 2);
    DeleteObject(picture);
}

TEST(Bitmaps, LoadingAFile) {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    std::string path;
    for (const wchar_t* c = folder; *c != 0; ++c) {
        path += static_cast<char>(*c);
    }
    path += "carvella_drawing_test.bmp";

    // A 3 by 2 bitmap of 24 bits, rows padded to 12 bytes.
    const int rowBytes = 12;
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof(info);
    info.biWidth = 3;
    info.biHeight = 2;
    info.biPlanes = 1;
    info.biBitCount = 24;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + rowBytes * 2;
    unsigned char pixels[rowBytes * 2] = {};
    FILE* out = std::fopen(path.c_str(), "wb");
    ASSERT_NE(out, nullptr);
    std::fwrite(&file, sizeof(file), 1, out);
    std::fwrite(&info, sizeof(info), 1, out);
    std::fwrite(pixels, sizeof(pixels), 1, out);
    std::fclose(out);

    HBITMAP loaded = LoadBitmapFromFile(path);
    ASSERT_NE(loaded, nullptr);
    BITMAP size = {};
    GetObjectW(loaded, sizeof(size), &size);
    EXPECT_EQ(size.bmWidth, 3);
    EXPECT_EQ(size.bmHeight, 2);
    DeleteObject(loaded);
    std::remove(path.c_str());
    EXPECT_EQ(LoadBitmapFromFile(path), nullptr);
}

} // namespace
