#pragma once

#include <array>
#include <vector>

namespace MyGame {

// The four suit groups in the order coins, cups, swords, batons.
using SuitGroups = std::array<std::vector<int>, 4>;

// Primiera value of a card: seven 21, six 18, ace 16, five 15, four 14, three 13, two 12,
// figures 10; 0 for a code outside 1..40.
int CardValue(int code);
// Each card, in the given order, into the group of its suit; codes outside 1..40 are dropped.
SuitGroups SplitBySuit(const std::vector<int>& cards);
// Sorts the cards by descending value (equal values keep their order) and sums the best three.
int GroupValue(std::vector<int>& cards);
// The points: the best group value among the four suits, 0 for no cards.
int BestSuitValue(const std::vector<int>& cards);
// The at most three cards that make the points, best first; the earlier suit wins a tie.
std::vector<int> ScoringCards(const std::vector<int>& cards);

} // namespace MyGame
