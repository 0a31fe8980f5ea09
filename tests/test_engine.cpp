// The betting engine, the computer players' turns, the settlement and the
// human's buttons, driven through the timer's operation on a real game window.
#include "test_form_main_fixture.h"

#include "game/rules/HandValue.h"
#include "toolkit/Panel.h"

#include <numeric>

using namespace GameTest;
using std::array;

namespace {

class Engine : public TableTest {
protected:
    // A hand in its first deal round, with the given dealer, the deal done
    // and the turn at the player after the dealer.
    void DealtHand(int dealer) {
        form->StartGame();
        form->Shuffle();
        form->dealer = dealer;
        form->currentPlayer = dealer % 4 + 1;
        form->DealCards();
        form->AnnounceTurn();
    }

    // Puts exactly these cards into a player's deal-round slots.
    void SetTableCards(int player, const std::vector<int>& codes) {
        const int first = player >= 1 && player <= 3 ? 3 * (player - 1) : 9;
        for (int k = 0; k < 3; ++k) {
            Tavrik::Image* slot = form->imageCards[first + k];
            if (k < static_cast<int>(codes.size())) {
                slot->tag = Tavrik::Int64ToText(codes[k]);
                slot->Show();
            } else {
                slot->tag.clear();
                slot->Hide();
            }
        }
    }

    std::wstring Status() { return WindowText(form->cellStatus->handle); }
    std::wstring Cell(int player) { return WindowText(form->ActionCell(player)->handle); }

    // The human's turn with the slider at a position.
    void HumanTurn(int position) {
        form->currentPlayer = 4;
        form->AnnounceTurn();
        form->sliderBet->SetValue(position);
    }
};

// Low cards of three suits: 14 points.
const std::vector<int> Poor = {2, 13, 24};

} // namespace

TEST_F(Engine, AStepEveryNinetyFirstTickOnlyDuringAHand) {
    for (int tick = 0; tick < 500; ++tick) {
        form->OnTimer();
    }
    EXPECT_EQ(MyGame::tickCount, 0);
    DealtHand(4);
    form->closeDelay = true;
    for (int tick = 0; tick < 90; ++tick) {
        form->OnTimer();
    }
    EXPECT_TRUE(form->closeDelay);
    form->OnTimer();
    EXPECT_FALSE(form->closeDelay);
    EXPECT_TRUE(form->closePending);
    EXPECT_EQ(MyGame::tickCount, 0);
    // A tick arriving while a step runs is dropped and not counted.
    MyGame::tickBusy = true;
    form->OnTimer();
    EXPECT_EQ(MyGame::tickCount, 0);
    MyGame::tickBusy = false;
    form->OnTimer();
    EXPECT_EQ(MyGame::tickCount, 1);
}

TEST_F(Engine, StepConditionsInTheirFixedOrder) {
    DealtHand(2);
    form->currentPlayer = 4;
    MyGame::skipNextStep = true;
    form->advancePending = true;
    form->closePending = true;
    form->closeDelay = true;
    form->dealDelay = true;
    form->dealPending = true;
    Step();
    EXPECT_FALSE(MyGame::skipNextStep);
    EXPECT_TRUE(form->advancePending);
    Step();
    EXPECT_FALSE(form->advancePending);
    EXPECT_EQ(form->currentPlayer, 1);
    EXPECT_TRUE(form->closePending && form->closeDelay && form->dealDelay && form->dealPending);
    Step();
    // closePending with equal (no) bets settles: the dealer is paid, a pause follows.
    EXPECT_FALSE(form->closePending);
    EXPECT_TRUE(MyGame::skipNextStep);
    EXPECT_TRUE(form->closeDelay);
    Step();
    EXPECT_FALSE(MyGame::skipNextStep);
    EXPECT_TRUE(form->closeDelay);
    Step();
    EXPECT_FALSE(form->closeDelay);
    EXPECT_TRUE(form->closePending);
}

