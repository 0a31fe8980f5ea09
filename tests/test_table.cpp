// The table: starting, dealing, showing and leaving hands on a real game window.
#include "test_form_main_fixture.h"

#include "game/rules/HandValue.h"
#include "support/GdiHeadroom.h"

#include <algorithm>
#include <map>
#include <set>

using namespace GameTest;

namespace {

class Table : public TableTest {
protected:
    POINT MarkerPlace() { return PlaceOf(form->imageMarker->handle); }

    // Deals the rest of the hand's four deals, each starting with the dealer.
    void DealRemaining() {
        while (form->cardsLeft > 0) {
            form->currentPlayer = form->dealer;
            form->DealCards();
        }
    }
};

POINT ExpectedMarker(int dealer) {
    switch (dealer) {
    case 1:
        return {10, 289};
    case 2:
        return {418, 105};
    case 3:
        return {640 - 43, 289};
    default:
        return {418, 335};
    }
}

} // namespace

TEST_F(Table, StartGameWithEachFirstPlayer) {
    std::set<int> seen;
    int firstTotals = 0;
    for (unsigned seed = 1; seed < 200 && seen.size() < 4; ++seed) {
        Tavrik::SeedRandom(seed);
        for (int p = 1; p <= 4; ++p) {
            form->chips[p] = 50000;
        }
        Click(form->buttonGioca);
        const int first = form->currentPlayer;
        SCOPED_TRACE(first);
        ASSERT_GE(first, 1);
        ASSERT_LE(first, 4);
        if (seen.insert(first).second) {
            EXPECT_EQ(form->dealer, first == 1 ? 4 : first - 1);
            EXPECT_TRUE(form->handInProgress);
            EXPECT_EQ(WindowText(form->buttonGioca->handle), L"ABBANDONA");
            for (int p = 1; p <= 4; ++p) {
                EXPECT_EQ(form->chips[p], 48500);
                EXPECT_EQ(form->startChips[p], 50000);
            }
            for (Tavrik::GUIElement* cell : {form->cellChipsPc1, form->cellChipsPc2,
                                             form->cellChipsPc3, form->cellChipsPlayer}) {
                EXPECT_EQ(WindowText(cell->handle), Amount(48500));
            }
            const int humanX[] = {225, 288, 351};
            for (int k = 0; k < 3; ++k) {
                EXPECT_TRUE(FaceUp(9 + k));
                EXPECT_TRUE(Shown(form->imageCards[9 + k]));
                EXPECT_EQ(PlaceOf(form->imageCards[9 + k]->handle).x, humanX[k]);
                EXPECT_EQ(PlaceOf(form->imageCards[9 + k]->handle).y, 329);
            }
            for (int slot = 0; slot < 9; ++slot) {
                EXPECT_TRUE(FaceDown(slot));
                EXPECT_TRUE(Shown(form->imageCards[slot]));
                EXPECT_NE(Code(slot), 0);
            }
            for (int slot = 12; slot < 19; ++slot) {
                EXPECT_FALSE(form->imageCards[slot]->visible);
            }
            POINT marker = MarkerPlace();
            EXPECT_EQ(marker.x, ExpectedMarker(form->dealer).x);
            EXPECT_EQ(marker.y, ExpectedMarker(form->dealer).y);
            EXPECT_TRUE(Shown(form->imageMarker));
            EXPECT_EQ(form->cardsLeft, 28);
            // The first player gets the first three cards of the deck.
            EXPECT_EQ(form->HandCards(first),
                      std::vector<int>(form->deck.begin(), form->deck.begin() + 3));
            EXPECT_EQ(WindowText(form->cellStatus->handle),
                      first == 4 ? L"Tocca a te" : L"Tocca al pc " + std::to_wstring(first));
            EXPECT_EQ(IsWindowEnabled(form->buttonPasso->handle) != FALSE, first == 4);
            ++firstTotals;
        }
        Click(form->buttonGioca);
        EXPECT_EQ(WindowText(form->buttonGioca->handle), L"GIOCA");
        EXPECT_FALSE(form->handInProgress);
    }
    EXPECT_EQ(seen.size(), 4u);
    EXPECT_EQ(firstTotals, 4);
}

