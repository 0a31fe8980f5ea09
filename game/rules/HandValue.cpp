#include "game/rules/HandValue.h"

#include "game/rules/Cards.h"

#include <algorithm>

namespace MyGame {

namespace {

constexpr int ScoringCount = 3;

void SortByValue(std::vector<int>& cards) {
    std::stable_sort(cards.begin(), cards.end(),
                     [](int a, int b) { return CardValue(a) > CardValue(b); });
}

} // namespace

int CardValue(int code) {
    if (code < 1 || code > DeckSize) {
        return 0;
    }
    switch (CardRank(code)) {
    case 7:
        return 21;
    case 6:
        return 18;
    case 1:
        return 16;
    case 5:
        return 15;
    case 4:
        return 14;
    case 3:
        return 13;
    case 2:
        return 12;
    default:
        return 10;
    }
}

SuitGroups SplitBySuit(const std::vector<int>& cards) {
    SuitGroups groups;
    for (int code : cards) {
        if (code >= 1 && code <= DeckSize) {
            groups[CardSuit(code)].push_back(code);
        }
    }
    return groups;
}

int GroupValue(std::vector<int>& cards) {
    SortByValue(cards);
    int value = 0;
    for (size_t i = 0; i < cards.size() && i < ScoringCount; ++i) {
        value += CardValue(cards[i]);
    }
    return value;
}

int BestSuitValue(const std::vector<int>& cards) {
    int best = 0;
    for (std::vector<int>& group : SplitBySuit(cards)) {
        best = std::max(best, GroupValue(group));
    }
    return best;
}

std::vector<int> ScoringCards(const std::vector<int>& cards) {
    SuitGroups groups = SplitBySuit(cards);
    int best = 0;
    std::vector<int> chosen;
    for (std::vector<int>& group : groups) {
        int value = GroupValue(group);
        if (value > best) {
            best = value;
            chosen = group;
        }
    }
    if (chosen.size() > ScoringCount) {
        chosen.resize(ScoringCount);
    }
    return chosen;
}

} // namespace MyGame