TEST_F(Engine, EverybodyPassesWithAComputerDealer) {
    for (bool finalRound : {false, true}) {
        SCOPED_TRACE(finalRound);
        DealtHand(3);
        form->finalRound = finalRound;
        form->currentPlayer = 3;
        form->actionCount = 3;
        const int before = form->chips[3];
        Step();
        const int prize = finalRound ? 4000 : 500;
        EXPECT_EQ(form->chips[3], before + prize);
        EXPECT_EQ(Status(), L"PC 3 vince " + Amount(prize));
        EXPECT_TRUE(form->dealPending);
        EXPECT_FALSE(form->cellActionPc3->visible);
        if (!finalRound) {
            Step();
            EXPECT_EQ(form->cardsLeft, 16);
            EXPECT_EQ(form->currentPlayer, 4);
            EXPECT_EQ(Status(), L"Tocca a te");
        } else {
            Step();
            EXPECT_FALSE(form->handInProgress);
            EXPECT_TRUE(Shown(form->panelResults));
        }
        form->AbandonGame();
    }
}

TEST_F(Engine, EverybodyPassesWithTheHumanDealer) {
    for (bool finalRound : {false, true}) {
        SCOPED_TRACE(finalRound);
        DealtHand(4);
        form->finalRound = finalRound;
        const int before = form->chips[4];
        // PC 1 to PC 3 passed; PC 3's action hands the turn on at the next step.
        form->currentPlayer = 3;
        form->actionCount = 3;
        form->advancePending = true;
        Step();
        EXPECT_EQ(form->currentPlayer, 4);
        const int prize = finalRound ? 4000 : 500;
        EXPECT_EQ(form->chips[4], before + prize);
        EXPECT_EQ(Status(), L"Vinci " + Amount(prize));
        EXPECT_TRUE(form->dealDelay);
        EXPECT_FALSE(IsWindowEnabled(form->buttonPasso->handle));
        Step();
        EXPECT_EQ(Status(), L"");
        EXPECT_TRUE(form->dealPending);
        EXPECT_EQ(form->cardsLeft, 28);
        Step();
        if (!finalRound) {
            EXPECT_EQ(form->cardsLeft, 16);
        } else {
            EXPECT_TRUE(Shown(form->panelResults));
        }
        form->AbandonGame();
    }
}

TEST_F(Engine, ALoneBettorTakesThePotAndThePrize) {
    DealtHand(4);
    form->bets = {0, 0, 500, 0, 0};
    form->pot = 1500;
    form->actionCount = 4;
    form->closePending = true;
    const array<int, 5> before = form->chips;
    Step();
    EXPECT_EQ(form->chips[2], before[2] + 2000);
    EXPECT_EQ(Status(), L"PC 2 vince " + Amount(2000));
    EXPECT_EQ(form->chips[1], before[1]);
    EXPECT_EQ(form->chips[4], before[4]);
    EXPECT_FALSE(form->cellActionPc2->visible);
    EXPECT_TRUE(MyGame::skipNextStep);
    EXPECT_TRUE(form->dealPending);
    Step();
    EXPECT_EQ(form->cardsLeft, 28);
    Step();
    EXPECT_EQ(form->cardsLeft, 16);
    EXPECT_EQ(form->pot, 0);
}

TEST_F(Engine, EqualBetsCloseAtTheDealer) {
    // Four actions: PC 2 passed, the others bet 500 each, the dealer (PC 3) last.
    DealtHand(3);
    form->bets = {0, 500, 0, 500, 500};
    form->actionCount = 4;
    form->currentPlayer = 3;
    form->closePending = true;
    Step();
    EXPECT_TRUE(MyGame::skipNextStep);
    EXPECT_TRUE(form->dealPending);
    EXPECT_EQ(form->currentPlayer, 3);
    EXPECT_NE(Status().find(L"vinc"), std::wstring::npos);
    // The human as dealer calling the same amount closes the round too
    // (the pause left by the settlement above is not wanted here).
    MyGame::skipNextStep = false;
    DealtHand(4);
    form->bets = {0, 500, 500, 0, 0};
    form->actionCount = 3;
    HumanTurn(1);
    Click(form->buttonVedo);
    EXPECT_TRUE(form->closeDelay);
    Step();
    EXPECT_TRUE(form->closePending);
    Step();
    EXPECT_TRUE(MyGame::skipNextStep);
}

