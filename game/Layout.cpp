#include "game/FormMain.h"

#include "resources/resource.h"
#include "toolkit/Button.h"
#include "toolkit/Drawing.h"
#include "toolkit/Image.h"
#include "toolkit/Menu.h"
#include "toolkit/Panel.h"
#include "toolkit/Slider.h"
#include "toolkit/Timer.h"

namespace MyGame {

using Tavrik::Button;
using Tavrik::CellControl;
using Tavrik::GUIElement;

namespace {

constexpr COLORREF TableGreen = 0x008000;
constexpr COLORREF ActionRed = 0x0000FF;
constexpr COLORREF White = 0xFFFFFF;
constexpr COLORREF Black = 0x000000;
constexpr int AlignLeft = 0;
constexpr int AlignCentre = 2;

// A button's form is its parent, or its parent's parent for a button on a panel.
void ButtonCommand(GUIElement* element) {
    if (element == nullptr) {
        return;
    }
    FormMain* form = dynamic_cast<FormMain*>(element->parent);
    if (form == nullptr && element->parent != nullptr) {
        form = dynamic_cast<FormMain*>(element->parent->parent);
    }
    if (form != nullptr) {
        form->OnCommand(element);
    }
}

void MenuCommand(GUIElement* element) {
    FormMain* form = nullptr;
    for (GUIElement* up = element != nullptr ? element->parent : nullptr;
         up != nullptr && form == nullptr; up = up->parent) {
        form = dynamic_cast<FormMain*>(up);
    }
    if (form == nullptr) {
        form = mainGameForm;
    }
    if (form != nullptr) {
        form->OnMenuCommand(element);
    }
}

void BetSliderChanged(Tavrik::Slider* slider, int value) {
    if (auto* form = dynamic_cast<FormMain*>(slider->parent)) {
        form->OnBetSliderMoved(slider, value);
    }
}

void GameTimerTick(Tavrik::Timer* timer) {
    if (auto* form = dynamic_cast<FormMain*>(timer->parent)) {
        form->OnTimer();
    }
}

void Place(GUIElement* element, int left, int top, int w, int h) {
    element->width = w;
    element->height = h;
    element->x = left;
    element->y = top;
}

CellControl* MakeCell(GUIElement* parent, const std::string& caption, int left, int top, int w,
                      int h) {
    auto* cell = new CellControl(parent);
    Place(cell, left, top, w, h);
    cell->SetText(caption);
    return cell;
}

CellControl* MakeNameCell(GUIElement* parent, Tavrik::Font* font, const std::string& caption,
                          int left, int top, int w, int h, int align) {
    CellControl* cell = MakeCell(parent, caption, left, top, w, h);
    cell->font = font;
    cell->SetBackColor(TableGreen);
    cell->textColor = White;
    cell->textAlign = align;
    cell->Create();
    return cell;
}

CellControl* MakeChipsCell(GUIElement* parent, Tavrik::Font* font, int top) {
    CellControl* cell = MakeCell(parent, "0", 99, top, 80, 22);
    cell->font = font;
    cell->textColor = Black;
    cell->textAlign = AlignCentre;
    cell->border = true;
    cell->flat = false;
    cell->Create();
    return cell;
}

CellControl* MakeActionCell(GUIElement* parent, int left, int top) {
    CellControl* cell = MakeCell(parent, "xxx!", left, top, 100, 22);
    cell->faceName = "Tahoma";
    cell->fontSize = 14;
    cell->SetBackColor(ActionRed);
    cell->textColor = White;
    cell->textAlign = AlignCentre;
    cell->Create();
    return cell;
}

CellControl* MakeResultsCell(GUIElement* panel, const std::string& caption, int left, int top,
                             int w, int h, int size, bool bold, int align) {
    CellControl* cell = MakeCell(panel, caption, left, top, w, h);
    cell->faceName = "Arial";
    cell->fontSize = size;
    cell->bold = bold;
    cell->SetBackColor(White);
    cell->textColor = Black;
    cell->textAlign = align;
    cell->Create();
    return cell;
}

Button* MakeTableButton(GUIElement* parent, const std::string& caption, int left, int top,
                        bool handCursor, bool enabled) {
    auto* button = new Button(parent, caption);
    Place(button, left, top, 100, 40);
    button->commandHandler = ButtonCommand;
    if (handCursor) {
        button->SetHandCursor(true);
    }
    button->ownerDraw = true;
    if (!enabled) {
        button->SetEnabled(false);
    }
    button->Create();
    return button;
}

} // namespace

void FormMain::BuildMenuBar() {
    menuBar = new Tavrik::MenuBar(this);
    menuFile = new Tavrik::Menu("&File", menuBar);
    menuItemEsci = new Tavrik::SubMenu(menuFile, "&Esci");
    menuItemEsci->commandHandler = MenuCommand;
    menuHelp = new Tavrik::Menu("&?", menuBar);
    menuItemGuida = new Tavrik::SubMenu(menuHelp, "&Guida");
    menuItemGuida->commandHandler = MenuCommand;
    menuItemHome = new Tavrik::SubMenu(menuHelp, "&Home");
    menuItemHome->commandHandler = MenuCommand;
    menuBar->Create();
}

void FormMain::InitializeLayout() {
    BuildMenuBar();

    if (created) {
        RECT client{};
        GetClientRect(handle, &client);
        width = client.right - client.left;
        height = client.bottom - client.top;
    }
    const int W = width;
    const int H = height;
    const int rightColumn = W - 128;
    const int actionRowY = H - 45;
    const int actionRowX = (W - 430) / 2;

    imageBanner = new Tavrik::Image(this, IDB_BANNER_TABLE);
    Place(imageBanner, 9, 10, 200, 60);
    imageBanner->Create();

    cellChipsNamePc1 = MakeNameCell(this, font, "PC 1:", 9, 60, 90, 22, AlignLeft);
    cellChipsPc1 = MakeChipsCell(this, font, 60);
    cellChipsNamePc2 = MakeNameCell(this, font, "PC 2:", 9, 85, 90, 22, AlignLeft);
    cellChipsPc2 = MakeChipsCell(this, font, 85);
    cellChipsNamePc3 = MakeNameCell(this, font, "PC 3:", 9, 110, 90, 22, AlignLeft);
    cellChipsPc3 = MakeChipsCell(this, font, 110);
    cellChipsNamePlayer = MakeNameCell(this, font, "Giocatore:", 9, 135, 90, 22, AlignLeft);
    cellChipsPlayer = MakeChipsCell(this, font, 135);

    for (Tavrik::Image*& slot : imageCards) {
        slot = new Tavrik::Image(this, IDB_CARD_BACK);
        slot->width = 63;
        slot->height = 101;
        slot->Create();
    }

    imageMarker = new Tavrik::Image(this, IDB_DEALER);
    Place(imageMarker, 0, 0, 33, 33);
    imageMarker->Create();
    imageMarker->Hide();

    buttonInfo = MakeTableButton(this, "Info", rightColumn, 70, false, true);
    buttonChiudi = MakeTableButton(this, "Chiudi", rightColumn, 120, false, true);
    buttonGioca = MakeTableButton(this, "GIOCA", rightColumn, 20, true, true);

    cellSeatPc1 = MakeNameCell(this, fontLarge, "PC 1", 207, 225, 50, 30, AlignCentre);
    cellSeatPc2 = MakeNameCell(this, fontLarge, "PC 2", 295, 10, 50, 30, AlignCentre);
    cellSeatPc3 = MakeNameCell(this, fontLarge, "PC 3", 385, 225, 50, 30, AlignCentre);

    cellStatus = MakeNameCell(this, fontLarge, "", 60, 290, W - 120, 35, AlignCentre);

    buttonPasso = MakeTableButton(this, "PASSO", actionRowX, actionRowY, true, false);
    buttonVedo = MakeTableButton(this, "VEDO", actionRowX + 110, actionRowY, true, false);
    buttonPunto = MakeTableButton(this, "PUNTO", actionRowX + 220, actionRowY, true, false);

    sliderBet = new Tavrik::Slider(this);
    sliderBet->width = 100;
    sliderBet->height = 40;
    sliderBet->PlaceLabels();
    sliderBet->x = actionRowX + 330;
    sliderBet->y = actionRowY;
    sliderBet->showLabels = false;
    sliderBet->changeHandler = BetSliderChanged;
    sliderBet->Create();

    cellActionPc1 = MakeActionCell(this, 206, 186);
    cellActionPc2 = MakeActionCell(this, 270, 146);
    cellActionPc3 = MakeActionCell(this, 334, 186);
    cellActionPlayer = MakeActionCell(this, 270, 265);

    panelResults = new Tavrik::PanelChildren(this);
    panelResults->SetBackColor(White);
    panelResults->controlBackColor = White;
    panelResults->controlTextColor = Black;
    Place(panelResults, (W - 300) / 2, 110, 300, 300);
    panelResults->border = true;
    panelResults->flat = true;
    panelResults->font = fontMedium;
    panelResults->Create();
    cellResultsHeading =
        MakeResultsCell(panelResults, "Punteggio", 75, 10, 150, 25, 22, true, AlignCentre);
    cellResultsLine1 = MakeResultsCell(panelResults, "", 10, 40, 200, 18, 16, false, AlignLeft);
    cellResultsLine2 = MakeResultsCell(panelResults, "", 10, 65, 200, 18, 16, false, AlignLeft);
    cellResultsLine3 = MakeResultsCell(panelResults, "", 10, 90, 200, 18, 16, false, AlignLeft);
    cellResultsLine4 =
        MakeResultsCell(panelResults, "title", 10, 115, 200, 18, 16, true, AlignLeft);
    buttonContinua = new Button(panelResults, "Continua");
    Place(buttonContinua, 190, 250, 100, 40);
    buttonContinua->font = font;
    buttonContinua->commandHandler = ButtonCommand;
    buttonContinua->Create();
    panelResults->Hide();

    ShowChips();
    ResetTable();

    timerGame = new Tavrik::Timer(this, GameTimerInterval);
    timerGame->tickHandler = GameTimerTick;
    timerGame->Start();
}

} // namespace MyGame
