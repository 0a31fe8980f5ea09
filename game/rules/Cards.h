#pragma once

#include <array>
#include <functional>
#include <vector>

namespace MyGame {

// A card is its code 1..40: ten cards each of coins, cups, swords and batons.
constexpr int DeckSize = 40;
constexpr int CardBackBitmap = 1100;

// Draws an integer from 1 to n (the game passes Tavrik::RandomUpTo).
using RandomSource = std::function<int(int n)>;

// 0 coins, 1 cups, 2 swords, 3 batons.
int CardSuit(int code);
// 1 ace, 2..7, 8 fante, 9 cavallo, 10 re.
int CardRank(int code);
bool IsKing(int code);
int CardBitmap(int code);

// Players 1..3 are the computer players; every other number is the human, 4.
int PlayerSlot(int player);

// The deck of the hand and every card each player received in it, indexed by player 1..4.
struct DeckState {
    std::vector<int> deck;
    std::array<std::vector<int>, 5> hands;
    int cardsLeft = 0;
    bool finalRound = false;
};

// Empties the hands, clears the final round and builds a new deck of 40 cards.
void ShuffleDeck(DeckState& state, const RandomSource& random);
// A copy of the player's cards of the hand.
std::vector<int> HandOf(const DeckState& state, int player);
// Gives the next card of the deck to the player and returns it; 0 when none is left.
int DealNextCard(DeckState& state, int player);

} // namespace MyGame
