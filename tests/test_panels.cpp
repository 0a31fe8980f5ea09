// Panels and cells on real windows: styles, scroll range, control colours,
// and the text, marker and picture a cell paints.
#include "support/GdiHeadroom.h"
#include "support/TestWindows.h"
#include "toolkit/Drawing.h"
#include "toolkit/Form.h"
#include "toolkit/Panel.h"

#include <gtest/gtest.h>

#include <memory>

using namespace Tavrik;

namespace {

constexpr COLORREF Green = RGB(0, 128, 0);
constexpr COLORREF Red = RGB(255, 0, 0);

COLORREF BrushColour(LRESULT brush) {
    LOGBRUSH description = {};
    GetObjectW(reinterpret_cast<HBRUSH>(brush), sizeof(description), &description);
    return description.lbColor;
}

class PanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<Form>(GetModuleHandleW(nullptr));
        form->width = 400;
        form->height = 300;
        form->x = 0;
        form->y = 0;
        form->Create();
    }
    void TearDown() override {
        form.reset();
        PumpMessages();
        MSG quit;
        PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    }
    // A 50 by 30 green cell at (10, 10).
    std::unique_ptr<CellControl> MakeCell(const char* text) {
        auto cell = std::make_unique<CellControl>(form.get());
        cell->x = 10;
        cell->y = 10;
        cell->width = 50;
        cell->height = 30;
        cell->backColor = Green;
        cell->SetText(std::string(text));
        return cell;
    }
    static void Paint(HWND window) {
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
    std::unique_ptr<Form> form;
};

TEST_F(PanelTest, NewPanelsAndCellsHaveTheirDefaults) {
    PanelChildren panel(form.get());
    EXPECT_EQ(panel.type, "panel");
    EXPECT_TRUE(panel.tabStop);
    EXPECT_FALSE(panel.border || panel.flat || panel.floating);
    EXPECT_EQ(panel.scrollMin, 0);
    EXPECT_EQ(panel.scrollMax, 100);
    EXPECT_EQ(panel.controlTextColor, NoColor);
    EXPECT_EQ(panel.controlBackColor, NoColor);
    EXPECT_EQ(panel.parent, form.get());
    CellControl cell(form.get());
    EXPECT_FALSE(cell.tabStop);
    EXPECT_EQ(cell.faceName, "Tahoma");
    EXPECT_EQ(cell.fontSize, 14);
    EXPECT_EQ(cell.textAlign, AlignCenter);
    EXPECT_EQ(cell.imageAlign, 1);
    EXPECT_EQ(cell.textColor, RGB(0, 0, 0));
    EXPECT_FALSE(cell.marker);
}

