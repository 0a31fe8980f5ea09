#include "game/rules/Cards.h"

#include <algorithm>

namespace MyGame {

namespace {

// Deck positions 7 to 10 (0-based 6 to 9) may hold at most two kings.
constexpr int WatchedFirst = 6;
constexpr int WatchedCount = 4;
constexpr int MostKingsWatched = 2;

bool InDeck(const std::vector<int>& deck, int code) {
    return std::find(deck.begin(), deck.end(), code) != deck.end();
}

int KingsWatched(const std::vector<int>& deck) {
    return static_cast<int>(std::count_if(deck.begin() + WatchedFirst,
                                          deck.begin() + WatchedFirst + WatchedCount, IsKing));
}

} // namespace

int CardSuit(int code) {
    return (code - 1) / 10;
}

int CardRank(int code) {
    int rank = code % 10;
    return rank == 0 ? 10 : rank;
}

bool IsKing(int code) {
    return code % 10 == 0;
}

int CardBitmap(int code) {
    return CardBackBitmap + code;
}

int PlayerSlot(int player) {
    return player >= 1 && player <= 3 ? player : 4;
}

void ShuffleDeck(DeckState& state, const RandomSource& random) {
    do {
        state.finalRound = false;
        for (std::vector<int>& hand : state.hands) {
            hand.clear();
        }
        state.deck.clear();
        while (static_cast<int>(state.deck.size()) < DeckSize) {
            int candidate = random(DeckSize);
            if (candidate >= 1 && candidate <= DeckSize && !InDeck(state.deck, candidate)) {
                state.deck.push_back(candidate);
            }
        }
    } while (KingsWatched(state.deck) > MostKingsWatched);
    state.cardsLeft = DeckSize;
}

std::vector<int> HandOf(const DeckState& state, int player) {
    return state.hands[PlayerSlot(player)];
}

int DealNextCard(DeckState& state, int player) {
    int next = DeckSize - state.cardsLeft;
    if (state.cardsLeft <= 0 || next < 0 || next >= static_cast<int>(state.deck.size())) {
        return 0;
    }
    int code = state.deck[next];
    state.hands[PlayerSlot(player)].push_back(code);
    --state.cardsLeft;
    return code;
}

} // namespace MyGame
