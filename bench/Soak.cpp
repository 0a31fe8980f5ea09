// Plays many hands on a real game window, forcing the engine's steps through
// the timer operation, with a random human taking every action the table
// allows. Checks the table after every step and every hand, and watches GDI
// headroom, live windows and private bytes for growth.
// Usage: carvella_soak [--hands N] [--seed S] [--checkpoint K]

#include "bench/Footprint.h"
#include "game/FormMain.h"
#include "resources/resource.h"
#include "support/GdiHeadroom.h"
#include "toolkit/Button.h"
#include "toolkit/Image.h"
#include "toolkit/Panel.h"
#include "toolkit/Slider.h"
#include "toolkit/TextServices.h"

#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <set>
#include <string>
#include <vector>

using MyGame::FormMain;
using Tavrik::IntToText;

namespace {

// A hand has five betting rounds of a few dozen steps at most; a hand that
// needs more than this has stalled.
constexpr int MaxStepsPerHand = 400;
// Allowed drift between the warm-up checkpoint and the last one.
constexpr int AllowedHeadroomLoss = 8;
constexpr int AllowedWindowGrowth = 0;
constexpr long long AllowedPrivateGrowth = 256 * 1024;
// Hands played before the baseline is taken: the first hands load bitmaps,
// fonts and the system's caches once.
constexpr int WarmUpHands = 10;
// Below this many hands a run cannot be expected to have met every action.
constexpr int HandsForFullCoverage = 100;
constexpr int CardBack = IDB_CARD_BACK;
constexpr int StartUpRepaints = 200;

struct Options {
    int hands = 10000;
    unsigned seed = 1;
    int checkpointEvery = 0;
};

struct Figures {
    int headroom = 0;
    int windows = 0;
    long long privateBytes = 0;
};

struct ActionCounts {
    long long passes = 0;
    long long calls = 0;
    long long bets = 0;
    long long refused = 0;
    long long sliderMoves = 0;
    long long abandons = 0;
    long long continues = 0;
};

bool Enabled(Tavrik::GUIElement* control) {
    return control->handle != nullptr && IsWindowEnabled(control->handle);
}

bool Shown(Tavrik::GUIElement* control) {
    return control->handle != nullptr && IsWindowVisible(control->handle);
}

// The amount at the end of a summary line, whatever the digit grouping.
bool ParseAmount(const std::string& text, const std::string& prefix, int& amount) {
    if (text.compare(0, prefix.size(), prefix) != 0) {
        return false;
    }
    std::string digits;
    for (size_t i = prefix.size(); i < text.size(); ++i) {
        char c = text[i];
        if ((c >= '0' && c <= '9') || (c == '-' && digits.empty())) {
            digits += c;
        }
    }
    if (digits.empty() || digits == "-") {
        return false;
    }
    amount = std::atoi(digits.c_str());
    return true;
}

// The heap holds transient blocks of a few megabytes now and then, so memory
// is compared by its floor: the least of the last third of the checkpoints
// against the least of the first third. A leak raises the floor.
long long PrivateFloorGrowth(const std::vector<long long>& samples) {
    if (samples.empty()) {
        return 0;
    }
    const size_t span = samples.size() / 3 > 0 ? samples.size() / 3 : 1;
    const long long first = *std::min_element(samples.begin(), samples.begin() + span);
    const long long latest = *std::min_element(samples.end() - span, samples.end());
    return latest - first;
}

int SlotOwner(int slot) {
    return slot < 9 ? slot / 3 + 1 : 4;
}

class Soak {
public:
    explicit Soak(const Options& options) : options(options), human(options.seed) {}

    int Run();

private:
    void Fail(const std::string& what);
    void Pump();
    void Step();
    void Click(Tavrik::Button* button);
    void MoveSlider(int position);
    bool HumanTurn();
    void PlayHumanTurn();
    bool TryBet();
    void Abandon();
    void Start();
    void CheckTable();
    void CheckIdle();
    void CheckSummary();
    void CheckHumanLocked();
    Figures Measure();
    void Checkpoint(const char* label);
    void ReportStartUp(int headroomBefore);
    int Chance(int outOf) { return std::uniform_int_distribution<int>(0, outOf - 1)(human); }
    int TotalChips() const;