TEST_F(PanelTest, StylesFollowTheSettings) {
    struct Case {
        const char* name;
        bool border;
        bool flat;
        bool tabStop;
        bool enabled;
        bool verticalScroll;
        bool horizontalScroll;
        DWORD style;
        DWORD extendedStyle;
    };
    const Case cases[] = {
        {"plain", false, false, true, true, false, false, 0x50010000, 0},
        {"no tab stop", false, false, false, true, false, false, 0x50000000, 0},
        {"border", true, false, true, true, false, false, 0x50810000, WS_EX_CLIENTEDGE},
        {"flat border", true, true, true, true, false, false, 0x50810000, 0},
        {"disabled", false, false, true, false, false, false, 0x58010000, 0},
        {"scroll bars", false, false, true, true, true, true, 0x50310000, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PanelChildren panel(form.get());
        panel.border = c.border;
        panel.flat = c.flat;
        panel.tabStop = c.tabStop;
        panel.enabled = c.enabled;
        panel.verticalScroll = c.verticalScroll;
        panel.horizontalScroll = c.horizontalScroll;
        panel.Create();
        ASSERT_NE(panel.handle, nullptr);
        EXPECT_EQ(StyleOf(panel.handle) & ~static_cast<DWORD>(WS_CLIPSIBLINGS), c.style);
        EXPECT_EQ(ExtendedStyleOf(panel.handle), c.extendedStyle);
        EXPECT_EQ(GetParent(panel.handle), form->handle);
    }
    CellControl cell(form.get());
    cell.Create();
    EXPECT_EQ(StyleOf(cell.handle) & WS_TABSTOP, 0u);
}

int panelCreates = 0;
void CountPanelCreate(GUIElement* element, HWND window) {
    ++panelCreates;
    EXPECT_EQ(element->handle, window);
}

TEST_F(PanelTest, CreationNotifiesAndSendsTheFont) {
    Font font("Arial", 14);
    PanelChildren panel(form.get());
    panel.font = &font;
    panel.onCreate = CountPanelCreate;
    panelCreates = 0;
    panel.Create();
    panel.Create();
    EXPECT_EQ(panelCreates, 1);
    // The font was made to be sent to the window.
    EXPECT_NE(font.fontHandle, nullptr);
}

TEST_F(PanelTest, ScrollRangeGivesAPageOfATenth) {
    PanelChildren panel(form.get());
    panel.verticalScroll = true;
    panel.SetScrollRange(0, 50);
    EXPECT_EQ(panel.scrollMax, 50);
    panel.Create();
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE;
    GetScrollInfo(panel.handle, SB_VERT, &info);
    EXPECT_EQ(info.nMin, 0);
    EXPECT_EQ(info.nMax, 50);
    EXPECT_EQ(info.nPage, 5u);
    panel.SetScrollRange(0, 100);
    GetScrollInfo(panel.handle, SB_VERT, &info);
    EXPECT_EQ(info.nMax, 100);
    EXPECT_EQ(info.nPage, 10u);
}

TEST_F(PanelTest, ControlColourOfAGreenPanelIsAGreenBrush) {
    PanelChildren panel(form.get());
    panel.backColor = Green;
    panel.Create();
    HDC dc = GetDC(panel.handle);
    const LRESULT brush = panel.OnControlColor(dc);
    EXPECT_EQ(BrushColour(brush), Green);
    EXPECT_EQ(GetBkColor(dc), Green);
    EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), panel.controlBrush);

    panel.controlBackColor = RGB(220, 220, 220);
    panel.controlTextColor = RGB(255, 255, 255);
    const LRESULT second = panel.OnControlColor(dc);
    EXPECT_EQ(BrushColour(second), RGB(220, 220, 220));
    EXPECT_EQ(GetBkColor(dc), RGB(220, 220, 220));
    EXPECT_EQ(GetTextColor(dc), RGB(255, 255, 255));
    ReleaseDC(panel.handle, dc);

    PanelChildren plain(form.get());
    EXPECT_EQ(plain.OnControlColor(dc), reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE)));
    EXPECT_EQ(plain.controlBrush, nullptr);
}

TEST_F(PanelTest, ControlsOnAPanelArePaintedInItsColour) {
    PanelChildren panel(form.get());
    panel.x = 0;
    panel.y = 0;
    panel.width = 200;
    panel.height = 100;
    panel.backColor = Green;
    panel.Create();
    HWND label = CreateWindowExW(0, L"static", L"", WS_CHILD | WS_VISIBLE, 10, 10, 50, 20,
                                 panel.handle, nullptr, nullptr, nullptr);
    Paint(label);
    EXPECT_EQ(ClientPixel(label, 25, 10), Green);
    DestroyWindow(label);
}

TEST_F(PanelTest, RepeatedControlColoursLoseNoGdiHeadroom) {
    PanelChildren panel(form.get());
    panel.backColor = Green;
    panel.Create();
    HDC dc = GetDC(panel.handle);
    panel.OnControlColor(dc);
    const int before = GdiHeadroom();
    for (int round = 0; round < 3000; ++round) {
        panel.controlBackColor = round % 2 == 0 ? NoColor : Red;
        panel.OnControlColor(dc);
    }
    ReleaseDC(panel.handle, dc);
    EXPECT_GE(GdiHeadroom(), before - 2);
}