TEST_F(Table, FourDealsFillTheHandsWithTheWholeDeck) {
    form->StartGame();
    EXPECT_EQ(form->cardsLeft, 28);
    const int expectedLeft[] = {16, 4, 0};
    for (int left : expectedLeft) {
        form->currentPlayer = form->dealer;
        form->DealCards();
        EXPECT_EQ(form->cardsLeft, left);
        if (left != 0) {
            for (int p = 1; p <= 4; ++p) {
                EXPECT_EQ(form->TableCards(p).size(), 3u);
            }
        }
    }
    // The fourth deal: one card each, in the middle slot of every block.
    for (int slot = 0; slot < 19; ++slot) {
        SCOPED_TRACE(slot);
        const bool middle = slot == 1 || slot == 4 || slot == 7 || slot == 10;
        EXPECT_EQ(form->imageCards[slot]->visible, middle);
        EXPECT_EQ(form->imageCards[slot]->tag.empty(), !middle);
    }
    EXPECT_TRUE(FaceUp(10));
    EXPECT_EQ(PlaceOf(form->imageCards[10]->handle).x, 288);
    std::multiset<int> all;
    for (int p = 1; p <= 4; ++p) {
        ASSERT_EQ(form->hands[p].size(), 10u);
        all.insert(form->hands[p].begin(), form->hands[p].end());
        // Only the visible slot counts: the card just dealt.
        std::vector<int> table = form->TableCards(p);
        ASSERT_EQ(table.size(), 1u);
        EXPECT_EQ(table[0], form->hands[p].back());
    }
    EXPECT_EQ(all.size(), 40u);
    for (int code = 1; code <= 40; ++code) {
        EXPECT_EQ(all.count(code), 1u) << code;
    }
}

TEST_F(Table, ADealFromTheHumanWrapsToPcOne) {
    form->Shuffle();
    form->dealer = 3;
    form->currentPlayer = 4;
    form->DealCards();
    const std::vector<int>& deck = form->deck;
    EXPECT_EQ(form->hands[4], std::vector<int>(deck.begin(), deck.begin() + 3));
    EXPECT_EQ(form->hands[1], std::vector<int>(deck.begin() + 3, deck.begin() + 6));
    EXPECT_EQ(form->hands[2], std::vector<int>(deck.begin() + 6, deck.begin() + 9));
    EXPECT_EQ(form->hands[3], std::vector<int>(deck.begin() + 9, deck.begin() + 12));
    EXPECT_EQ(form->TableCards(1), form->hands[1]);
    EXPECT_EQ(form->TableCards(0), form->hands[4]);
    EXPECT_EQ(form->TableCards(9), form->hands[4]);
    for (int slot = 9; slot < 12; ++slot) {
        EXPECT_TRUE(FaceUp(slot));
    }
}

TEST_F(Table, MarkerFollowsTheDealer) {
    form->Shuffle();
    for (int dealer : {1, 2, 3, 4}) {
        form->dealer = dealer;
        form->PlaceDealerMarker();
        EXPECT_EQ(MarkerPlace().x, ExpectedMarker(dealer).x);
        EXPECT_EQ(MarkerPlace().y, ExpectedMarker(dealer).y);
        EXPECT_TRUE(Shown(form->imageMarker));
    }
}

