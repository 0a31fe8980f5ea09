// The game window: the card table, its state and every game operation.
#pragma once

#include "game/rules/Cards.h"
#include "toolkit/Form.h"

#include <array>
#include <string>
#include <vector>

namespace Tavrik {
class Button;
class CellControl;
class Font;
class FormAbout;
class Image;
class Menu;
class MenuBar;
class PanelChildren;
class Slider;
class SubMenu;
class TextBox;
class Timer;
} // namespace Tavrik

namespace MyGame {

constexpr int StartingChips = 50000;
constexpr int Ante = 1500;
constexpr int DealRoundPrize = 500;
constexpr int FinalRoundPrize = 4000;
constexpr int BetUnit = 500;
constexpr int CardSlotCount = 19;
constexpr int GameTimerInterval = 30;
// A step of the betting engine is due when the tick counter exceeds this.
constexpr int TicksPerStep = 90;

class FormMain;
struct BetDecision;

// The first game window constructed; menu commands fall back to it.
extern FormMain* mainGameForm;

// Pacing of the betting engine, one set for the program.
extern int tickCount;
extern bool tickBusy;
extern bool skipNextStep;

// The highest bet of a betting round and whether a player still in has not matched it.
struct BetScan {
    int maxBet = 0;
    bool unequal = false;
};

class FormMain : public Tavrik::Form {
public:
    FormMain(HINSTANCE instance, const std::string& title);
    ~FormMain() override;

    LRESULT OnControlColor(HDC dc) override;

    virtual void InitializeLayout();
    virtual bool OnClosing();
    virtual void OnLayoutResize();
    virtual void OnTimer();
    virtual bool OnFormChar(int character);
    virtual bool OnTextBoxChar(Tavrik::TextBox* textBox, int character);
    virtual void OnFormKeyDown(int key);
    virtual void OnFormKeyUp(int key);
    virtual void OnMenuCommand(Tavrik::GUIElement* element);
    virtual void OnKeyCommand(int key);
    virtual void OnFormLeftButtonUp(int x, int y);
    virtual void OnFormLeftButtonDown(int x, int y);
    virtual void OnChildLeftButtonDown(Tavrik::Child* child);
    virtual void OnChildLeftButtonUp(Tavrik::Child* child);
    virtual void OnTextBoxLeftButtonUp(Tavrik::TextBox* textBox);
    virtual void OnCommand(Tavrik::GUIElement* element);
    virtual void OnBetSliderMoved(Tavrik::GUIElement* element, int position);

    // Table state.
    void ResetBetting();
    Tavrik::CellControl* ActionCell(int player);

    // Cards and the deal.
    void Shuffle();
    std::vector<int> HandCards(int player);
    void DealCards();
    void PlaceDealerMarker();
    std::vector<int> TableCards(int player);

    // What the table shows.
    void ResetTable();
    void ShowFinalHand();
    void ShowScoringCards(const std::vector<int>& cards, int player);
    void ShowChips();
    void AnnounceTurn();
    void SetHumanControls(bool lock);

    // Starting and leaving a hand.
    void StartGame();
    void NextHand();
    void AbandonGame();

    // The betting engine.
    BetScan ScanBets();
    void AdvanceTurn(bool skipIdle);
    void ForfeitBet();
    void AddChips(int player, int amount);

    // The computer players, acting for `currentPlayer`.
    void DealRoundStrategy(int toCall, int points, Tavrik::CellControl* cell);
    void LastDealStrategy(int toCall, int points, Tavrik::CellControl* cell);
    void FinalRoundStrategy(int toCall, int points, Tavrik::CellControl* cell);

    // Settlement.
    void SettleRound();
    void AnnounceWinner(int player, int amount);
    void EndHand();

    // The human's buttons.
    void Pass();
    void Call();
    void Bet();

    // The About box, rebuilt on every "Info".
    void ShowAbout();