    Options options;
    std::mt19937 human;
    FormMain* form = nullptr;
    bool failed = false;
    int handsDone = 0;
    int stepsThisHand = 0;
    long long steps = 0;
    long long total = 4LL * MyGame::StartingChips;
    ActionCounts actions;
    Figures baseline;
    bool haveBaseline = false;
    Figures last;
    int maxWindows = 0;
    std::vector<long long> privateSamples;
    double measureSeconds = 0;
    bool closing = false;
};

void Soak::Fail(const std::string& what) {
    if (!failed) {
        std::printf("FAIL hand %d step %d: %s\n", handsDone + 1, stepsThisHand, what.c_str());
        std::fflush(stdout);
    }
    failed = true;
}

// The window's own updates: paints, timer ticks, anything the step queued.
void Soak::Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            if (!closing) {
                Fail("the game window quit on its own");
            }
            return;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void Soak::Step() {
    MyGame::tickCount = MyGame::TicksPerStep;
    form->OnTimer();
    ++steps;
    ++stepsThisHand;
    Pump();
    CheckTable();
    if (stepsThisHand > MaxStepsPerHand) {
        Fail("the hand did not reach its summary within " + std::to_string(MaxStepsPerHand) +
             " steps");
    }
}

// The notification a clicked button sends its parent, through the window procedure.
void Soak::Click(Tavrik::Button* button) {
    HWND window = button->handle;
    SendMessageW(GetParent(window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), BN_CLICKED),
                 reinterpret_cast<LPARAM>(window));
    Pump();
}

// As the user would: the thumb moves, then the track bar ends the move.
void Soak::MoveSlider(int position) {
    HWND slider = form->sliderBet->handle;
    SendMessageW(slider, TBM_SETPOS, TRUE, position);
    SendMessageW(GetParent(slider), WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0),
                 reinterpret_cast<LPARAM>(slider));
    Pump();
    ++actions.sliderMoves;
    if (form->buttonPunto->GetNarrowText() != IntToText(position * MyGame::BetUnit)) {
        Fail("the bet button does not show the slider's amount for position " +
             std::to_string(position));
    }
}

int Soak::TotalChips() const {
    int sum = 0;
    for (int p = 1; p <= 4; ++p) {
        sum += form->chips[p];
    }
    return sum;
}

bool Soak::HumanTurn() {
    return form->handInProgress && form->currentPlayer == 4 && Enabled(form->buttonPasso);
}

int HighestComputerBet(const FormMain* form) {
    int highest = 0;
    for (int p = 1; p <= 3; ++p) {
        highest = form->bets[p] > highest ? form->bets[p] : highest;
    }
    return highest;
}

// A bet at the slider's position: true when accepted, false when refused.
bool Soak::TryBet() {
    const int amount = form->sliderBet->GetValue() * MyGame::BetUnit;
    const int highest = HighestComputerBet(form);
    const int actionsBefore = form->actionCount;
    const int betBefore = form->bets[4];
    Click(form->buttonPunto);
    if (amount < highest) {
        ++actions.refused;
        if (!HumanTurn() || form->bets[4] != betBefore || form->actionCount != actionsBefore ||
            form->cellStatus->GetNarrowText() != "Puntata non valida!") {
            Fail("a bet below the highest computer bet was not refused cleanly");
        }
        return false;
    }
    ++actions.bets;
    const std::string expected = (amount == highest ? "VEDO: " : "PUNTO: ") + IntToText(amount);
    if (form->bets[4] != amount || form->cellActionPlayer->GetNarrowText() != expected) {
        Fail("an accepted bet of " + std::to_string(amount) + " was not recorded");
    }
    return true;
}

