#include "game/rules/HandValue.h"

#include <gtest/gtest.h>

#include <vector>

using namespace MyGame;

// Codes: coins 1..10, cups 11..20, swords 21..30, batons 31..40; rank = code mod 10, 0 the re.

TEST(CardValue, PrimieraScaleForEveryRankOfEverySuit) {
    const int byRank[] = {0, 16, 12, 13, 14, 15, 18, 21, 10, 10, 10};
    for (int code = 1; code <= 40; ++code) {
        int rank = code % 10 == 0 ? 10 : code % 10;
        EXPECT_EQ(CardValue(code), byRank[rank]) << code;
    }
    EXPECT_EQ(CardValue(0), 0);
    EXPECT_EQ(CardValue(41), 0);
    EXPECT_EQ(CardValue(-3), 0);
}

TEST(SplitBySuit, KeepsTheOrderAndDropsUnknownCodes) {
    SuitGroups groups = SplitBySuit({40, 1, 0, 12, 41, 5, 33, -7});
    EXPECT_EQ(groups[0], (std::vector<int>{1, 5}));
    EXPECT_EQ(groups[1], (std::vector<int>{12}));
    EXPECT_TRUE(groups[2].empty());
    EXPECT_EQ(groups[3], (std::vector<int>{40, 33}));
}

TEST(GroupValue, SortsInPlaceAndSumsTheBestThree) {
    std::vector<int> group = {8, 2, 7, 9, 10};
    EXPECT_EQ(GroupValue(group), 21 + 12 + 10);
    EXPECT_EQ(group, (std::vector<int>{7, 2, 8, 9, 10}));
    std::vector<int> empty;
    EXPECT_EQ(GroupValue(empty), 0);
}

struct PointsCase {
    const char* name;
    std::vector<int> cards;
    int points;
    std::vector<int> scoring;
};

TEST(Points, PointsAndScoringCards) {
    const PointsCase cases[] = {
        {"no cards", {}, 0, {}},
        {"seven six ace of coins", {7, 6, 1}, 55, {7, 6, 1}},
        {"the same in another order", {1, 6, 7}, 55, {7, 6, 1}},
        {"seven, six and ace of three suits", {7, 16, 21}, 21, {7}},
        {"sixes of batons and cups, cups kept", {21, 36, 16}, 18, {16}},
        {"three figures of one suit", {8, 9, 10}, 30, {8, 9, 10}},
        {"two figures keep their order", {10, 8}, 20, {10, 8}},
        {"a figure alone", {28}, 10, {28}},
        {"five swords count their best three", {21, 22, 23, 24, 25}, 45, {21, 25, 24}},
        {"four with figures", {8, 9, 10, 2}, 32, {2, 8, 9}},
        {"seven of cups against two figures of batons", {38, 17, 39}, 21, {17}},
        {"coins and swords both 34, coins first", {7, 3, 27, 23}, 34, {7, 3}},
        {"coins and swords both 34, swords listed first", {27, 23, 7, 3}, 34, {7, 3}},
        {"batons and cups both 34, cups kept", {37, 33, 16, 11}, 34, {16, 11}},
        {"ten cards of a final hand", {1, 2, 3, 11, 17, 16, 21, 31, 35, 40}, 55, {17, 16, 11}},
        {"unknown codes are ignored", {0, 41, 7, -3}, 21, {7}},
        {"only unknown codes", {0, 45}, 0, {}},
    };
    for (const PointsCase& c : cases) {
        EXPECT_EQ(BestSuitValue(c.cards), c.points) << c.name;
        EXPECT_EQ(ScoringCards(c.cards), c.scoring) << c.name;
    }
}

TEST(Points, ValuingLeavesTheCardsInTheirOrder) {
    const std::vector<int> hand = {21, 22, 23, 24, 25, 8, 9, 10, 2, 40};
    std::vector<int> cards = hand;
    BestSuitValue(cards);
    ScoringCards(cards);
    SplitBySuit(cards);
    EXPECT_EQ(cards, hand);
}
