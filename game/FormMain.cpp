#include "game/FormMain.h"

#include "resources/resource.h"
#include "toolkit/AskYesNo.h"
#include "toolkit/Button.h"
#include "toolkit/Drawing.h"
#include "toolkit/FormAbout.h"
#include "toolkit/Image.h"
#include "toolkit/Menu.h"
#include "toolkit/MessageLoop.h"
#include "toolkit/Panel.h"
#include "toolkit/Slider.h"
#include "toolkit/TextBox.h"
#include "toolkit/TextServices.h"
#include "toolkit/Timer.h"

namespace MyGame {

using Tavrik::GUIElement;

FormMain* mainGameForm = nullptr;

namespace {

constexpr COLORREF TableGreen = 0x008000;
constexpr COLORREF PlayRed = 0x0000FF;
constexpr COLORREF ControlGrey = 0xDCDCDC;
constexpr COLORREF White = 0xFFFFFF;
constexpr COLORREF Black = 0x000000;
constexpr int KeyTab = 9;
constexpr int KeyEnter = 13;
constexpr int KeyEscape = 27;

const char* const ExitQuestion = "Vuoi realmente uscire?";
const char* const ExitCaption = "Uscita";
const char* const GameDescription =
    "Carvella \xE8 un gioco di carte con il mazzo italiano da 40 carte, contro tre "
    "giocatori del computer. Ogni mano comincia con un piatto di 1500 fiches per "
    "giocatore e ha quattro giri di carte (3, 3, 3 e 1 carta) e un giro finale con "
    "tutte le dieci carte ricevute. In ogni giro si passa, si vede o si punta: chi resta "
    "solo con una puntata vince il giro, altrimenti vince chi ha il punto pi\xF9 alto, "
    "contando le tre carte migliori di un solo seme (sette 21, sei 18, asso 16, cinque 15, "
    "quattro 14, tre 13, due 12, figure 10). Il mazziere gioca per ultimo e vince il giro "
    "quando nessuno punta.";

FormMain* FormOf(GUIElement* element) {
    return dynamic_cast<FormMain*>(element);
}

void FormCreated(GUIElement* element, HWND) {
    if (FormMain* form = FormOf(element)) {
        form->InitializeLayout();
    }
}

bool FormCloseQuery(GUIElement* element) {
    FormMain* form = FormOf(element);
    return form == nullptr || form->OnClosing();
}

int FormResized(GUIElement* element) {
    if (FormMain* form = FormOf(element)) {
        form->OnLayoutResize();
    }
    return 0;
}

bool FormChar(GUIElement* element, int character) {
    if (auto* textBox = dynamic_cast<Tavrik::TextBox*>(element)) {
        FormMain* form = FormOf(textBox->parent);
        return form == nullptr || form->OnTextBoxChar(textBox, character);
    }
    FormMain* form = FormOf(element);
    return form == nullptr || form->OnFormChar(character);
}

int FormKeyDown(GUIElement* element, int key) {
    if (FormMain* form = FormOf(element)) {
        form->OnFormKeyDown(key);
    }
    return 0;
}

int FormKeyUp(GUIElement* element, int key) {
    if (FormMain* form = FormOf(element)) {
        form->OnFormKeyUp(key);
    }
    return 0;
}

int FormLeftButtonUp(GUIElement* element, HWND, int x, int y) {
    if (auto* textBox = dynamic_cast<Tavrik::TextBox*>(element)) {
        if (FormMain* form = FormOf(textBox->parent)) {
            form->OnTextBoxLeftButtonUp(textBox);
        }
    } else if (FormMain* form = FormOf(element)) {
        form->OnFormLeftButtonUp(x, y);
    }
    return 0;
}

int FormLeftButtonDown(GUIElement* element, HWND, int x, int y) {
    if (auto* child = dynamic_cast<Tavrik::Child*>(element)) {
        if (FormMain* form = FormOf(child->parent)) {
            form->OnChildLeftButtonDown(child);
        }
    } else if (FormMain* form = FormOf(element)) {
        form->OnFormLeftButtonDown(x, y);
    }
    return 0;
}

} // namespace

FormMain::FormMain(HINSTANCE instance, const std::string& title)
    : Form(instance), deck(deckState.deck), hands(deckState.hands), cardsLeft(deckState.cardsLeft),
      finalRound(deckState.finalRound) {
    for (int p = 1; p <= 4; ++p) {
        chips[p] = StartingChips;
        startChips[p] = StartingChips;
    }

    font = new Tavrik::Font("Lucida Console", 14);
    fontLarge = new Tavrik::Font("Arial", 22);
    fontLarge->bold = true;
    fontMedium = new Tavrik::Font("Arial", 14);

    width = 640;
    height = 480;
    SetText(title);
    minimizeBox = true;
    maximizeBox = false;

    onCreate = FormCreated;
    onCloseQuery = FormCloseQuery;
    onResize = FormResized;
    onChar = FormChar;
    onKeyDown = FormKeyDown;
    onKeyUp = FormKeyUp;
    onLeftButtonUp = FormLeftButtonUp;
    onLeftButtonDown = FormLeftButtonDown;

    SetBackColor(TableGreen);
    Create();
    SetIcon(IDI_CARVELLA);
    SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(font->GetHandle()), TRUE);
    SetClientSize(640, 480);
    if (mainGameForm == nullptr) {
        mainGameForm = this;
    }
}