TEST_F(PanelTest, CellTextIsCentredVerticallyOnItsLine) {
    auto cell = MakeCell("Ag");
    cell->faceName = "Arial";
    cell->fontSize = 16;
    cell->Create();
    Paint(cell->handle);
    RECT ink = InkBounds(cell->handle, Green);
    ASSERT_GT(ink.bottom, ink.top);

    // The same text drawn at y 0 in the same font shows where the line starts.
    Font font("Arial", 16);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 50, 30);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(memory, bitmap);
    HBRUSH green = CreateSolidBrush(Green);
    RECT all = {0, 0, 50, 30};
    FillRect(memory, &all, green);
    DeleteObject(green);
    int referenceTop = -1;
    {
        Drawing drawing(nullptr);
        drawing.Borrow(memory);
        ASSERT_EQ(drawing.GetTextHeight(&font), 16);
        drawing.DrawText(0, 0, 30, std::string("Ag"), RGB(0, 0, 0), &font, AlignCenter, 50);
    }
    for (int y = 0; y < 30 && referenceTop < 0; ++y) {
        for (int x = 0; x < 50; ++x) {
            if (GetPixel(memory, x, y) != Green) {
                referenceTop = y;
                break;
            }
        }
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    EXPECT_EQ(ink.top, referenceTop + 7);
}

TEST_F(PanelTest, CellTextFollowsTheAlignment) {
    auto right = MakeCell("12");
    right->textAlign = AlignRight;
    right->Create();
    Paint(right->handle);
    RECT ink = InkBounds(right->handle, Green);
    EXPECT_GE(ink.right, 47);
    EXPECT_GT(ink.left, 25);

    auto left = MakeCell("12");
    left->y = 60;
    left->textAlign = AlignLeft;
    left->Create();
    Paint(left->handle);
    ink = InkBounds(left->handle, Green);
    EXPECT_LE(ink.left, 3);
    EXPECT_LT(ink.right, 25);
}

TEST_F(PanelTest, CellUsesTheElementFontWhenItHasOne) {
    Font big("Arial", 28);
    auto cell = MakeCell("W");
    cell->height = 40;
    cell->font = &big;
    cell->Create();
    Paint(cell->handle);
    RECT withElementFont = InkBounds(cell->handle, Green);
    cell->font = nullptr;
    Paint(cell->handle);
    RECT withCellFont = InkBounds(cell->handle, Green);
    EXPECT_GT(withElementFont.bottom - withElementFont.top,
              withCellFont.bottom - withCellFont.top + 5);
}

TEST_F(PanelTest, SettingACellsTextRepaintsItAtOnce) {
    auto cell = MakeCell("");
    cell->Create();
    Paint(cell->handle);
    EXPECT_EQ(InkBounds(cell->handle, Green).right, 0);
    cell->SetText(std::string("PASSO"));
    EXPECT_TRUE(GetUpdateRect(cell->handle, nullptr, FALSE));
    UpdateWindow(cell->handle);
    EXPECT_GT(InkBounds(cell->handle, Green).right, 0);
    cell->SetText(std::wstring(L""));
    UpdateWindow(cell->handle);
    EXPECT_EQ(InkBounds(cell->handle, Green).right, 0);
}

TEST_F(PanelTest, MarkerSitsInTheBottomRightCorner) {
    auto cell = MakeCell("");
    cell->marker = true;
    cell->textColor = Red;
    cell->Create();
    Paint(cell->handle);
    RECT ink = InkBounds(cell->handle, Green);
    ASSERT_GT(ink.right, 0);
    EXPECT_GE(ink.left, 50 - 20);
    EXPECT_GE(ink.top, 30 - 20);
}

HBITMAP MakeRedPicture() {
    HDC screen = GetDC(nullptr);
    HBITMAP picture = CreateCompatibleBitmap(screen, 8, 8);
    HDC memory = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(memory, picture);
    HBRUSH red = CreateSolidBrush(Red);
    RECT all = {0, 0, 8, 8};
    FillRect(memory, &all, red);
    DeleteObject(red);
    SelectObject(memory, old);
    DeleteDC(memory);
    return picture;
}