TEST_F(Table, ResetTableAndTheFinalHand) {
    form->StartGame();
    DealRemaining();
    form->bets = {0, 500, 0, 1500, 0};
    form->ResetTable();
    for (int slot = 0; slot < 19; ++slot) {
        SCOPED_TRACE(slot);
        EXPECT_TRUE(Shown(form->imageCards[slot]));
        EXPECT_TRUE(FaceDown(slot));
        EXPECT_EQ(form->imageCards[slot]->tag, "");
    }
    EXPECT_FALSE(Shown(form->imageMarker));
    for (int p = 1; p <= 4; ++p) {
        EXPECT_EQ(form->bets[p], 0);
        EXPECT_FALSE(form->ActionCell(p)->visible);
    }
    EXPECT_EQ(WindowText(form->cellStatus->handle), L"");
    EXPECT_FALSE(IsWindowEnabled(form->buttonPunto->handle));

    form->finalRound = true;
    form->ShowFinalHand();
    for (int k = 0; k < 10; ++k) {
        SCOPED_TRACE(k);
        const int slot = 9 + k;
        EXPECT_TRUE(FaceUp(slot));
        EXPECT_EQ(Code(slot), form->hands[4][k]);
        EXPECT_EQ(PlaceOf(form->imageCards[slot]->handle).x, 5 + 63 * k);
        EXPECT_EQ(PlaceOf(form->imageCards[slot]->handle).y, 329);
    }
    for (int slot = 0; slot < 9; ++slot) {
        EXPECT_TRUE(FaceDown(slot));
        EXPECT_TRUE(Shown(form->imageCards[slot]));
    }
}

TEST_F(Table, ScoringCardsInADealRound) {
    form->Shuffle();
    form->dealer = 1;
    form->currentPlayer = 2;
    form->DealCards();
    std::vector<int> cards = form->TableCards(3);
    std::vector<int> scoring = MyGame::ScoringCards(cards);
    form->ShowScoringCards(cards, 3);
    for (int slot = 6; slot < 9; ++slot) {
        const bool scores = std::find(scoring.begin(), scoring.end(), Code(slot)) != scoring.end();
        EXPECT_EQ(FaceUp(slot), scores) << slot;
    }
    for (int slot = 0; slot < 6; ++slot) {
        EXPECT_TRUE(FaceDown(slot));
    }
}

TEST_F(Table, ScoringCardsOfAComputerWinnerInTheFinalRound) {
    form->Shuffle();
    form->ResetTable();
    form->finalRound = true;
    struct Case {
        int player;
        std::vector<int> hand;
        std::vector<int> shown;
    };
    // PC 2: seven, six and ace of coins. PC 3: only the seven and six of swords (39).
    const Case cases[] = {
        {2, {12, 1, 38, 6, 23, 7, 40, 15, 29, 34}, {7, 6, 1}},
        {3, {11, 38, 27, 19, 4, 33, 26, 10, 18, 39}, {27, 26}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.player);
        form->ResetTable();
        form->hands[c.player] = c.hand;
        form->ShowScoringCards(c.hand, c.player);
        const int first = 3 * (c.player - 1);
        for (int k = 0; k < 3; ++k) {
            if (k < static_cast<int>(c.shown.size())) {
                EXPECT_TRUE(FaceUp(first + k));
                EXPECT_EQ(Code(first + k), c.shown[k]);
            } else {
                EXPECT_TRUE(FaceDown(first + k));
            }
        }
    }
    // The human's cards are already face up: nothing changes.
    form->ResetTable();
    form->ShowScoringCards({7, 6, 1}, 4);
    for (int slot = 0; slot < 19; ++slot) {
        EXPECT_TRUE(FaceDown(slot));
    }
}

TEST_F(Table, AnnounceTurnLocksAndUnlocksTheHumansControls) {
    struct Case {
        int player;
        std::array<int, 5> bets;
        const wchar_t* status;
        bool vedo;
        bool others;
    };
    const Case cases[] = {
        {4, {0, 0, 0, 0, 0}, L"Tocca a te", false, true},
        {4, {0, 500, 0, 0, 0}, L"Tocca a te", true, true},
        {4, {0, 500, 0, 0, 500}, L"Tocca a te", false, true},
        {4, {0, 0, 1500, 0, 4000}, L"Tocca a te", false, true},
        {3, {0, 500, 0, 0, 0}, L"Tocca al pc 3", false, false},
        {1, {0, 0, 0, 0, 0}, L"Tocca al pc 1", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.status);
        form->bets = c.bets;
        form->currentPlayer = c.player;
        form->AnnounceTurn();
        EXPECT_EQ(WindowText(form->cellStatus->handle), c.status);
        EXPECT_EQ(IsWindowEnabled(form->buttonVedo->handle) != FALSE, c.vedo);
        EXPECT_EQ(IsWindowEnabled(form->buttonPasso->handle) != FALSE, c.others);
        EXPECT_EQ(IsWindowEnabled(form->buttonPunto->handle) != FALSE, c.others);
        EXPECT_EQ(IsWindowEnabled(form->sliderBet->handle) != FALSE, c.others);
        EXPECT_EQ(WindowText(form->buttonPunto->handle), Amount(500));
    }
}

