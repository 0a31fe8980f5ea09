#include "game/rules/Cards.h"
#include "toolkit/TextServices.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace MyGame;

namespace {

// Answers with the given values in order; once they run out it fails the test and
// counts 1..40 so that a shuffle still ends.
class ScriptedDraws {
public:
    explicit ScriptedDraws(std::vector<int> values) : values(std::move(values)) {}

    int operator()(int n) {
        ranges.push_back(n);
        if (next < values.size()) {
            return values[next++];
        }
        ADD_FAILURE() << "more draws than scripted";
        return fallback++ % DeckSize + 1;
    }

    size_t Used() const { return next; }
    std::vector<int> ranges;

private:
    std::vector<int> values;
    size_t next = 0;
    int fallback = 0;
};

std::vector<int> Without(std::vector<int> front) {
    for (int code = 1; code <= DeckSize; ++code) {
        if (std::find(front.begin(), front.end(), code) == front.end()) {
            front.push_back(code);
        }
    }
    return front;
}

int KingsAtSevenToTen(const std::vector<int>& deck) {
    return static_cast<int>(std::count_if(deck.begin() + 6, deck.begin() + 10, IsKing));
}

} // namespace

TEST(CardCode, SuitRankAndBitmap) {
    struct Case {
        int code, suit, rank, bitmap;
        bool king;
    };
    const Case cases[] = {
        {1, 0, 1, 1101, false},  {7, 0, 7, 1107, false},  {10, 0, 10, 1110, true},
        {11, 1, 1, 1111, false}, {18, 1, 8, 1118, false}, {20, 1, 10, 1120, true},
        {21, 2, 1, 1121, false}, {29, 2, 9, 1129, false}, {30, 2, 10, 1130, true},
        {31, 3, 1, 1131, false}, {37, 3, 7, 1137, false}, {40, 3, 10, 1140, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CardSuit(c.code), c.suit) << c.code;
        EXPECT_EQ(CardRank(c.code), c.rank) << c.code;
        EXPECT_EQ(CardBitmap(c.code), c.bitmap) << c.code;
        EXPECT_EQ(IsKing(c.code), c.king) << c.code;
    }
    EXPECT_EQ(CardBackBitmap, 1100);
}

TEST(PlayerSlot, AnyOtherNumberIsTheHuman) {
    EXPECT_EQ(PlayerSlot(1), 1);
    EXPECT_EQ(PlayerSlot(2), 2);
    EXPECT_EQ(PlayerSlot(3), 3);
    for (int player : {4, 0, -1, 5, 9}) {
        EXPECT_EQ(PlayerSlot(player), 4) << player;
    }
}

TEST(Shuffle, EverySeedGivesAPermutationWithFewKingsAtSevenToTen) {
    std::vector<int> all(DeckSize);
    for (int i = 0; i < DeckSize; ++i) {
        all[i] = i + 1;
    }
    for (unsigned seed = 0; seed < 2000; ++seed) {
        Tavrik::SeedRandom(seed);
        DeckState state;
        ShuffleDeck(state, Tavrik::RandomUpTo);
        ASSERT_EQ(state.cardsLeft, DeckSize) << seed;
        std::vector<int> sorted = state.deck;
        std::sort(sorted.begin(), sorted.end());
        ASSERT_EQ(sorted, all) << seed;
        ASSERT_LE(KingsAtSevenToTen(state.deck), 2) << seed;
    }
}

TEST(Shuffle, OneSeedGivesOneDeck) {
    DeckState first;
    DeckState second;
    Tavrik::SeedRandom(77);
    ShuffleDeck(first, Tavrik::RandomUpTo);
    Tavrik::SeedRandom(77);
    ShuffleDeck(second, Tavrik::RandomUpTo);
    EXPECT_EQ(first.deck, second.deck);
}

TEST(Shuffle, DrawsFortyAndRedrawsCodesAlreadyInTheDeck) {
    std::vector<int> order = Without({5, 5, 12, 5, 12, 40});
    ScriptedDraws draws(order);
    DeckState state;
    ShuffleDeck(state, std::ref(draws));
    EXPECT_EQ(state.deck, Without({5, 12, 40}));
    EXPECT_EQ(draws.Used(), order.size());
    EXPECT_TRUE(
        std::all_of(draws.ranges.begin(), draws.ranges.end(), [](int n) { return n == DeckSize; }));
}