    // Table state; per-player arrays are indexed by player number 1..4.
    DeckState deckState;
    std::vector<int>& deck;
    std::array<std::vector<int>, 5>& hands;
    int& cardsLeft;
    bool& finalRound;
    int currentPlayer = 0;
    int dealer = 0;
    int actionCount = 0;
    int pot = 0;
    bool handInProgress = false;
    bool advancePending = false;
    bool closeDelay = false;
    bool closePending = false;
    bool dealDelay = false;
    bool dealPending = false;

    HBRUSH controlBrush = nullptr;
    Tavrik::FormAbout* aboutBox = nullptr;

    Tavrik::MenuBar* menuBar = nullptr;
    Tavrik::Menu* menuFile = nullptr;
    Tavrik::SubMenu* menuItemEsci = nullptr;
    Tavrik::Menu* menuHelp = nullptr;
    Tavrik::SubMenu* menuItemHome = nullptr;
    Tavrik::SubMenu* menuItemGuida = nullptr;
    Tavrik::Button* buttonInfo = nullptr;
    Tavrik::Button* buttonGioca = nullptr;
    Tavrik::Button* buttonChiudi = nullptr;
    Tavrik::Button* buttonPasso = nullptr;
    Tavrik::Button* buttonVedo = nullptr;
    Tavrik::Button* buttonPunto = nullptr;
    Tavrik::Slider* sliderBet = nullptr;
    Tavrik::Image* imageBanner = nullptr;
    Tavrik::Timer* timerGame = nullptr;
    std::array<Tavrik::Image*, CardSlotCount> imageCards{};
    Tavrik::Image* imageMarker = nullptr;
    Tavrik::Font* fontLarge = nullptr;
    Tavrik::Font* fontMedium = nullptr;
    Tavrik::CellControl* cellStatus = nullptr;
    Tavrik::PanelChildren* panelResults = nullptr;
    Tavrik::CellControl* cellResultsHeading = nullptr;
    Tavrik::CellControl* cellResultsLine1 = nullptr;
    Tavrik::CellControl* cellResultsLine2 = nullptr;
    Tavrik::CellControl* cellResultsLine3 = nullptr;
    Tavrik::CellControl* cellResultsLine4 = nullptr;
    Tavrik::Button* buttonContinua = nullptr;
    Tavrik::CellControl* cellChipsNamePc1 = nullptr;
    Tavrik::CellControl* cellChipsPc1 = nullptr;
    Tavrik::CellControl* cellChipsNamePc2 = nullptr;
    Tavrik::CellControl* cellChipsPc2 = nullptr;
    Tavrik::CellControl* cellChipsNamePc3 = nullptr;
    Tavrik::CellControl* cellChipsPc3 = nullptr;
    Tavrik::CellControl* cellChipsNamePlayer = nullptr;
    Tavrik::CellControl* cellChipsPlayer = nullptr;

    std::array<int, 5> chips{};
    std::array<int, 5> startChips{};
    std::array<int, 5> bets{};

    Tavrik::CellControl* cellSeatPc1 = nullptr;
    Tavrik::CellControl* cellSeatPc2 = nullptr;
    Tavrik::CellControl* cellSeatPc3 = nullptr;
    Tavrik::CellControl* cellActionPc1 = nullptr;
    Tavrik::CellControl* cellActionPc2 = nullptr;
    Tavrik::CellControl* cellActionPc3 = nullptr;
    Tavrik::CellControl* cellActionPlayer = nullptr;

private:
    void BuildMenuBar();
    void ChargeAntes();
    void ShowSeats();
    void ResetBetSlider();
    void MoveControl(Tavrik::GUIElement* control, int left, int top);
    void RunStep();
    void PlayComputerTurn();
    void ApplyDecision(const BetDecision& decision, Tavrik::CellControl* cell);
    int OthersWithBets(int player);
    int HighestComputerBet();
    void HandTurnBack(bool unequal);
    int RoundPrize();

    // The exit question is open: a second close request does not ask again.
    bool exitQuestionOpen = false;
};

} // namespace MyGame