TEST_F(Table, HumanControlsAndTheBetSlider) {
    form->SetHumanControls(false);
    for (Tavrik::GUIElement* control : {static_cast<Tavrik::GUIElement*>(form->buttonPasso),
                                        static_cast<Tavrik::GUIElement*>(form->buttonVedo),
                                        static_cast<Tavrik::GUIElement*>(form->buttonPunto),
                                        static_cast<Tavrik::GUIElement*>(form->sliderBet)}) {
        EXPECT_TRUE(IsWindowEnabled(control->handle));
    }
    // The user settles the thumb at 5: the track bar reports the end of the move.
    SendMessageW(form->sliderBet->handle, TBM_SETPOS, TRUE, 5);
    SendMessageW(form->handle, WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0),
                 reinterpret_cast<LPARAM>(form->sliderBet->handle));
    EXPECT_EQ(WindowText(form->buttonPunto->handle), Amount(2500));
    form->OnBetSliderMoved(form->sliderBet, 8);
    EXPECT_EQ(WindowText(form->buttonPunto->handle), Amount(4000));

    form->SetHumanControls(true);
    for (Tavrik::GUIElement* control : {static_cast<Tavrik::GUIElement*>(form->buttonPasso),
                                        static_cast<Tavrik::GUIElement*>(form->buttonVedo),
                                        static_cast<Tavrik::GUIElement*>(form->buttonPunto),
                                        static_cast<Tavrik::GUIElement*>(form->sliderBet)}) {
        EXPECT_FALSE(IsWindowEnabled(control->handle));
    }
    EXPECT_EQ(SendMessageW(form->sliderBet->handle, TBM_GETPOS, 0, 0), 1);
    EXPECT_EQ(WindowText(form->buttonPunto->handle), Amount(500));
}

TEST_F(Table, ContinuaMovesTheDealerOn) {
    struct Case {
        int dealer;
        int nextDealer;
        int nextFirst;
    };
    const Case cases[] = {{4, 1, 2}, {1, 2, 3}, {2, 3, 4}, {3, 4, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dealer);
        form->StartGame();
        form->dealer = c.dealer;
        form->EndHand();
        EXPECT_TRUE(Shown(form->panelResults));
        EXPECT_FALSE(IsWindowEnabled(form->imageCards[0]->handle));
        Click(form->buttonContinua);
        EXPECT_EQ(form->dealer, c.nextDealer);
        EXPECT_EQ(form->currentPlayer, c.nextFirst);
        EXPECT_TRUE(form->handInProgress);
        EXPECT_FALSE(form->panelResults->visible);
        EXPECT_TRUE(IsWindowEnabled(form->imageCards[0]->handle));
        EXPECT_EQ(form->cardsLeft, 28);
        EXPECT_EQ(WindowText(form->buttonGioca->handle), L"ABBANDONA");
        form->AbandonGame();
    }
}

TEST_F(Table, AntesAreChargedWhateverTheTotals) {
    form->StartGame();
    // As if the hand had moved some chips before it was left.
    form->chips = {0, 48000, 52000, 1000, 47500};
    Click(form->buttonGioca);
    EXPECT_FALSE(form->handInProgress);
    EXPECT_EQ(form->bets, (std::array<int, 5>{}));
    Click(form->buttonGioca);
    EXPECT_EQ(form->startChips, (std::array<int, 5>{0, 48000, 52000, 1000, 47500}));
    EXPECT_EQ(form->chips, (std::array<int, 5>{0, 46500, 50500, -500, 46000}));
    EXPECT_EQ(WindowText(form->cellChipsPc3->handle), Amount(-500));
}

