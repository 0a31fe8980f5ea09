#include "game/rules/Strategy.h"
#include "toolkit/TextServices.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace MyGame;

namespace {

// One row of a decision table: the situation, the draw expected (n = 0: none) with the
// value it gives, and the cell text, from which the action and the new bet follow.
struct Row {
    int points;
    int toCall;
    int ownBet;
    int others;
    int drawN;
    int drawValue;
    const char* text;
};

using Decide = BetDecision (*)(const BetSituation&, const RandomSource&, const AmountText&);

std::string Plain(int amount) {
    return std::to_string(amount);
}

std::string Describe(const Row& row) {
    return "points " + std::to_string(row.points) + ", toCall " + std::to_string(row.toCall) +
           ", own bet " + std::to_string(row.ownBet) + ", others " + std::to_string(row.others) +
           ", draw " + std::to_string(row.drawValue);
}

void CheckRows(Decide decide, const std::vector<Row>& rows) {
    for (const Row& row : rows) {
        SCOPED_TRACE(Describe(row));
        std::vector<int> drawn;
        RandomSource random = [&](int n) {
            drawn.push_back(n);
            return row.drawValue;
        };
        BetDecision decision =
            decide({row.toCall, row.points, row.ownBet, row.others}, random, AmountText(Plain));
        std::string text = row.text;
        EXPECT_EQ(decision.text, text);
        if (text == "PASSO") {
            EXPECT_EQ(decision.action, BetAction::Pass);
            EXPECT_EQ(decision.bet, 0);
        } else if (text.rfind("PUNTO: ", 0) == 0) {
            EXPECT_EQ(decision.action, BetAction::Bet);
            EXPECT_EQ(decision.bet, std::stoi(text.substr(7)));
        } else {
            ASSERT_EQ(text.rfind("VEDO: ", 0), 0u);
            EXPECT_EQ(decision.action, BetAction::Call);
            EXPECT_EQ(decision.bet, std::stoi(text.substr(6)));
            EXPECT_EQ(decision.bet, row.ownBet + row.toCall);
        }
        if (row.drawN == 0) {
            EXPECT_TRUE(drawn.empty()) << "drew " << drawn.size() << " times";
        } else {
            EXPECT_EQ(drawn, std::vector<int>{row.drawN});
        }
    }
}

} // namespace

TEST(DealRoundDecision, UpTo21Points) {
    CheckRows(DecideDealRound, {
                                   {21, 0, 0, 0, 10, 5, "PUNTO: 1500"},
                                   {21, 0, 0, 0, 10, 4, "PASSO"},
                                   {21, 0, 0, 3, 10, 6, "PASSO"},
                                   {0, 0, 0, 0, 10, 5, "PUNTO: 1500"},
                                   {10, 0, 0, 1, 10, 1, "PASSO"},
                                   {21, 1, 0, 0, 0, 0, "PASSO"},
                                   {21, 499, 0, 1, 0, 0, "PASSO"},
                                   {21, 500, 0, 1, 0, 0, "PASSO"},
                                   {21, 1000, 500, 1, 0, 0, "PASSO"},
                                   {21, 1001, 0, 1, 0, 0, "PASSO"},
                                   {21, 1500, 0, 0, 0, 0, "PASSO"},
                                   {21, 4000, 0, 3, 0, 0, "PASSO"},
                               });
}

TEST(DealRoundDecision, From22To33Points) {
    CheckRows(DecideDealRound, {
                                   {22, 0, 0, 0, 0, 0, "PUNTO: 500"},
                                   {33, 0, 0, 3, 0, 0, "PUNTO: 500"},
                                   {22, 1, 0, 0, 0, 0, "PASSO"},
                                   {25, 300, 0, 1, 0, 0, "PASSO"},
                                   {33, 499, 0, 0, 0, 0, "PASSO"},
                                   {22, 500, 0, 1, 0, 0, "VEDO: 500"},
                                   {30, 500, 0, 2, 0, 0, "PASSO"},
                                   {30, 500, 0, 1, 0, 0, "VEDO: 500"},
                                   {31, 800, 0, 3, 0, 0, "VEDO: 800"},
                                   {30, 1000, 0, 1, 0, 0, "VEDO: 1000"},
                                   {30, 1000, 500, 2, 0, 0, "PASSO"},
                                   {33, 1000, 500, 3, 0, 0, "VEDO: 1500"},
                                   {30, 1001, 0, 2, 0, 0, "PASSO"},
                                   {22, 4000, 0, 3, 0, 0, "PASSO"},
                                   {22, 1001, 0, 1, 10, 5, "VEDO: 1001"},
                                   {22, 1001, 0, 1, 10, 4, "PASSO"},
                                   {30, 2500, 1500, 0, 10, 5, "VEDO: 4000"},
                                   {31, 4000, 0, 3, 10, 5, "VEDO: 4000"},
                                   {33, 1500, 1500, 2, 10, 7, "PASSO"},
                               });
}