FormMain::~FormMain() {
    // The timer goes first, so no tick arrives during the teardown.
    delete timerGame;
    timerGame = nullptr;
    if (created) {
        // The form is going away whatever the answer, so nothing is asked.
        onCloseQuery = nullptr;
        SendMessageW(handle, WM_CLOSE, 0, 0);
        created = false;
    }
    delete aboutBox;
    delete menuItemHome;
    delete menuItemGuida;
    delete menuHelp;
    delete menuItemEsci;
    delete menuFile;
    delete menuBar;
    delete buttonInfo;
    delete buttonGioca;
    delete buttonChiudi;
    delete buttonPasso;
    delete buttonVedo;
    delete buttonPunto;
    delete sliderBet;
    delete imageBanner;
    for (Tavrik::Image* slot : imageCards) {
        delete slot;
    }
    delete imageMarker;
    delete cellStatus;
    delete cellResultsHeading;
    delete cellResultsLine1;
    delete cellResultsLine2;
    delete cellResultsLine3;
    delete cellResultsLine4;
    delete buttonContinua;
    delete panelResults;
    delete cellChipsNamePc1;
    delete cellChipsPc1;
    delete cellChipsNamePc2;
    delete cellChipsPc2;
    delete cellChipsNamePc3;
    delete cellChipsPc3;
    delete cellChipsNamePlayer;
    delete cellChipsPlayer;
    delete cellSeatPc1;
    delete cellSeatPc2;
    delete cellSeatPc3;
    delete cellActionPc1;
    delete cellActionPc2;
    delete cellActionPc3;
    delete cellActionPlayer;
    if (controlBrush != nullptr) {
        DeleteObject(controlBrush);
    }
    delete font;
    font = nullptr;
    delete fontLarge;
    delete fontMedium;
    if (mainGameForm == this) {
        mainGameForm = nullptr;
    }
}

LRESULT FormMain::OnControlColor(HDC dc) {
    if (controlBrush != nullptr) {
        DeleteObject(controlBrush);
    }
    SelectObject(dc, font->GetHandle());
    HWND control = WindowFromDC(dc);
    if (buttonGioca != nullptr && control != nullptr && control == buttonGioca->handle &&
        buttonGioca->enabled) {
        SetBkColor(dc, PlayRed);
        controlBrush = CreateSolidBrush(PlayRed);
        SetTextColor(dc, White);
    } else {
        SetBkColor(dc, ControlGrey);
        controlBrush = CreateSolidBrush(ControlGrey);
        SetTextColor(dc, Black);
    }
    return reinterpret_cast<LRESULT>(controlBrush);
}