void Soak::PlayHumanTurn() {
    if (Chance(3) == 0) {
        MoveSlider(1 + Chance(8));
    }
    for (int attempt = 0; attempt < 4; ++attempt) {
        const int choice = Chance(100);
        if (choice < 20 || attempt == 3) {
            const int betBefore = form->bets[4];
            const int chipsBefore = form->chips[4];
            const int potBefore = form->pot;
            Click(form->buttonPasso);
            ++actions.passes;
            if (form->bets[4] != 0 || form->chips[4] != chipsBefore - betBefore ||
                form->pot != potBefore + betBefore ||
                form->cellActionPlayer->GetNarrowText() != "PASSO") {
                Fail("a pass did not forfeit the human's bet to the pot");
            }
            break;
        }
        if (choice < 45 && Enabled(form->buttonVedo)) {
            const int highest = HighestComputerBet(form);
            Click(form->buttonVedo);
            ++actions.calls;
            if (form->bets[4] != highest ||
                form->cellActionPlayer->GetNarrowText() != "VEDO: " + IntToText(highest)) {
                Fail("a call did not match the highest computer bet");
            }
            break;
        }
        MoveSlider(1 + Chance(8));
        if (TryBet()) {
            break;
        }
    }
    CheckHumanLocked();
}

void Soak::CheckHumanLocked() {
    if (Enabled(form->buttonPasso) || Enabled(form->buttonVedo) || Enabled(form->buttonPunto) ||
        Enabled(form->sliderBet) || form->sliderBet->GetValue() != 1 ||
        form->buttonPunto->GetNarrowText() != IntToText(MyGame::BetUnit)) {
        Fail("the human's controls are not locked and reset after his action");
    }
}

// Every card shown on the table is a card of its slot's owner, shown once,
// and a face always matches the slot's card.
void Soak::CheckTable() {
    std::set<int> seen;
    for (int s = 0; s < MyGame::CardSlotCount; ++s) {
        Tavrik::Image* slot = form->imageCards[s];
        if (!slot->visible) {
            continue;
        }
        if (slot->tag.empty()) {
            if (slot->resourceId != CardBack) {
                Fail("slot " + std::to_string(s) + " shows a face but holds no card");
            }
            continue;
        }
        const int code = std::atoi(slot->tag.c_str());
        if (code < 1 || code > 40 || !seen.insert(code).second) {
            Fail("card code " + slot->tag + " is shown twice or is out of range");
        }
        if (slot->resourceId != CardBack && slot->resourceId != CardBack + code) {
            Fail("slot " + std::to_string(s) + " shows another card's face");
        }
        const std::vector<int>& hand = form->hands[SlotOwner(s)];
        bool held = false;
        for (int card : hand) {
            held = held || card == code;
        }
        if (!held) {
            Fail("slot " + std::to_string(s) + " shows card " + slot->tag +
                 " that its player was not dealt");
        }
    }
}

void Soak::CheckIdle() {
    if (form->handInProgress || form->buttonGioca->GetNarrowText() != "GIOCA") {
        Fail("\"ABBANDONA\" did not bring the table back to idle");
    }
    for (Tavrik::Image* slot : form->imageCards) {
        if (!slot->visible || !slot->tag.empty() || slot->resourceId != CardBack) {
            Fail("the idle table does not show every slot face down");
            break;
        }
    }
    CheckHumanLocked();
}