TEST_F(Table, SummaryOfAHandWithNothingElseShowsTheAnte) {
    form->StartGame();
    form->EndHand();
    EXPECT_EQ(WindowText(form->cellResultsHeading->handle), L"Vincite Mano");
    EXPECT_EQ(WindowText(form->cellResultsLine1->handle), L"PC 1: " + Amount(-1500));
    EXPECT_EQ(WindowText(form->cellResultsLine2->handle), L"PC 2: " + Amount(-1500));
    EXPECT_EQ(WindowText(form->cellResultsLine3->handle), L"PC 3: " + Amount(-1500));
    EXPECT_EQ(WindowText(form->cellResultsLine4->handle), L"Giocatore: " + Amount(-1500));
    EXPECT_FALSE(form->handInProgress);
    EXPECT_FALSE(Shown(form->imageMarker));
    EXPECT_EQ(WindowText(form->buttonGioca->handle), L"ABBANDONA");
}

TEST_F(Table, ClicksOnEveryButtonInEveryStateKeepTheTableWhole) {
    QuestionAnswerer answerer(IDNO);
    auto checkWhole = [this] {
        std::multiset<int> codes;
        for (int slot = 0; slot < 19; ++slot) {
            if (!form->imageCards[slot]->tag.empty()) {
                codes.insert(Code(slot));
            }
        }
        for (int code : codes) {
            EXPECT_EQ(codes.count(code), 1u);
        }
        if (!form->deck.empty()) {
            std::set<int> deck(form->deck.begin(), form->deck.end());
            EXPECT_EQ(deck.size(), 40u);
        }
        EXPECT_GE(form->cardsLeft, 0);
    };
    Tavrik::GUIElement* buttons[] = {form->buttonPasso, form->buttonVedo, form->buttonPunto,
                                     form->buttonContinua, form->buttonChiudi};
    for (int round = 0; round < 12; ++round) {
        for (Tavrik::GUIElement* button : buttons) {
            Click(button);
            Click(button);
            checkWhole();
        }
        if (round % 3 == 1 && form->handInProgress) {
            form->EndHand();
        } else {
            Click(form->buttonGioca);
        }
        if (round % 4 == 2) {
            Step();
        }
        checkWhole();
    }
    EXPECT_TRUE(IsWindow(form->handle));
    EXPECT_GT(answerer.asked, 0);
}

TEST_F(Table, ACardBitmapThatCannotLoadLeavesTheSlotEmpty) {
    form->imageCards[4]->SetResourceId(4242);
    EXPECT_EQ(form->imageCards[4]->bitmap, nullptr);
    EXPECT_EQ(SendMessageW(form->imageCards[4]->handle, STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
    form->StartGame();
    EXPECT_EQ(form->cardsLeft, 28);
    EXPECT_TRUE(FaceDown(4));
    form->imageCards[9]->SetResourceId(4242);
    EXPECT_EQ(form->TableCards(4).size(), 3u);
    DealRemaining();
    EXPECT_EQ(form->cardsLeft, 0);
}

TEST_F(Table, NoGdiHeadroomLostOverManyDealsAndResets) {
    // A first round makes the fonts and brushes that live as long as the window.
    form->StartGame();
    DealRemaining();
    form->AbandonGame();
    Pump();
    const int before = GdiHeadroom();
    for (int hand = 0; hand < 60; ++hand) {
        form->StartGame();
        DealRemaining();
        form->ResetTable();
        form->finalRound = true;
        form->ShowFinalHand();
        form->ShowScoringCards(form->hands[2], 2);
        form->EndHand();
        form->AbandonGame();
        Pump();
    }
    const int after = GdiHeadroom();
    EXPECT_GE(after, before - 16);
}