TEST(DealRoundDecision, From34To38Points) {
    CheckRows(DecideDealRound, {
                                   {34, 0, 0, 0, 0, 0, "PUNTO: 1500"},
                                   {38, 0, 0, 3, 0, 0, "PUNTO: 1500"},
                                   {34, 1, 0, 0, 0, 0, "VEDO: 1"},
                                   {38, 499, 1000, 2, 0, 0, "VEDO: 1499"},
                                   {34, 500, 0, 3, 0, 0, "VEDO: 500"},
                                   {38, 1000, 0, 1, 0, 0, "VEDO: 1000"},
                                   {34, 1001, 0, 3, 0, 0, "VEDO: 1001"},
                                   {35, 1500, 0, 1, 0, 0, "VEDO: 1500"},
                                   {38, 1500, 500, 3, 0, 0, "VEDO: 2000"},
                                   {35, 1501, 0, 2, 0, 0, "PASSO"},
                                   {35, 2000, 0, 2, 0, 0, "PASSO"},
                                   {34, 1501, 0, 1, 5, 3, "VEDO: 1501"},
                                   {38, 4000, 0, 0, 5, 2, "PASSO"},
                                   {38, 2500, 1500, 1, 5, 3, "VEDO: 4000"},
                                   {36, 2000, 0, 1, 5, 5, "PASSO"},
                               });
}

TEST(DealRoundDecision, From39Points) {
    CheckRows(DecideDealRound, {
                                   {39, 0, 0, 0, 0, 0, "PUNTO: 1500"},
                                   {55, 0, 0, 3, 0, 0, "PUNTO: 1500"},
                                   {39, 1, 0, 0, 0, 0, "PUNTO: 1500"},
                                   {40, 500, 0, 1, 0, 0, "PUNTO: 1500"},
                                   {39, 1000, 0, 3, 0, 0, "PUNTO: 1500"},
                                   {39, 1001, 0, 1, 0, 0, "PUNTO: 1500"},
                                   {39, 1499, 0, 2, 0, 0, "PUNTO: 1500"},
                                   {39, 499, 500, 1, 0, 0, "VEDO: 999"},
                                   {55, 1000, 500, 2, 0, 0, "VEDO: 1500"},
                                   {39, 1499, 1, 1, 0, 0, "VEDO: 1500"},
                                   {39, 1500, 0, 1, 0, 0, "VEDO: 1500"},
                                   {39, 1501, 0, 3, 0, 0, "VEDO: 1501"},
                                   {39, 2500, 1500, 1, 0, 0, "VEDO: 4000"},
                                   {55, 4000, 0, 3, 0, 0, "VEDO: 4000"},
                               });
}

TEST(LastDealDecision, OtherCardValues) {
    CheckRows(DecideLastDeal, {
                                  {15, 0, 0, 0, 10, 5, "PUNTO: 1500"},
                                  {15, 0, 0, 0, 10, 3, "PASSO"},
                                  {10, 0, 0, 2, 10, 5, "PUNTO: 1500"},
                                  {12, 0, 0, 0, 10, 10, "PASSO"},
                                  {22, 0, 0, 0, 10, 5, "PUNTO: 1500"},
                                  {15, 1, 0, 0, 0, 0, "PASSO"},
                                  {14, 499, 0, 0, 0, 0, "PASSO"},
                                  {13, 500, 0, 1, 0, 0, "PASSO"},
                                  {12, 1000, 500, 1, 0, 0, "PASSO"},
                                  {10, 1001, 0, 1, 0, 0, "PASSO"},
                                  {15, 1500, 0, 0, 0, 0, "PASSO"},
                                  {15, 4000, 0, 3, 0, 0, "PASSO"},
                              });
}

TEST(LastDealDecision, AceOrSix) {
    CheckRows(DecideLastDeal, {
                                  {16, 0, 0, 0, 0, 0, "PUNTO: 500"},
                                  {18, 0, 0, 3, 0, 0, "PUNTO: 500"},
                                  {20, 0, 0, 0, 0, 0, "PUNTO: 500"},
                                  {16, 1, 0, 0, 0, 0, "PASSO"},
                                  {18, 499, 500, 1, 0, 0, "PASSO"},
                                  {16, 500, 0, 1, 0, 0, "VEDO: 500"},
                                  {18, 1000, 500, 3, 0, 0, "VEDO: 1500"},
                                  {16, 1001, 0, 1, 5, 3, "VEDO: 1001"},
                                  {18, 1500, 0, 1, 5, 1, "PASSO"},
                                  {16, 4000, 0, 3, 5, 3, "VEDO: 4000"},
                                  {20, 2500, 1500, 1, 5, 5, "PASSO"},
                              });
}