TEST_F(Engine, APassAfterABetMovesTheBetToThePot) {
    DealtHand(4);
    form->bets = {0, 1500, 0, 0, 0};
    form->currentPlayer = 1;
    const int before = form->chips[1];
    form->ForfeitBet();
    EXPECT_EQ(form->chips[1], before - 1500);
    EXPECT_EQ(form->pot, 1500);
    EXPECT_EQ(form->bets[1], 0);
    EXPECT_EQ(WindowText(form->cellChipsPc1->handle), Amount(before - 1500));
    form->ForfeitBet();
    EXPECT_EQ(form->pot, 1500);
}

TEST_F(Engine, UnequalBetsGiveTurnsOnlyToThoseBelowTheHighest) {
    DealtHand(3);
    // PC 1 passed, PC 2 bet 500, the human 1500 and the dealer called 1500.
    form->bets = {0, 0, 500, 1500, 1500};
    form->actionCount = 4;
    form->currentPlayer = 3;
    form->closePending = true;
    Step();
    // Right after the first pass the next player still in gets his turn.
    EXPECT_EQ(form->currentPlayer, 4);
    EXPECT_EQ(Status(), L"Tocca a te");
    EXPECT_FALSE(IsWindowEnabled(form->buttonVedo->handle));
    form->sliderBet->SetValue(3);
    Click(form->buttonPunto);
    EXPECT_TRUE(form->advancePending);
    Step();
    // PC 1 has no bet and is passed over; PC 2 is below the highest bet.
    EXPECT_EQ(form->currentPlayer, 2);
    EXPECT_EQ(Status(), L"Tocca al pc 2");
    // After PC 2 calls, the turn runs on to the dealer and the round closes.
    form->bets[2] = 1500;
    form->actionCount = 6;
    form->AdvanceTurn(true);
    EXPECT_EQ(form->currentPlayer, 3);
    EXPECT_TRUE(form->closeDelay);
    EXPECT_EQ(Status(), L"");
}

TEST_F(Engine, TheHumanDealerGetsATurnWhileALowerBetIsOpen) {
    DealtHand(4);
    form->bets = {0, 500, 0, 4000, 4000};
    form->actionCount = 5;
    form->currentPlayer = 3;
    form->AdvanceTurn(true);
    EXPECT_EQ(form->currentPlayer, 4);
    EXPECT_EQ(Status(), L"Tocca a te");
    EXPECT_TRUE(IsWindowEnabled(form->buttonPasso->handle));
    EXPECT_FALSE(IsWindowEnabled(form->buttonVedo->handle));
    // His call keeps the bets unequal: PC 1 must act next, not the close.
    Click(form->buttonPunto);
    EXPECT_EQ(Status(), L"Puntata non valida!");
    form->sliderBet->SetValue(8);
    Click(form->buttonPunto);
    EXPECT_TRUE(form->advancePending);
    EXPECT_FALSE(form->closeDelay);
    Step();
    EXPECT_EQ(form->currentPlayer, 1);
}

TEST_F(Engine, AbandonWithAStepFlagSetThenANewGame) {
    DealtHand(2);
    form->closePending = true;
    MyGame::skipNextStep = true;
    Click(form->buttonGioca);
    for (int tick = 0; tick < 300; ++tick) {
        form->OnTimer();
    }
    EXPECT_TRUE(form->closePending);
    EXPECT_TRUE(MyGame::skipNextStep);
    EXPECT_EQ(form->cardsLeft, 28);
    Click(form->buttonGioca);
    EXPECT_FALSE(form->closePending);
    const int player = form->currentPlayer;
    const array<int, 5> bets = form->bets;
    Step();
    // The first due step of the new game does nothing.
    EXPECT_FALSE(MyGame::skipNextStep);
    EXPECT_EQ(form->currentPlayer, player);
    EXPECT_EQ(form->bets, bets);
    EXPECT_EQ(form->actionCount, 0);
}

