// The game window as built: frame, menu bar, every control of the table,
// colours of the child controls and the form's own event connections.
#include "test_form_main_fixture.h"

#include "toolkit/Menu.h"

using namespace GameTest;
using MyGame::FormMain;
using Tavrik::GUIElement;

namespace {

class FormMainWindow : public TableTest {};

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

std::wstring MenuText(HMENU menu, int position) {
    wchar_t buffer[64] = {};
    GetMenuStringW(menu, position, buffer, 64, MF_BYPOSITION);
    return buffer;
}

} // namespace

TEST_F(FormMainWindow, FrameTitleSizeAndBackground) {
    EXPECT_EQ(WindowText(form->handle), L"Carvella prova");
    RECT client{};
    GetClientRect(form->handle, &client);
    EXPECT_EQ(client.right - client.left, 640);
    EXPECT_EQ(client.bottom - client.top, 480);
    LONG style = GetWindowLongW(form->handle, GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    auto brush = reinterpret_cast<HBRUSH>(GetClassLongPtrW(form->handle, GCLP_HBRBACKGROUND));
    LOGBRUSH fill{};
    ASSERT_EQ(GetObjectW(brush, sizeof fill, &fill), static_cast<int>(sizeof fill));
    EXPECT_EQ(fill.lbColor, 0x008000u);
    EXPECT_NE(SendMessageW(form->handle, WM_GETICON, ICON_SMALL, 0), 0);
    EXPECT_EQ(form->font->faceName, L"Lucida Console");
    EXPECT_EQ(form->font->height, 14);
    EXPECT_FALSE(form->font->bold);
    EXPECT_EQ(form->fontLarge->faceName, L"Arial");
    EXPECT_EQ(form->fontLarge->height, 22);
    EXPECT_TRUE(form->fontLarge->bold);
    EXPECT_EQ(form->fontMedium->faceName, L"Arial");
    EXPECT_EQ(form->fontMedium->height, 14);
    EXPECT_FALSE(form->fontMedium->bold);
}

TEST_F(FormMainWindow, MenuBarEntriesAndCommandIds) {
    HMENU bar = GetMenu(form->handle);
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(GetMenuItemCount(bar), 2);
    EXPECT_EQ(MenuText(bar, 0), L"&File");
    EXPECT_EQ(MenuText(bar, 1), L"&?");
    HMENU file = GetSubMenu(bar, 0);
    HMENU help = GetSubMenu(bar, 1);
    ASSERT_EQ(GetMenuItemCount(file), 1);
    ASSERT_EQ(GetMenuItemCount(help), 2);
    EXPECT_EQ(MenuText(file, 0), L"&Esci");
    EXPECT_EQ(MenuText(help, 0), L"&Guida");
    EXPECT_EQ(MenuText(help, 1), L"&Home");
    // The items take the three ids right after the form's.
    EXPECT_EQ(static_cast<int>(GetMenuItemID(file, 0)), form->id + 1);
    EXPECT_EQ(static_cast<int>(GetMenuItemID(help, 0)), form->id + 2);
    EXPECT_EQ(static_cast<int>(GetMenuItemID(help, 1)), form->id + 3);
    EXPECT_EQ(form->menuItemEsci->id, form->id + 1);
    EXPECT_EQ(form->menuItemGuida->id, form->id + 2);
    EXPECT_EQ(form->menuItemHome->id, form->id + 3);
}

namespace {

enum Kind { ButtonKind, ImageKind, CellKind, SliderKind, PanelKind };

} // namespace

TEST_F(FormMainWindow, EveryControlAtTheEndOfTheLayout) {
    struct Row {
        const char* name;
        GUIElement* element;
        Kind kind;
        int x, y, w, h;
        std::wstring text;
        bool visible;
        bool enabled;
    };
    const std::wstring chips = Amount(50000);
    const Row rows[] = {
        {"imageBanner", form->imageBanner, ImageKind, 9, 10, 200, 60, L"", true, true},
        {"cellChipsNamePc1", form->cellChipsNamePc1, CellKind, 9, 60, 90, 22, L"PC 1:", true, true},
        {"cellChipsPc1", form->cellChipsPc1, CellKind, 99, 60, 80, 22, chips, true, true},
        {"cellChipsNamePc2", form->cellChipsNamePc2, CellKind, 9, 85, 90, 22, L"PC 2:", true, true},
        {"cellChipsPc2", form->cellChipsPc2, CellKind, 99, 85, 80, 22, chips, true, true},
        {"cellChipsNamePc3", form->cellChipsNamePc3, CellKind, 9, 110, 90, 22, L"PC 3:", true,
         true},
        {"cellChipsPc3", form->cellChipsPc3, CellKind, 99, 110, 80, 22, chips, true, true},
        {"cellChipsNamePlayer", form->cellChipsNamePlayer, CellKind, 9, 135, 90, 22, L"Giocatore:",
         true, true},
        {"cellChipsPlayer", form->cellChipsPlayer, CellKind, 99, 135, 80, 22, chips, true, true},
        {"imageMarker", form->imageMarker, ImageKind, 0, 0, 33, 33, L"", false, true},
        {"buttonInfo", form->buttonInfo, ButtonKind, 512, 70, 100, 40, L"Info", true, true},
        {"buttonChiudi", form->buttonChiudi, ButtonKind, 512, 120, 100, 40, L"Chiudi", true, true},
        {"buttonGioca", form->buttonGioca, ButtonKind, 512, 20, 100, 40, L"GIOCA", true, true},
        {"cellSeatPc1", form->cellSeatPc1, CellKind, 207, 225, 50, 30, L"PC 1", true, true},
        {"cellSeatPc2", form->cellSeatPc2, CellKind, 295, 10, 50, 30, L"PC 2", true, true},
        {"cellSeatPc3", form->cellSeatPc3, CellKind, 385, 225, 50, 30, L"PC 3", true, true},
        {"cellStatus", form->cellStatus, CellKind, 60, 290, 520, 35, L"", true, true},
        {"buttonPasso", form->buttonPasso, ButtonKind, 105, 435, 100, 40, L"PASSO", true, false},
        {"buttonVedo", form->buttonVedo, ButtonKind, 215, 435, 100, 40, L"VEDO", true, false},
        {"buttonPunto", form->buttonPunto, ButtonKind, 325, 435, 100, 40, Amount(500), true, false},
        {"sliderBet", form->sliderBet, SliderKind, 435, 435, 100, 40, L"", true, false},
        {"cellActionPc1", form->cellActionPc1, CellKind, 206, 186, 100, 22, L"xxx!", false, true},
        {"cellActionPc2", form->cellActionPc2, CellKind, 270, 146, 100, 22, L"xxx!", false, true},
        {"cellActionPc3", form->cellActionPc3, CellKind, 334, 186, 100, 22, L"xxx!", false, true},
        {"cellActionPlayer", form->cellActionPlayer, CellKind, 270, 265, 100, 22, L"xxx!", false,
         true},
        {"panelResults", form->panelResults, PanelKind, 170, 110, 300, 300, L"", false, true},
        {"cellResultsHeading", form->cellResultsHeading, CellKind, 75, 10, 150, 25, L"Punteggio",
         true, true},
        {"cellResultsLine1", form->cellResultsLine1, CellKind, 10, 40, 200, 18, L"", true, true},
        {"cellResultsLine2", form->cellResultsLine2, CellKind, 10, 65, 200, 18, L"", true, true},
        {"cellResultsLine3", form->cellResultsLine3, CellKind, 10, 90, 200, 18, L"", true, true},
        {"cellResultsLine4", form->cellResultsLine4, CellKind, 10, 115, 200, 18, L"title", true,
         true},
        {"buttonContinua", form->buttonContinua, ButtonKind, 190, 250, 100, 40, L"Continua", true,
         true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        HWND window = row.element->handle;
        ASSERT_TRUE(IsWindow(window));
        const std::wstring windowClass = ClassOf(window);
        switch (row.kind) {
        case ButtonKind:
            EXPECT_EQ(windowClass, L"Button");
            break;
        case ImageKind:
            EXPECT_EQ(lstrcmpiW(windowClass.c_str(), L"static"), 0);
            EXPECT_EQ(GetWindowLongW(window, GWL_STYLE) & SS_TYPEMASK, SS_BITMAP);
            break;
        case CellKind:
        case PanelKind:
            EXPECT_EQ(windowClass.rfind(L"PanelChildren", 0), 0u);
            break;
        case SliderKind:
            EXPECT_EQ(lstrcmpiW(windowClass.c_str(), L"msctls_trackbar32"), 0);
            break;
        }
        POINT place = PlaceOf(window);
        EXPECT_EQ(place.x, row.x);
        EXPECT_EQ(place.y, row.y);
        EXPECT_EQ(row.element->width, row.w);
        EXPECT_EQ(row.element->height, row.h);
        // A bitmap control takes the size of its picture.
        if (row.kind != ImageKind) {
            EXPECT_EQ(SizeOf(window).cx, row.w);
            EXPECT_EQ(SizeOf(window).cy, row.h);
        }
        if (row.kind != ImageKind && row.kind != SliderKind) {
            EXPECT_EQ(WindowText(window), row.text);
        }
        // Controls inside the hidden panel keep their own visible style.
        bool visibleStyle = (GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) != 0;
        EXPECT_EQ(visibleStyle, row.visible);
        EXPECT_EQ(IsWindowEnabled(window) != FALSE, row.enabled);
    }
    // Owner-drawn buttons, except the system push button of the results panel.
    for (GUIElement* button : {form->buttonInfo, form->buttonChiudi, form->buttonGioca,
                               form->buttonPasso, form->buttonVedo, form->buttonPunto}) {
        EXPECT_EQ(GetWindowLongW(button->handle, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
        EXPECT_EQ(button->font, nullptr);
    }
    EXPECT_NE(GetWindowLongW(form->buttonContinua->handle, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    EXPECT_EQ(form->buttonContinua->font, form->font);
    // The hand cursor over the play button and the action row only.
    EXPECT_TRUE(form->buttonGioca->handCursor);
    EXPECT_TRUE(form->buttonPasso->handCursor);
    EXPECT_TRUE(form->buttonVedo->handCursor);
    EXPECT_TRUE(form->buttonPunto->handCursor);
    EXPECT_FALSE(form->buttonInfo->handCursor);
    EXPECT_FALSE(form->buttonChiudi->handCursor);
    // Frames: sunken chip values, a flat one-pixel results panel, no frame elsewhere.
    for (GUIElement* cell : {form->cellChipsPc1, form->cellChipsPlayer}) {
        EXPECT_TRUE(GetWindowLongW(cell->handle, GWL_STYLE) & WS_BORDER);
        EXPECT_TRUE(GetWindowLongW(cell->handle, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    }
    EXPECT_TRUE(GetWindowLongW(form->panelResults->handle, GWL_STYLE) & WS_BORDER);
    EXPECT_FALSE(GetWindowLongW(form->panelResults->handle, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_FALSE(GetWindowLongW(form->cellStatus->handle, GWL_STYLE) & WS_BORDER);
    // Fonts and colours of the cells.
    EXPECT_EQ(form->cellChipsNamePc1->font, form->font);
    EXPECT_EQ(form->cellChipsNamePc1->textColor, 0xFFFFFFu);
    EXPECT_EQ(form->cellChipsNamePc1->backColor, 0x008000u);
    EXPECT_EQ(form->cellChipsNamePc1->textAlign, 0);
    EXPECT_EQ(form->cellChipsPc1->font, form->font);
    EXPECT_EQ(form->cellChipsPc1->backColor, Tavrik::NoColor);
    EXPECT_EQ(form->cellChipsPc1->textAlign, 2);
    EXPECT_EQ(form->cellSeatPc2->font, form->fontLarge);
    EXPECT_EQ(form->cellStatus->font, form->fontLarge);
    EXPECT_EQ(form->cellStatus->textColor, 0xFFFFFFu);
    EXPECT_EQ(form->cellActionPc3->font, nullptr);
    EXPECT_EQ(form->cellActionPc3->faceName, "Tahoma");
    EXPECT_EQ(form->cellActionPc3->fontSize, 14);
    EXPECT_EQ(form->cellActionPc3->backColor, 0x0000FFu);
    EXPECT_EQ(form->cellActionPc3->textColor, 0xFFFFFFu);
    EXPECT_EQ(form->panelResults->font, form->fontMedium);
    EXPECT_EQ(form->panelResults->backColor, 0xFFFFFFu);
    EXPECT_EQ(form->panelResults->controlBackColor, 0xFFFFFFu);
    EXPECT_EQ(form->panelResults->controlTextColor, 0x000000u);
    EXPECT_EQ(form->cellResultsHeading->faceName, "Arial");
    EXPECT_EQ(form->cellResultsHeading->fontSize, 22);
    EXPECT_TRUE(form->cellResultsHeading->bold);
    EXPECT_EQ(form->cellResultsLine1->fontSize, 16);
    EXPECT_FALSE(form->cellResultsLine1->bold);
    EXPECT_TRUE(form->cellResultsLine4->bold);
    EXPECT_EQ(form->cellResultsLine2->textAlign, 0);
    // The slider: range 1..8 at 1, its two labels made but hidden.
    EXPECT_EQ(SendMessageW(form->sliderBet->handle, TBM_GETRANGEMIN, 0, 0), 1);
    EXPECT_EQ(SendMessageW(form->sliderBet->handle, TBM_GETRANGEMAX, 0, 0), 8);
    EXPECT_EQ(SendMessageW(form->sliderBet->handle, TBM_GETPOS, 0, 0), 1);
    EXPECT_FALSE(form->sliderBet->showLabels);
    // The pacing timer was created and running (the fixture stopped it).
    EXPECT_TRUE(form->timerGame->created);
    EXPECT_EQ(form->timerGame->interval, 30);
    EXPECT_EQ(form->timerGame->parent, form);
}

TEST_F(FormMainWindow, CardSlotsFaceDownInTheRestingLayout) {
    for (int slot = 0; slot < 19; ++slot) {
        SCOPED_TRACE(slot);
        HWND window = form->imageCards[slot]->handle;
        POINT place = PlaceOf(window);
        int x = slot < 3   ? 5 + 63 * slot
                : slot < 6 ? 225 + 63 * (slot - 3)
                : slot < 9 ? 445 + 63 * (slot - 6)
                           : 5 + 63 * (slot - 9);
        int y = slot < 3 || (slot >= 6 && slot < 9) ? 183 : slot < 6 ? 40 : 329;
        EXPECT_EQ(place.x, x);
        EXPECT_EQ(place.y, y);
        EXPECT_EQ(SizeOf(window).cx, 63);
        EXPECT_EQ(SizeOf(window).cy, 101);
        EXPECT_TRUE(Shown(form->imageCards[slot]));
        EXPECT_TRUE(FaceDown(slot));
        EXPECT_EQ(form->imageCards[slot]->tag, "");
    }
}

TEST_F(FormMainWindow, InitialTableState) {
    for (int p = 1; p <= 4; ++p) {
        EXPECT_EQ(form->chips[p], 50000);
        EXPECT_EQ(form->startChips[p], 50000);
        EXPECT_EQ(form->bets[p], 0);
    }
    EXPECT_EQ(form->pot, 0);
    EXPECT_EQ(form->currentPlayer, 0);
    EXPECT_EQ(form->dealer, 0);
    EXPECT_EQ(form->actionCount, 0);
    EXPECT_FALSE(form->handInProgress);
    EXPECT_FALSE(form->finalRound);
    EXPECT_FALSE(form->advancePending || form->closeDelay || form->closePending ||
                 form->dealDelay || form->dealPending);
    EXPECT_TRUE(form->deck.empty());
    EXPECT_EQ(form->ActionCell(1), form->cellActionPc1);
    EXPECT_EQ(form->ActionCell(2), form->cellActionPc2);
    EXPECT_EQ(form->ActionCell(3), form->cellActionPc3);
    for (int other : {0, 4, 7, -1}) {
        EXPECT_EQ(form->ActionCell(other), form->cellActionPlayer);
    }
}

TEST_F(FormMainWindow, PlayButtonWhiteOnRedOthersBlackOnGrey) {
    struct Case {
        GUIElement* control;
        COLORREF back;
        COLORREF textColour;
    };
    const Case cases[] = {
        {form->buttonGioca, 0x0000FF, 0xFFFFFF}, {form->buttonPasso, 0xDCDCDC, 0x000000},
        {form->buttonVedo, 0xDCDCDC, 0x000000},  {form->buttonPunto, 0xDCDCDC, 0x000000},
        {form->buttonInfo, 0xDCDCDC, 0x000000},  {form->buttonChiudi, 0xDCDCDC, 0x000000}};
    HBRUSH previous = nullptr;
    for (const Case& c : cases) {
        HDC dc = GetDC(c.control->handle);
        auto brush = reinterpret_cast<HBRUSH>(
            SendMessageW(form->handle, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc),
                         reinterpret_cast<LPARAM>(c.control->handle)));
        LOGBRUSH fill{};
        ASSERT_EQ(GetObjectW(brush, sizeof fill, &fill), static_cast<int>(sizeof fill));
        EXPECT_EQ(fill.lbColor, c.back);
        EXPECT_EQ(GetBkColor(dc), c.back);
        EXPECT_EQ(GetTextColor(dc), c.textColour);
        EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), form->font->GetHandle());
        ReleaseDC(c.control->handle, dc);
        // One brush alive at a time: the previous one is gone.
        if (previous != nullptr) {
            EXPECT_EQ(GetObjectType(previous), 0u);
        }
        previous = brush;
    }
}

TEST_F(FormMainWindow, EscapeAndTypingLeaveTheWindowOpen) {
    QuestionAnswerer answerer(IDNO);
    SendMessageW(form->handle, WM_KEYDOWN, VK_ESCAPE, 0);
    SendMessageW(form->handle, WM_CHAR, VK_ESCAPE, 0);
    SendMessageW(form->handle, WM_KEYUP, VK_ESCAPE, 0);
    SendMessageW(form->handle, WM_CHAR, 'a', 0);
    SendMessageW(form->handle, WM_LBUTTONDOWN, 0, MAKELPARAM(300, 300));
    SendMessageW(form->handle, WM_LBUTTONUP, 0, MAKELPARAM(300, 300));
    Pump();
    EXPECT_EQ(answerer.asked, 0);
    EXPECT_TRUE(IsWindow(form->handle));
    EXPECT_TRUE(form->OnFormChar('x'));
    EXPECT_FALSE(form->OnTextBoxChar(nullptr, 9));
    EXPECT_FALSE(form->OnTextBoxChar(nullptr, 13));
    EXPECT_TRUE(form->OnTextBoxChar(nullptr, 'x'));
}

TEST_F(FormMainWindow, TeardownLeavesNoWindowAndAsksNothing) {
    QuestionAnswerer answerer(IDNO);
    HWND window = form->handle;
    HWND slot = form->imageCards[0]->handle;
    delete form;
    form = nullptr;
    Pump();
    EXPECT_EQ(answerer.asked, 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(IsWindow(slot));
    form = new FormMain(GetModuleHandleW(nullptr), "Carvella prova");
    form->timerGame->Stop();
}