TEST(LastDealDecision, Seven) {
    CheckRows(DecideLastDeal, {
                                  {21, 0, 0, 0, 0, 0, "PUNTO: 1500"},
                                  {21, 1, 0, 0, 0, 0, "PUNTO: 1500"},
                                  {21, 499, 500, 1, 0, 0, "VEDO: 999"},
                                  {21, 500, 0, 1, 0, 0, "PUNTO: 1500"},
                                  {21, 1000, 500, 2, 0, 0, "VEDO: 1500"},
                                  {21, 1001, 0, 1, 0, 0, "PUNTO: 1500"},
                                  {21, 1499, 1, 1, 0, 0, "VEDO: 1500"},
                                  {21, 1500, 0, 1, 0, 0, "VEDO: 1500"},
                                  {21, 1501, 0, 2, 0, 0, "VEDO: 1501"},
                                  {21, 4000, 0, 3, 0, 0, "VEDO: 4000"},
                              });
}

TEST(FinalRoundDecision, Below48Points) {
    CheckRows(DecideFinalRound, {
                                    {47, 0, 0, 0, 10, 5, "PUNTO: 4000"},
                                    {47, 0, 0, 0, 10, 4, "PASSO"},
                                    {0, 0, 0, 3, 10, 5, "PUNTO: 4000"},
                                    {47, 1, 0, 0, 0, 0, "PASSO"},
                                    {47, 499, 0, 0, 0, 0, "PASSO"},
                                    {47, 500, 0, 1, 0, 0, "PASSO"},
                                    {47, 1000, 0, 1, 0, 0, "PASSO"},
                                    {47, 1001, 0, 1, 0, 0, "PASSO"},
                                    {47, 2000, 0, 0, 0, 0, "PASSO"},
                                    {47, 2001, 0, 1, 0, 0, "PASSO"},
                                    {47, 2500, 0, 1, 0, 0, "PASSO"},
                                    {47, 2501, 1500, 1, 0, 0, "PASSO"},
                                    {47, 4000, 0, 3, 0, 0, "PASSO"},
                                });
}

TEST(FinalRoundDecision, From48To49Points) {
    CheckRows(DecideFinalRound,
              {
                  {48, 0, 0, 0, 0, 0, "PUNTO: 500"},     {49, 0, 0, 3, 0, 0, "PUNTO: 500"},
                  {48, 1, 0, 0, 0, 0, "PASSO"},          {49, 499, 0, 1, 0, 0, "PASSO"},
                  {48, 500, 0, 1, 0, 0, "VEDO: 500"},    {49, 1000, 500, 3, 0, 0, "VEDO: 1500"},
                  {48, 1001, 0, 2, 0, 0, "PASSO"},       {49, 2000, 0, 3, 0, 0, "PASSO"},
                  {48, 1001, 0, 1, 3, 2, "VEDO: 1001"},  {49, 2000, 500, 0, 3, 2, "VEDO: 2500"},
                  {48, 1500, 0, 1, 3, 1, "PASSO"},       {48, 1500, 0, 1, 3, 3, "PASSO"},
                  {48, 2001, 0, 2, 0, 0, "PASSO"},       {49, 4000, 0, 3, 0, 0, "PASSO"},
                  {48, 2001, 0, 1, 10, 5, "VEDO: 2001"}, {49, 3500, 500, 1, 10, 2, "PASSO"},
                  {48, 4000, 0, 0, 10, 5, "VEDO: 4000"}, {49, 2500, 0, 1, 10, 5, "VEDO: 2500"},
                  {49, 2501, 0, 1, 10, 6, "PASSO"},
              });
}

TEST(FinalRoundDecision, From50To51Points) {
    CheckRows(DecideFinalRound,
              {
                  {50, 0, 0, 0, 0, 0, "PUNTO: 1500"},    {51, 0, 0, 3, 0, 0, "PUNTO: 1500"},
                  {50, 1, 0, 0, 0, 0, "PUNTO: 1500"},    {51, 499, 0, 1, 0, 0, "PUNTO: 1500"},
                  {50, 500, 0, 2, 0, 0, "PUNTO: 1500"},  {51, 1000, 0, 1, 0, 0, "PUNTO: 1500"},
                  {50, 1001, 0, 3, 0, 0, "PUNTO: 1500"}, {51, 1499, 0, 1, 0, 0, "PUNTO: 1500"},
                  {50, 1500, 0, 1, 0, 0, "VEDO: 1500"},  {50, 1, 1500, 1, 0, 0, "VEDO: 1501"},
                  {50, 500, 500, 1, 0, 0, "VEDO: 1000"}, {51, 1500, 500, 2, 0, 0, "VEDO: 2000"},
                  {50, 1501, 0, 2, 0, 0, "VEDO: 1501"},  {51, 2000, 500, 3, 0, 0, "VEDO: 2500"},
                  {50, 2001, 0, 3, 0, 0, "VEDO: 2001"},  {51, 2500, 0, 2, 0, 0, "VEDO: 2500"},
                  {50, 2501, 0, 1, 5, 3, "VEDO: 2501"},  {50, 3500, 500, 1, 5, 4, "PASSO"},
                  {51, 4000, 0, 3, 5, 3, "VEDO: 4000"},  {51, 2501, 0, 0, 5, 1, "PASSO"},
              });
}