TEST_F(Engine, TheBetRuleAgainstAComputerBetOf1500) {
    struct Case {
        int position;
        bool accepted;
        int bet;
        std::wstring text;
    };
    const Case cases[] = {{1, false, 0, L""},
                          {3, true, 1500, L"VEDO: " + Amount(1500)},
                          {8, true, 4000, L"PUNTO: " + Amount(4000)}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.position);
        DealtHand(3);
        form->bets = {0, 1500, 0, 0, 0};
        form->actionCount = 1;
        HumanTurn(c.position);
        Click(form->buttonPunto);
        if (c.accepted) {
            EXPECT_EQ(form->bets[4], c.bet);
            EXPECT_EQ(form->actionCount, 2);
            EXPECT_EQ(Cell(4), c.text);
            EXPECT_TRUE(form->cellActionPlayer->visible);
            EXPECT_TRUE(form->advancePending);
            EXPECT_EQ(Status(), L"");
            EXPECT_FALSE(IsWindowEnabled(form->buttonPunto->handle));
            EXPECT_EQ(SendMessageW(form->sliderBet->handle, TBM_GETPOS, 0, 0), 1);
            EXPECT_EQ(WindowText(form->buttonPunto->handle), Amount(500));
        } else {
            EXPECT_EQ(form->bets[4], 0);
            EXPECT_EQ(form->actionCount, 1);
            EXPECT_EQ(Status(), L"Puntata non valida!");
            EXPECT_TRUE(IsWindowEnabled(form->buttonPunto->handle));
            EXPECT_FALSE(form->advancePending);
        }
        form->AbandonGame();
    }
}

TEST_F(Engine, PassAndCallFromTheButtons) {
    DealtHand(3);
    form->bets = {0, 0, 0, 0, 2000};
    form->actionCount = 5;
    HumanTurn(1);
    const int before = form->chips[4];
    Click(form->buttonPasso);
    EXPECT_EQ(Cell(4), L"PASSO");
    EXPECT_EQ(form->chips[4], before - 2000);
    EXPECT_EQ(form->pot, 2000);
    EXPECT_EQ(form->bets[4], 0);
    EXPECT_EQ(form->actionCount, 6);
    // A second click on the locked button is no second action.
    Click(form->buttonPasso);
    EXPECT_EQ(form->actionCount, 6);

    // The human deals and calls three bets of 500: the round closes.
    DealtHand(4);
    form->bets = {0, 500, 500, 500, 0};
    form->actionCount = 3;
    HumanTurn(1);
    EXPECT_TRUE(IsWindowEnabled(form->buttonVedo->handle));
    Click(form->buttonVedo);
    EXPECT_EQ(form->bets[4], 500);
    EXPECT_EQ(Cell(4), L"VEDO: " + Amount(500));
    EXPECT_TRUE(form->closeDelay);
    EXPECT_FALSE(form->advancePending);
    // Had one of them bet 1500, the lower bets would act again.
    DealtHand(4);
    form->bets = {0, 500, 1500, 500, 0};
    form->actionCount = 3;
    HumanTurn(1);
    Click(form->buttonVedo);
    EXPECT_EQ(form->bets[4], 1500);
    EXPECT_TRUE(form->advancePending);
    EXPECT_FALSE(form->closeDelay);
}

