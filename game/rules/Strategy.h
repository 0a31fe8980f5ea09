#pragma once

#include "game/rules/Cards.h"

#include <functional>
#include <string>

namespace MyGame {

enum class BetAction { Pass, Call, Bet };

// What a computer player does on its turn.
struct BetDecision {
    BetAction action = BetAction::Pass;
    // The player's whole bet after the action; 0 after a pass.
    int bet = 0;
    // "PUNTO: " or "VEDO: " with the new bet, or "PASSO".
    std::string text;
};

// Writes an amount for the action cell (the game passes Tavrik::IntToText).
using AmountText = std::function<std::string(int amount)>;

// The inputs of every decision: toCall is the highest bet minus the own bet, points the value
// of the cards, others the number of other players with a bet above 0. A draw is made only
// where the table names one.
struct BetSituation {
    int toCall = 0;
    int points = 0;
    int ownBet = 0;
    int others = 0;
};

// The first three deal rounds (three cards).
BetDecision DecideDealRound(const BetSituation& situation, const RandomSource& random,
                            const AmountText& amountText);
// The fourth deal round (one card).
BetDecision DecideLastDeal(const BetSituation& situation, const RandomSource& random,
                           const AmountText& amountText);
// The final round (all ten cards of the hand).
BetDecision DecideFinalRound(const BetSituation& situation, const RandomSource& random,
                             const AmountText& amountText);

} // namespace MyGame