void FormMain::OnLayoutResize() {}

bool FormMain::OnFormChar(int) {
    return true;
}

bool FormMain::OnTextBoxChar(Tavrik::TextBox*, int character) {
    return character != KeyTab && character != KeyEnter;
}

void FormMain::OnFormKeyDown(int) {}

void FormMain::OnFormKeyUp(int) {}

void FormMain::OnKeyCommand(int key) {
    if (key == KeyEscape && created) {
        SendMessageW(handle, WM_CLOSE, 0, 0);
    }
}

void FormMain::OnFormLeftButtonUp(int, int) {}

void FormMain::OnFormLeftButtonDown(int, int) {}

void FormMain::OnChildLeftButtonDown(Tavrik::Child*) {}

void FormMain::OnChildLeftButtonUp(Tavrik::Child*) {}

void FormMain::OnTextBoxLeftButtonUp(Tavrik::TextBox* textBox) {
    if (textBox != nullptr && textBox->created) {
        SendMessageW(textBox->handle, EM_SETSEL, 0, -1);
    }
}

namespace {

bool Is(const GUIElement* element, const GUIElement* control) {
    return element != nullptr && control != nullptr && element->id == control->id;
}

} // namespace

void FormMain::OnCommand(GUIElement* element) {
    if (Is(element, buttonChiudi)) {
        OnMenuCommand(menuItemEsci);
    } else if (Is(element, buttonGioca)) {
        if (buttonGioca->text == L"ABBANDONA") {
            AbandonGame();
        } else {
            StartGame();
        }
    } else if (Is(element, buttonInfo)) {
        ShowAbout();
    } else if (Is(element, buttonContinua)) {
        NextHand();
    } else if (Is(element, buttonPasso)) {
        Pass();
    } else if (Is(element, buttonVedo)) {
        Call();
    } else if (Is(element, buttonPunto)) {
        Bet();
    }
}

bool FormMain::OnClosing() {
    if (exitQuestionOpen) {
        return false;
    }
    Tavrik::UnregisterHotKeys(this);
    exitQuestionOpen = true;
    bool leave = Tavrik::AskYesNo(ExitQuestion, ExitCaption);
    exitQuestionOpen = false;
    if (leave) {
        if (timerGame != nullptr && timerGame->running) {
            KillTimer(timerGame->parent->handle, timerGame->id);
            timerGame->running = false;
        }
        return true;
    }
    Tavrik::RegisterHotKeys(this);
    return false;
}

void FormMain::OnMenuCommand(GUIElement* element) {
    if (Is(element, menuItemEsci) && created) {
        SendMessageW(handle, WM_CLOSE, 0, 0);
    }
    if (Is(element, menuItemHome)) {
        Tavrik::OpenDocument(CARVELLA_SITE);
    }
    if (Is(element, menuItemGuida)) {
        Tavrik::OpenDocument(std::string(CARVELLA_SITE) + "/" + CARVELLA_NAME + ".asp");
    }
}

void FormMain::ShowAbout() {
    delete aboutBox;
    aboutBox = new Tavrik::FormAbout(this);
    aboutBox->bannerId = IDB_BANNER_ABOUT;
    aboutBox->bannerWidth = 164;
    aboutBox->bannerHeight = 50;
    aboutBox->titleText = std::string(CARVELLA_NAME) + " " + CARVELLA_VERSION_TEXT;
    aboutBox->creditsText = CARVELLA_COPYRIGHT;
    aboutBox->descriptionText = GameDescription;
    aboutBox->webAddress = CARVELLA_SITE;
    aboutBox->Show();
}

} // namespace MyGame