void Soak::CheckSummary() {
    static const char* const prefixes[] = {"PC 1: ", "PC 2: ", "PC 3: ", "Giocatore: "};
    Tavrik::CellControl* lines[] = {form->cellResultsLine1, form->cellResultsLine2,
                                    form->cellResultsLine3, form->cellResultsLine4};
    if (!Shown(form->panelResults) || form->cellResultsHeading->GetNarrowText() != "Vincite Mano") {
        Fail("the summary panel is not shown");
        return;
    }
    int sum = 0;
    for (int p = 1; p <= 4; ++p) {
        int gain = 0;
        if (!ParseAmount(lines[p - 1]->GetNarrowText(), prefixes[p - 1], gain)) {
            Fail("unreadable summary line \"" + lines[p - 1]->GetNarrowText() + "\"");
            return;
        }
        if (gain != form->chips[p] - form->startChips[p]) {
            Fail("the summary line of player " + std::to_string(p) + " is not its gain");
        }
        sum += gain;
    }
    if (sum != 0) {
        Fail("the summary gains add up to " + std::to_string(sum));
    }
    if (TotalChips() != total) {
        Fail("the chips add up to " + std::to_string(TotalChips()) + " instead of " +
             std::to_string(total));
    }
    std::set<int> dealt;
    for (int p = 1; p <= 4; ++p) {
        if (form->hands[p].size() != 10) {
            Fail("player " + std::to_string(p) + " was not dealt ten cards");
        }
        dealt.insert(form->hands[p].begin(), form->hands[p].end());
    }
    if (dealt.size() != 40 || *dealt.begin() != 1 || *dealt.rbegin() != 40) {
        Fail("the hand did not deal the forty cards once each");
    }
}

void Soak::Start() {
    Click(form->buttonGioca);
    stepsThisHand = 0;
    if (!form->handInProgress || form->buttonGioca->GetNarrowText() != "ABBANDONA") {
        Fail("\"GIOCA\" did not start a hand");
    }
}

// Leaves the game and starts a new one; the antes and the pot of an
// unfinished hand stay lost, so the expected total follows the table.
void Soak::Abandon() {
    Click(form->buttonGioca);
    ++actions.abandons;
    CheckIdle();
    total = TotalChips();
    Start();
}

Figures Soak::Measure() {
    auto begin = std::chrono::steady_clock::now();
    Figures figures;
    // Memory first: counting the headroom makes and frees tens of thousands of objects.
    figures.privateBytes = static_cast<long long>(PrivateBytes(GetCurrentProcess()));
    figures.windows = CountProcessWindows(GetCurrentProcessId());
    figures.headroom = GdiHeadroom();
    measureSeconds +=
        std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    return figures;
}

// What the window costs once it stands, and how long it takes to paint all of it.
void Soak::ReportStartUp(int headroomBefore) {
    const int headroomUsed = headroomBefore - GdiHeadroom();
    std::vector<double> micros;
    for (int i = 0; i < StartUpRepaints; ++i) {
        auto begin = std::chrono::steady_clock::now();
        RedrawWindow(form->handle, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        GdiFlush();
        micros.push_back(
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - begin)
                .count());
    }
    std::sort(micros.begin(), micros.end());
    std::printf("startup: gdi_headroom_used=%d repaint_us_median=%.0f (over %d full repaints)\n",
                headroomUsed, micros[micros.size() / 2], StartUpRepaints);
    std::fflush(stdout);
}

void Soak::Checkpoint(const char* label) {
    last = Measure();
    if (!haveBaseline) {
        baseline = last;
        haveBaseline = true;
    }
    maxWindows = last.windows > maxWindows ? last.windows : maxWindows;
    privateSamples.push_back(last.privateBytes);
    std::printf("checkpoint %-8s hands=%d steps=%lld gdi_headroom=%d windows=%d private_kb=%lld\n",
                label, handsDone, steps, last.headroom, last.windows, last.privateBytes / 1024);
    std::fflush(stdout);
}