TEST_F(PanelTest, CellPictureFollowsItsAlignment) {
    HBITMAP picture = MakeRedPicture();
    struct Case {
        int align;
        int left;
    };
    const Case cases[] = {{1, 50 - 8 - 3}, {2, (50 - 8) / 2}, {0, 3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.align);
        auto cell = MakeCell("");
        cell->image = picture;
        cell->imageAlign = c.align;
        cell->imageWidth = 8;
        cell->imageHeight = 8;
        cell->Create();
        Paint(cell->handle);
        RECT ink = InkBounds(cell->handle, Green);
        EXPECT_EQ(ink.left, c.left);
        EXPECT_EQ(ink.right, c.left + 8);
        EXPECT_EQ(ink.top, (30 - 8) / 2);
        EXPECT_EQ(ink.bottom, (30 - 8) / 2 + 8);
    }
    DeleteObject(picture);
}

TEST_F(PanelTest, BackColourPaintsAtOnceAndSurvivesRepaints) {
    PanelChildren panel(form.get());
    panel.x = 0;
    panel.y = 0;
    panel.backColor = Green;
    panel.Create();
    Paint(panel.handle);
    EXPECT_EQ(ClientPixel(panel.handle, 50, 25), Green);
    panel.SetBackColor(Red);
    EXPECT_TRUE(panel.backPainted);
    EXPECT_EQ(ClientPixel(panel.handle, 50, 25), Red);
    // The class brush is still green; the repaint puts the colour back.
    Paint(panel.handle);
    EXPECT_EQ(ClientPixel(panel.handle, 50, 25), Red);
    EXPECT_EQ(ClientPixel(panel.handle, 99, 49), Red);
}

int cellPaints = 0;
void CountCellPaint(GUIElement*) {
    ++cellPaints;
}

TEST_F(PanelTest, BackgroundPaintedByTheCellAndThePaintCallback) {
    auto cell = MakeCell("");
    cell->backColor = NoColor;
    cell->onPaint = CountCellPaint;
    cell->Create();
    cell->SetBackColor(Red);
    cellPaints = 0;
    Paint(cell->handle);
    EXPECT_EQ(cellPaints, 1);
    EXPECT_TRUE(cell->backPainted);
    EXPECT_EQ(ClientPixel(cell->handle, 49, 29), Red);
    EXPECT_EQ(ClientPixel(cell->handle, 0, 0), Red);
    cell->OnPaint();
    EXPECT_EQ(cellPaints, 2);
}

TEST_F(PanelTest, PaintingCellsLosesNoGdiHeadroom) {
    HBITMAP picture = MakeRedPicture();
    auto cell = MakeCell("50.000");
    cell->marker = true;
    cell->image = picture;
    cell->imageAlign = 3;
    cell->Create();
    cell->SetBackColor(Green);
    Paint(cell->handle);
    const int before = GdiHeadroom();
    for (int round = 0; round < 2000; ++round) {
        Paint(cell->handle);
    }
    EXPECT_GE(GdiHeadroom(), before - 2);
    DeleteObject(picture);
}

TEST_F(PanelTest, CreatingAndDeletingPanelsLosesNoGdiHeadroom) {
    const int before = GdiHeadroom();
    for (int round = 0; round < 50; ++round) {
        CellControl cell(form.get());
        cell.backColor = Green;
        cell.Create();
        HDC dc = GetDC(cell.handle);
        cell.OnControlColor(dc);
        ReleaseDC(cell.handle, dc);
    }
    EXPECT_GE(GdiHeadroom(), before - 2);
}

TEST_F(PanelTest, APanelWhoseWindowFailsStaysUsable) {
    PanelChildren orphan(nullptr);
    orphan.backColor = Green;
    orphan.Create();
    EXPECT_TRUE(orphan.created);
    EXPECT_EQ(orphan.handle, nullptr);
    orphan.SetScrollRange(0, 20);
    orphan.SetText(std::string("x"));
    orphan.OnPaint();
    EXPECT_EQ(orphan.scrollMax, 20);
    CellControl cell(nullptr);
    cell.Create();
    cell.SetText(std::string("y"));
    cell.OnPaint();
    EXPECT_EQ(cell.GetText(), L"y");
}

} // namespace