TEST_F(Engine, ShowdownAmountsPointsAndScoringCards) {
    DealtHand(2);
    // PC 1 with 30 points (three figures of coins), the human with 34 (7+ace+... of cups).
    SetTableCards(1, {8, 9, 10});
    SetTableCards(4, {17, 13, 2});
    SetTableCards(2, Poor);
    SetTableCards(3, Poor);
    ASSERT_EQ(MyGame::BestSuitValue(form->TableCards(1)), 30);
    ASSERT_EQ(MyGame::BestSuitValue(form->TableCards(4)), 34);
    form->bets = {0, 1500, 0, 0, 1500};
    const array<int, 5> before = form->chips;
    form->SettleRound();
    EXPECT_EQ(form->chips[1], before[1] - 1500);
    EXPECT_EQ(form->chips[4], before[4] + 2000);
    EXPECT_EQ(Status(), L"Vinci " + Amount(2000));
    EXPECT_EQ(Cell(1), L"PUNTI: 30");
    EXPECT_EQ(Cell(4), L"PUNTI: 34");
    EXPECT_FALSE(form->cellActionPc2->visible);
    EXPECT_TRUE(form->cellActionPc1->visible && form->cellActionPlayer->visible);
    EXPECT_EQ(std::accumulate(form->chips.begin(), form->chips.end(), 0),
              std::accumulate(before.begin(), before.end(), 0) + 500);
}

TEST_F(Engine, TiesGoToTheFirstPlayerAfterTheDealer) {
    DealtHand(4);
    SetTableCards(1, {7, 16, 22});
    SetTableCards(3, {27, 6, 32});
    form->bets = {0, 500, 0, 500, 0};
    form->pot = 1000;
    const array<int, 5> before = form->chips;
    form->SettleRound();
    EXPECT_EQ(form->chips[1], before[1] + 500 + 1000 + 500);
    EXPECT_EQ(form->chips[3], before[3] - 500);
    EXPECT_EQ(Status(), L"PC 1 vince " + Amount(2000));
    EXPECT_TRUE(FaceUp(0));
    EXPECT_EQ(Code(0), 7);
}

TEST_F(Engine, FinalRoundLoneWinnerAndShowdown) {
    DealtHand(3);
    while (form->cardsLeft > 0) {
        form->currentPlayer = form->dealer;
        form->DealCards();
    }
    form->ResetTable();
    form->finalRound = true;
    form->ShowFinalHand();
    // PC 1 bet 1500, the human raised to 4000 and PC 1 passed.
    form->bets = {0, 1500, 0, 0, 4000};
    form->currentPlayer = 1;
    form->ForfeitBet();
    const int before = form->chips[4];
    form->SettleRound();
    EXPECT_EQ(form->chips[4], before + 1500 + 4000);
    EXPECT_EQ(Status(), L"Vinci " + Amount(5500));

    // A showdown in the final round values the ten cards of the hand.
    form->bets = {0, 0, 4000, 0, 4000};
    form->pot = 0;
    const int two = MyGame::BestSuitValue(form->hands[2]);
    const int human = MyGame::BestSuitValue(form->hands[4]);
    form->SettleRound();
    EXPECT_EQ(Cell(2), L"PUNTI: " + Wide(Tavrik::Int64ToText(two)));
    EXPECT_EQ(Cell(4), L"PUNTI: " + Wide(Tavrik::Int64ToText(human)));
    if (two > human) {
        // The human is visited first (the dealer is PC 3) and keeps a tie.
        EXPECT_EQ(Status(), L"PC 2 vince " + Amount(8000));
        EXPECT_TRUE(FaceUp(3));
    } else {
        EXPECT_EQ(Status(), L"Vinci " + Amount(8000));
    }
}

TEST_F(Engine, SettlingWithNoBetLeftPaysTheDealerTheRound) {
    DealtHand(2);
    form->bets = {0, 0, 0, 0, 0};
    form->pot = 4000;
    const int before = form->chips[2];
    form->SettleRound();
    EXPECT_EQ(form->chips[2], before + 4500);
    EXPECT_EQ(Status(), L"PC 2 vince " + Amount(4500));
}