int Soak::Run() {
    Tavrik::SeedRandom(options.seed);
    const int checkpointEvery = options.checkpointEvery > 0
                                    ? options.checkpointEvery
                                    : (options.hands / 20 > 0 ? options.hands / 20 : 1);
    const int headroomBefore = GdiHeadroom();
    form = new FormMain(GetModuleHandleW(nullptr), std::string(CARVELLA_NAME) + " soak");
    Pump();
    ReportStartUp(headroomBefore);
    auto begin = std::chrono::steady_clock::now();
    Start();
    while (!failed && handsDone < options.hands) {
        if (!form->handInProgress) {
            if (form->buttonGioca->GetNarrowText() != "ABBANDONA") {
                Fail("the hand ended without its summary");
                break;
            }
            CheckSummary();
            ++handsDone;
            if (handsDone == WarmUpHands || handsDone % checkpointEvery == 0) {
                Checkpoint(handsDone == WarmUpHands ? "baseline" : "");
            }
            if (handsDone == options.hands) {
                break;
            }
            if (Chance(40) == 0) {
                Abandon();
            } else {
                Click(form->buttonContinua);
                ++actions.continues;
                stepsThisHand = 0;
                if (!form->handInProgress || Shown(form->panelResults)) {
                    Fail("\"Continua\" did not start the next hand");
                }
            }
            continue;
        }
        if (Chance(800) == 0) {
            Abandon();
            continue;
        }
        if (HumanTurn()) {
            PlayHumanTurn();
        }
        Step();
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count() -
        measureSeconds;
    if (!failed && handsDone % checkpointEvery != 0) {
        Checkpoint("final");
    }

    closing = true;
    DestroyWindow(form->handle);
    Pump();
    delete form;

    const int headroomLoss = baseline.headroom - last.headroom;
    const int windowGrowth = last.windows - baseline.windows;
    const long long privateGrowth = PrivateFloorGrowth(privateSamples);
    std::printf("actions: passes=%lld calls=%lld bets=%lld refused=%lld slider=%lld "
                "abandons=%lld continues=%lld\n",
                actions.passes, actions.calls, actions.bets, actions.refused, actions.sliderMoves,
                actions.abandons, actions.continues);
    std::printf("soak: hands=%d steps=%lld seconds=%.1f hands_per_s=%.1f steps_per_s=%.0f "
                "gdi_headroom_lost=%d windows_growth=%d private_growth_kb=%lld\n",
                handsDone, steps, seconds, seconds > 0 ? handsDone / seconds : 0.0,
                seconds > 0 ? steps / seconds : 0.0, headroomLoss, windowGrowth,
                privateGrowth / 1024);
    if (!failed && handsDone >= HandsForFullCoverage &&
        (actions.passes == 0 || actions.calls == 0 || actions.bets == 0 || actions.refused == 0 ||
         actions.abandons == 0 || actions.continues == 0)) {
        Fail("the random human never took one of the table's actions");
    }
    if (!failed && handsDone < options.hands) {
        Fail("only " + std::to_string(handsDone) + " hands were played");
    }
    if (headroomLoss > AllowedHeadroomLoss) {
        Fail("GDI headroom lost: " + std::to_string(headroomLoss) + " (allowed " +
             std::to_string(AllowedHeadroomLoss) + ")");
    }
    if (windowGrowth > AllowedWindowGrowth || maxWindows > baseline.windows) {
        Fail("the window count grew from " + std::to_string(baseline.windows) + " to " +
             std::to_string(maxWindows));
    }
    if (privateGrowth >= AllowedPrivateGrowth) {
        Fail("private bytes grew by " + std::to_string(privateGrowth) + " (allowed below " +
             std::to_string(AllowedPrivateGrowth) + ")");
    }
    std::printf("result: %s\n", failed ? "FAIL" : "PASS");
    return failed ? 1 : 0;
}

bool ReadOptions(int argc, wchar_t** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        std::wstring name = argv[i];
        if (i + 1 >= argc) {
            return false;
        }
        long value = std::wcstol(argv[++i], nullptr, 10);
        if (name == L"--hands" && value > 0) {
            options.hands = static_cast<int>(value);
        } else if (name == L"--seed" && value >= 0) {
            options.seed = static_cast<unsigned>(value);
        } else if (name == L"--checkpoint" && value > 0) {
            options.checkpointEvery = static_cast<int>(value);
        } else {
            return false;
        }
    }
    return true;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    Options options;
    if (!ReadOptions(argc, argv, options)) {
        std::printf("usage: carvella_soak [--hands N] [--seed S] [--checkpoint K]\n");
        return 2;
    }
    std::printf("soak: hands=%d seed=%u\n", options.hands, options.seed);
    std::fflush(stdout);
    Soak soak(options);
    return soak.Run();
}
