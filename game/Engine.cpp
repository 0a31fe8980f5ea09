#include "game/FormMain.h"

#include "game/rules/HandValue.h"
#include "game/rules/Strategy.h"
#include "toolkit/Button.h"
#include "toolkit/Image.h"
#include "toolkit/Panel.h"
#include "toolkit/Slider.h"
#include "toolkit/TextServices.h"

#include <algorithm>

namespace MyGame {

using Tavrik::Int64ToText;
using Tavrik::IntToText;

int tickCount = 0;
bool tickBusy = false;
bool skipNextStep = false;

void FormMain::OnTimer() {
    if (tickBusy) {
        return;
    }
    tickBusy = true;
    if (!handInProgress) {
        tickCount = 0;
    } else if (++tickCount > TicksPerStep) {
        tickCount = 0;
        RunStep();
    }
    tickBusy = false;
}

int FormMain::RoundPrize() {
    return finalRound ? FinalRoundPrize : DealRoundPrize;
}

void FormMain::RunStep() {
    if (skipNextStep) {
        skipNextStep = false;
    } else if (advancePending) {
        advancePending = false;
        AdvanceTurn(ScanBets().unequal);
    } else if (closePending) {
        closePending = false;
        if (ScanBets().unequal) {
            AdvanceTurn(true);
        } else {
            SettleRound();
            skipNextStep = true;
            dealPending = true;
        }
    } else if (closeDelay) {
        closeDelay = false;
        closePending = true;
    } else if (dealDelay) {
        dealDelay = false;
        dealPending = true;
        cellStatus->SetText("");
    } else if (dealPending) {
        dealPending = false;
        if (!finalRound && cardsLeft != 0) {
            DealCards();
            AdvanceTurn(false);
        } else if (!finalRound) {
            ResetTable();
            finalRound = true;
            ShowFinalHand();
            AdvanceTurn(false);
        } else {
            EndHand();
        }
    } else if (currentPlayer != 4) {
        PlayComputerTurn();
    }
}

void FormMain::PlayComputerTurn() {
    const int p = PlayerSlot(currentPlayer);
    BetScan scan = ScanBets();
    std::vector<int> cards = finalRound ? HandCards(p) : TableCards(p);
    if (scan.maxBet == 0 && p == dealer) {
        // Bets forfeited earlier in the round go with the prize, so no chip is lost.
        int prize = RoundPrize() + pot;
        AddChips(p, prize);
        AnnounceWinner(p, prize);
        dealPending = true;
        return;
    }
    if (scan.unequal && !(bets[p] > 0 && bets[p] < scan.maxBet)) {
        // Nothing to match: the turn goes on rather than waiting here.
        AdvanceTurn(true);
        return;
    }
    const int toCall = scan.maxBet - bets[p];
    const int points = BestSuitValue(cards);
    Tavrik::CellControl* cell = ActionCell(p);
    if (finalRound) {
        FinalRoundStrategy(toCall, points, cell);
    } else if (cardsLeft != 0) {
        DealRoundStrategy(toCall, points, cell);
    } else {
        LastDealStrategy(toCall, points, cell);
    }
    ++actionCount;
    if (p != dealer) {
        AdvanceTurn(scan.unequal);
    } else {
        closePending = true;
        cellStatus->SetText("");
    }
}

BetScan FormMain::ScanBets() {
    BetScan scan;
    for (int p = 1; p <= 4; ++p) {
        scan.maxBet = std::max(scan.maxBet, bets[p]);
    }
    if (actionCount >= 4 && scan.maxBet != 0) {
        for (int p = 1; p <= 4; ++p) {
            if (bets[p] > 0 && bets[p] != scan.maxBet) {
                scan.unequal = true;
            }
        }
    }
    return scan;
}

void FormMain::AdvanceTurn(bool skipIdle) {
    // Passing over players without a bet only makes sense while someone has one.
    const bool anyBet = std::any_of(bets.begin() + 1, bets.end(), [](int b) { return b > 0; });
    skipIdle = skipIdle && anyBet;
    for (;;) {
        currentPlayer = PlayerSlot(currentPlayer) % 4 + 1;
        if (skipIdle && bets[currentPlayer] <= 0) {
            continue;
        }
        BetScan scan = ScanBets();
        skipIdle = scan.unequal;
        if (currentPlayer == 4 && dealer == 4) {
            break;
        }
        if (actionCount <= 4 || (bets[currentPlayer] != scan.maxBet && bets[currentPlayer] != 0)) {
            AnnounceTurn();
            return;
        }
        if (scan.unequal || currentPlayer != dealer) {
            continue;
        }
        closeDelay = true;
        cellStatus->SetText("");
        return;
    }
    // The human is the dealer and his turn has come.
    BetScan scan = ScanBets();
    if (scan.maxBet == 0) {
        int prize = RoundPrize() + pot;
        AddChips(4, prize);
        AnnounceWinner(4, prize);
        dealDelay = true;
        return;
    }
    if (scan.unequal || (bets[4] != scan.maxBet && (bets[4] != 0 || actionCount <= 4))) {
        AnnounceTurn();
        return;
    }
    closeDelay = true;
    cellStatus->SetText("");
}

void FormMain::ForfeitBet() {
    const int p = PlayerSlot(currentPlayer);
    if (bets[p] <= 0) {
        return;
    }
    chips[p] -= bets[p];
    ShowChips();
    pot += bets[p];
    bets[p] = 0;
}

void FormMain::AddChips(int player, int amount) {
    chips[PlayerSlot(player)] += amount;
    ShowChips();
}

int FormMain::OthersWithBets(int player) {
    int others = 0;
    for (int q = 1; q <= 4; ++q) {
        if (q != player && bets[q] > 0) {
            ++others;
        }
    }
    return others;
}

void FormMain::ApplyDecision(const BetDecision& decision, Tavrik::CellControl* cell) {
    const int p = PlayerSlot(currentPlayer);
    if (decision.action == BetAction::Pass) {
        ForfeitBet();
    } else {
        bets[p] = decision.bet;
    }
    cell->SetText(decision.text);
    cell->Show();
}

namespace {

BetSituation Situation(int toCall, int points, int ownBet, int others) {
    BetSituation situation;
    situation.toCall = toCall;
    situation.points = points;
    situation.ownBet = ownBet;
    situation.others = others;
    return situation;
}

} // namespace

void FormMain::DealRoundStrategy(int toCall, int points, Tavrik::CellControl* cell) {
    const int p = PlayerSlot(currentPlayer);
    ApplyDecision(DecideDealRound(Situation(toCall, points, bets[p], OthersWithBets(p)),
                                  Tavrik::RandomUpTo, IntToText),
                  cell);
}

void FormMain::LastDealStrategy(int toCall, int points, Tavrik::CellControl* cell) {
    const int p = PlayerSlot(currentPlayer);
    ApplyDecision(DecideLastDeal(Situation(toCall, points, bets[p], OthersWithBets(p)),
                                 Tavrik::RandomUpTo, IntToText),
                  cell);
}

void FormMain::FinalRoundStrategy(int toCall, int points, Tavrik::CellControl* cell) {
    const int p = PlayerSlot(currentPlayer);
    ApplyDecision(DecideFinalRound(Situation(toCall, points, bets[p], OthersWithBets(p)),
                                   Tavrik::RandomUpTo, IntToText),
                  cell);
}

void FormMain::SettleRound() {
    cellStatus->SetText("");
    const int prize = RoundPrize();
    int bettors = 0;
    int lone = 0;
    for (int p = 1; p <= 4; ++p) {
        if (bets[p] != 0) {
            ++bettors;
            lone = p;
        }
    }
    if (bettors <= 1) {
        // With nobody left in, the dealer takes the round as when nobody bets.
        const int winner = bettors == 1 ? lone : PlayerSlot(dealer);
        const int amount = pot + prize;
        AddChips(winner, amount);
        AnnounceWinner(winner, amount);
        return;
    }
    int best = 0;
    int winner = 0;
    std::vector<int> winningCards;
    for (int k = 0; k < 4; ++k) {
        const int p = (PlayerSlot(dealer) + k) % 4 + 1;
        if (bets[p] == 0) {
            continue;
        }
        std::vector<int> cards = finalRound ? HandCards(p) : TableCards(p);
        const int value = BestSuitValue(cards);
        Tavrik::CellControl* cell = ActionCell(p);
        cell->SetText("PUNTI: " + Int64ToText(value));
        cell->Show();
        if (value > best || winner == 0) {
            best = value;
            winner = p;
            winningCards = cards;
        }
    }
    int total = prize;
    for (int q = 1; q <= 4; ++q) {
        if (bets[q] > 0) {
            total += bets[q];
            chips[q] -= bets[q];
            ShowChips();
        }
    }
    const int amount = pot + total;
    const int gain = amount - bets[winner];
    AddChips(winner, amount);
    AnnounceWinner(winner, gain);
    ShowScoringCards(winningCards, winner);
}

void FormMain::AnnounceWinner(int player, int amount) {
    const std::string a = IntToText(amount);
    if (player >= 1 && player < 4) {
        cellStatus->SetText("PC " + Int64ToText(player) + " vince " + a);
    } else {
        cellStatus->SetText("Vinci " + a);
    }
}

void FormMain::EndHand() {
    handInProgress = false;
    ResetBetting();
    for (Tavrik::Image* slot : imageCards) {
        slot->SetEnabled(false);
    }
    cellStatus->SetText("");
    imageMarker->Hide();
    cellResultsHeading->SetText("Vincite Mano");
    cellResultsLine1->SetText("PC 1: " + IntToText(chips[1] - startChips[1]));
    cellResultsLine2->SetText("PC 2: " + IntToText(chips[2] - startChips[2]));
    cellResultsLine3->SetText("PC 3: " + IntToText(chips[3] - startChips[3]));
    cellResultsLine4->SetText("Giocatore: " + IntToText(chips[4] - startChips[4]));
    panelResults->Show();
}

int FormMain::HighestComputerBet() {
    return std::max({0, bets[1], bets[2], bets[3]});
}

void FormMain::HandTurnBack(bool unequal) {
    if (dealer == 4 && !unequal) {
        closeDelay = true;
    } else {
        advancePending = true;
    }
    cellStatus->SetText("");
}

void FormMain::Pass() {
    // A click that arrives after the controls locked is not a second action.
    if (!buttonPasso->enabled) {
        return;
    }
    ++actionCount;
    SetHumanControls(true);
    BetScan scan = ScanBets();
    cellActionPlayer->Show();
    cellActionPlayer->SetText("PASSO");
    ForfeitBet();
    HandTurnBack(scan.unequal);
}

void FormMain::Call() {
    if (!buttonVedo->enabled) {
        return;
    }
    ++actionCount;
    SetHumanControls(true);
    bets[4] = HighestComputerBet();
    cellActionPlayer->Show();
    cellActionPlayer->SetText("VEDO: " + IntToText(bets[4]));
    HandTurnBack(ScanBets().unequal);
}

void FormMain::Bet() {
    if (!buttonPunto->enabled) {
        return;
    }
    const int amount = sliderBet->GetValue() * BetUnit;
    const int highest = HighestComputerBet();
    if (highest > amount) {
        cellStatus->SetText("Puntata non valida!");
        MessageBeep(0xFFFFFFFF);
        return;
    }
    ++actionCount;
    SetHumanControls(true);
    bets[4] = amount;
    cellActionPlayer->Show();
    cellActionPlayer->SetText((amount == highest ? "VEDO: " : "PUNTO: ") + IntToText(amount));
    HandTurnBack(ScanBets().unequal);
}

} // namespace MyGame