TEST_F(Engine, StrategiesWriteTheirActionIntoTheCell) {
    DealtHand(4);
    struct Case {
        int round; // 0 deal round, 1 last deal, 2 final round
        int player;
        array<int, 5> bets;
        int toCall;
        int points;
        int bet;
        std::wstring text;
    };
    const Case cases[] = {
        {0, 1, {0, 0, 0, 0, 0}, 0, 25, 500, L"PUNTO: " + Amount(500)},
        {0, 2, {0, 500, 0, 0, 0}, 500, 30, 500, L"VEDO: " + Amount(500)},
        {0, 3, {0, 500, 500, 0, 0}, 500, 30, 0, L"PASSO"},
        {0, 1, {0, 0, 500, 0, 0}, 500, 40, 1500, L"PUNTO: " + Amount(1500)},
        {1, 2, {0, 1500, 0, 0, 0}, 1500, 21, 1500, L"VEDO: " + Amount(1500)},
        {2, 3, {0, 0, 0, 0, 0}, 0, 55, 4000, L"PUNTO: " + Amount(4000)},
        {2, 1, {0, 0, 0, 0, 1500}, 1500, 52, 1500, L"VEDO: " + Amount(1500)},
        {2, 2, {0, 0, 0, 0, 2500}, 2500, 54, 4000, L"PUNTO: " + Amount(4000)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        form->bets = c.bets;
        form->currentPlayer = c.player;
        Tavrik::CellControl* cell = form->ActionCell(c.player);
        cell->Hide();
        if (c.round == 0) {
            form->DealRoundStrategy(c.toCall, c.points, cell);
        } else if (c.round == 1) {
            form->LastDealStrategy(c.toCall, c.points, cell);
        } else {
            form->FinalRoundStrategy(c.toCall, c.points, cell);
        }
        EXPECT_EQ(form->bets[c.player], c.bet);
        EXPECT_EQ(WindowText(cell->handle), c.text);
        EXPECT_TRUE(Shown(cell));
    }
    // A pass with a bet of 1500 moves it into the pot.
    form->bets = {0, 0, 1500, 0, 4000};
    form->pot = 0;
    form->currentPlayer = 2;
    const int before = form->chips[2];
    form->DealRoundStrategy(2500, 12, form->cellActionPc2);
    EXPECT_EQ(form->chips[2], before - 1500);
    EXPECT_EQ(form->pot, 1500);
    EXPECT_EQ(Cell(2), L"PASSO");
}

TEST_F(Engine, WholeHandsPlayToTheirSummary) {
    Tavrik::SeedRandom(11);
    int total = ChipsTotal();
    int hands = 0;
    int steps = 0;
    unsigned choice = 12345;
    Click(form->buttonGioca);
    while (hands < 25) {
        ASSERT_LT(steps, 40000) << "a hand stalled";
        ++steps;
        if (form->currentPlayer == 4 && IsWindowEnabled(form->buttonPasso->handle) &&
            form->handInProgress) {
            choice = choice * 1103515245u + 12345u;
            switch ((choice >> 16) % 4) {
            case 0:
                Click(form->buttonPasso);
                break;
            case 1:
                if (IsWindowEnabled(form->buttonVedo->handle)) {
                    Click(form->buttonVedo);
                    break;
                }
                [[fallthrough]];
            default:
                form->sliderBet->SetValue(1 + (choice >> 20) % 8);
                Click(form->buttonPunto);
                // A refused bet leaves the turn with the human.
                break;
            }
            // A fast second click: a call while the turn is still his, nothing once locked.
            Click(form->buttonVedo);
        }
        Step();
        if (!form->handInProgress) {
            ASSERT_TRUE(Shown(form->panelResults));
            int gains = 0;
            for (int p = 1; p <= 4; ++p) {
                gains += form->chips[p] - form->startChips[p];
            }
            EXPECT_EQ(gains, 0);
            EXPECT_EQ(ChipsTotal(), total);
            EXPECT_EQ(WindowText(form->cellResultsLine4->handle),
                      L"Giocatore: " + Amount(form->chips[4] - form->startChips[4]));
            total = ChipsTotal();
            ++hands;
            Click(form->buttonContinua);
            ASSERT_TRUE(form->handInProgress);
        }
    }
}