TEST(Shuffle, ThreeOrFourKingsAtSevenToTenShuffleAgain) {
    struct Case {
        std::vector<int> first;
        bool again;
    };
    const Case cases[] = {
        {{1, 2, 3, 4, 5, 6, 10, 20, 30, 7}, true},
        {{1, 2, 3, 4, 5, 6, 10, 20, 30, 40}, true},
        {{1, 2, 3, 4, 5, 6, 7, 20, 30, 40}, true},
        {{1, 2, 3, 4, 5, 6, 10, 7, 30, 8}, false},
        {{1, 2, 10, 20, 30, 40, 3, 4, 5, 6}, false},
        {{1, 2, 3, 4, 5, 10, 20, 30, 40, 6}, true},
        {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 20, 30, 40}, false},
    };
    const std::vector<int> second = Without({10, 1, 2, 3, 4, 5, 6, 7, 20, 8});
    for (const Case& c : cases) {
        std::vector<int> script = Without(c.first);
        if (c.again) {
            script.insert(script.end(), second.begin(), second.end());
        }
        ScriptedDraws draws(script);
        DeckState state;
        ShuffleDeck(state, std::ref(draws));
        EXPECT_EQ(state.deck, c.again ? second : Without(c.first)) << c.first[6];
        EXPECT_EQ(draws.Used(), script.size());
        EXPECT_EQ(state.cardsLeft, DeckSize);
    }
}

TEST(Shuffle, AfterAFinishedHandStartsAfresh) {
    Tavrik::SeedRandom(5);
    DeckState state;
    ShuffleDeck(state, Tavrik::RandomUpTo);
    for (int round = 0; round < 3; ++round) {
        for (int player = 1; player <= 4; ++player) {
            for (int card = 0; card < 3; ++card) {
                DealNextCard(state, player);
            }
        }
    }
    for (int player = 1; player <= 4; ++player) {
        DealNextCard(state, player);
    }
    ASSERT_EQ(state.cardsLeft, 0);
    ASSERT_EQ(state.hands[4].size(), 10u);
    state.finalRound = true;

    ShuffleDeck(state, Tavrik::RandomUpTo);
    for (const std::vector<int>& hand : state.hands) {
        EXPECT_TRUE(hand.empty());
    }
    EXPECT_FALSE(state.finalRound);
    EXPECT_EQ(state.cardsLeft, DeckSize);
    EXPECT_EQ(state.deck.size(), static_cast<size_t>(DeckSize));
}

TEST(Deal, TakesTheDeckFromTheFrontAndAppendsToTheHand) {
    Tavrik::SeedRandom(11);
    DeckState state;
    ShuffleDeck(state, Tavrik::RandomUpTo);
    const std::vector<int> deck = state.deck;
    std::vector<int> dealt;
    for (int i = 0; i < DeckSize; ++i) {
        dealt.push_back(DealNextCard(state, i / 10 + 1));
        EXPECT_EQ(state.cardsLeft, DeckSize - 1 - i);
    }
    EXPECT_EQ(dealt, deck);
    EXPECT_EQ(state.hands[1], std::vector<int>(deck.begin(), deck.begin() + 10));
    EXPECT_EQ(state.hands[4], std::vector<int>(deck.begin() + 30, deck.end()));
    EXPECT_TRUE(state.hands[0].empty());

    EXPECT_EQ(DealNextCard(state, 2), 0);
    EXPECT_EQ(state.cardsLeft, 0);
    EXPECT_EQ(state.hands[2].size(), 10u);
    EXPECT_EQ(state.deck, deck);
}

TEST(Deal, OtherPlayerNumbersDealToTheHuman) {
    Tavrik::SeedRandom(3);
    DeckState state;
    ShuffleDeck(state, Tavrik::RandomUpTo);
    DealNextCard(state, 0);
    DealNextCard(state, 9);
    EXPECT_EQ(state.hands[4], std::vector<int>(state.deck.begin(), state.deck.begin() + 2));
    EXPECT_TRUE(state.hands[0].empty());
}

TEST(HandOf, GivesACopyAndOtherNumbersGiveTheHuman) {
    DeckState state;
    state.hands[1] = {1, 2};
    state.hands[4] = {37, 40, 11};
    EXPECT_EQ(HandOf(state, 1), state.hands[1]);
    EXPECT_EQ(HandOf(state, 0), state.hands[4]);
    EXPECT_EQ(HandOf(state, 9), state.hands[4]);
    std::vector<int> copy = HandOf(state, 4);
    copy.push_back(5);
    copy[0] = 1;
    EXPECT_EQ(state.hands[4], (std::vector<int>{37, 40, 11}));
}