TEST(FinalRoundDecision, Exactly52Points) {
    CheckRows(DecideFinalRound, {
                                    {52, 0, 0, 0, 0, 0, "PUNTO: 1500"},
                                    {52, 1, 0, 0, 0, 0, "PUNTO: 1500"},
                                    {52, 1499, 0, 2, 0, 0, "PUNTO: 1500"},
                                    {52, 1500, 0, 1, 0, 0, "VEDO: 1500"},
                                    {52, 1000, 500, 1, 0, 0, "VEDO: 1500"},
                                    {52, 1501, 0, 3, 0, 0, "VEDO: 1501"},
                                    {52, 2000, 0, 1, 0, 0, "VEDO: 2000"},
                                    {52, 2001, 0, 1, 0, 0, "VEDO: 2001"},
                                    {52, 2500, 0, 2, 0, 0, "VEDO: 2500"},
                                    {52, 2501, 0, 1, 0, 0, "VEDO: 2501"},
                                    {52, 3500, 500, 1, 0, 0, "VEDO: 4000"},
                                    {52, 4000, 0, 3, 0, 0, "VEDO: 4000"},
                                });
}

TEST(FinalRoundDecision, Above52Points) {
    CheckRows(DecideFinalRound, {
                                    {53, 0, 0, 0, 0, 0, "PUNTO: 4000"},
                                    {55, 0, 0, 3, 0, 0, "PUNTO: 4000"},
                                    {53, 1, 0, 0, 0, 0, "PUNTO: 4000"},
                                    {53, 500, 0, 1, 0, 0, "PUNTO: 4000"},
                                    {53, 1500, 0, 1, 0, 0, "PUNTO: 4000"},
                                    {53, 2000, 0, 3, 0, 0, "PUNTO: 4000"},
                                    {55, 2500, 0, 1, 0, 0, "PUNTO: 4000"},
                                    {53, 3999, 0, 1, 0, 0, "PUNTO: 4000"},
                                    {54, 4000, 0, 1, 0, 0, "VEDO: 4000"},
                                    {53, 500, 500, 1, 0, 0, "VEDO: 1000"},
                                    {55, 2500, 1500, 2, 0, 0, "VEDO: 4000"},
                                    // A call above the largest bet follows it rather than
                                    // leaving the player below the highest bet.
                                    {53, 4500, 0, 1, 0, 0, "VEDO: 4500"},
                                });
}

TEST(DecisionText, AmountsAreWrittenByTheGivenFormatter) {
    const AmountText italian = [](int amount) {
        return Tavrik::IntToTextForLocale(amount, L"it-IT");
    };
    const RandomSource noDraw = [](int) {
        ADD_FAILURE() << "unexpected draw";
        return 1;
    };
    EXPECT_EQ(DecideDealRound({500, 40, 0, 1}, noDraw, italian).text, "PUNTO: 1.500");
    EXPECT_EQ(DecideFinalRound({1500, 52, 0, 1}, noDraw, italian).text, "VEDO: 1.500");
    EXPECT_EQ(DecideFinalRound({0, 55, 0, 0}, noDraw, italian).text, "PUNTO: 4.000");
    EXPECT_EQ(DecideLastDeal({500, 16, 0, 1}, noDraw, italian).text, "VEDO: 500");
}

TEST(DecisionText, TheGameSourcesDrawInRange) {
    const AmountText text = Tavrik::IntToText;
    int bets = 0;
    for (unsigned seed = 0; seed < 300; ++seed) {
        Tavrik::SeedRandom(seed);
        BetDecision decision = DecideDealRound({0, 15, 0, 0}, Tavrik::RandomUpTo, text);
        if (decision.action == BetAction::Bet) {
            ++bets;
            EXPECT_EQ(decision.bet, 1500);
        } else {
            EXPECT_EQ(decision.text, "PASSO");
        }
    }
    // One draw in ten bets: well inside these bounds for 300 seeds.
    EXPECT_GT(bets, 5);
    EXPECT_LT(bets, 80);
}
