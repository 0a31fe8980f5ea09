#include "game/rules/Strategy.h"

namespace MyGame {

namespace {

// The one value of each draw that makes the player go on.
constexpr int LuckyOfTen = 5;
constexpr int LuckyOfFive = 3;
constexpr int LuckyOfThree = 2;

class Decider {
public:
    Decider(const BetSituation& situation, const RandomSource& random, const AmountText& amountText)
        : s(situation), random(random), amountText(amountText) {}

    BetDecision Pass() const { return {BetAction::Pass, 0, "PASSO"}; }
    BetDecision Call() const {
        int bet = s.ownBet + s.toCall;
        return {BetAction::Call, bet, "VEDO: " + amountText(bet)};
    }
    BetDecision Bet(int bet) const { return {BetAction::Bet, bet, "PUNTO: " + amountText(bet)}; }

    bool Draw(int n, int lucky) const { return random(n) == lucky; }
    BetDecision BetOnDraw(int bet) const { return Draw(10, LuckyOfTen) ? Bet(bet) : Pass(); }
    BetDecision CallOnDraw(int n, int lucky) const { return Draw(n, lucky) ? Call() : Pass(); }

    // A strong hand already in calls; otherwise it raises to 1500.
    BetDecision RaiseOrCall() const { return s.ownBet > 0 ? Call() : Bet(1500); }
    // A strong hand already in calls; otherwise its bet becomes the ceiling, a call when that
    // only matches the highest bet. A highest bet above the ceiling is matched, never left short.
    BetDecision UpTo(int ceiling) const {
        if (s.ownBet > 0 || s.toCall >= ceiling) {
            return Call();
        }
        return Bet(ceiling);
    }

private:
    const BetSituation& s;
    const RandomSource& random;
    const AmountText& amountText;
};

} // namespace

BetDecision DecideDealRound(const BetSituation& situation, const RandomSource& random,
                            const AmountText& amountText) {
    Decider d(situation, random, amountText);
    const int toCall = situation.toCall;
    const int points = situation.points;
    const bool crowded = situation.others >= 2 && points < 31;
    if (points <= 21) {
        return toCall <= 0 ? d.BetOnDraw(1500) : d.Pass();
    }
    if (points <= 33) {
        if (toCall <= 0) {
            return d.Bet(500);
        }
        if (toCall < 500 || crowded) {
            return d.Pass();
        }
        return toCall <= 1000 ? d.Call() : d.CallOnDraw(10, LuckyOfTen);
    }
    if (points <= 38) {
        if (toCall <= 0) {
            return d.Bet(1500);
        }
        if (toCall <= 1500) {
            return d.Call();
        }
        return situation.others >= 2 ? d.Pass() : d.CallOnDraw(5, LuckyOfFive);
    }
    if (toCall <= 0) {
        return d.Bet(1500);
    }
    return toCall < 1500 ? d.RaiseOrCall() : d.Call();
}

BetDecision DecideLastDeal(const BetSituation& situation, const RandomSource& random,
                           const AmountText& amountText) {
    Decider d(situation, random, amountText);
    const int toCall = situation.toCall;
    const int points = situation.points;
    if (points >= 16 && points <= 20) {
        if (toCall <= 0) {
            return d.Bet(500);
        }
        if (toCall < 500) {
            return d.Pass();
        }
        return toCall <= 1000 ? d.Call() : d.CallOnDraw(5, LuckyOfFive);
    }
    if (points == 21) {
        if (toCall <= 0) {
            return d.Bet(1500);
        }
        return toCall < 1500 ? d.RaiseOrCall() : d.Call();
    }
    return toCall <= 0 ? d.BetOnDraw(1500) : d.Pass();
}

BetDecision DecideFinalRound(const BetSituation& situation, const RandomSource& random,
                             const AmountText& amountText) {
    Decider d(situation, random, amountText);
    const int toCall = situation.toCall;
    const int points = situation.points;
    if (points < 48) {
        return toCall <= 0 ? d.BetOnDraw(4000) : d.Pass();
    }
    if (points <= 49) {
        if (toCall <= 0) {
            return d.Bet(500);
        }
        if (toCall < 500) {
            return d.Pass();
        }
        if (toCall <= 1000) {
            return d.Call();
        }
        if (situation.others >= 2) {
            return d.Pass();
        }
        return toCall <= 2000 ? d.CallOnDraw(3, LuckyOfThree) : d.CallOnDraw(10, LuckyOfTen);
    }
    if (points <= 52) {
        if (toCall <= 0) {
            return d.Bet(1500);
        }
        if (toCall <= 1500) {
            return d.UpTo(1500);
        }
        if (points == 52 || toCall <= 2500) {
            return d.Call();
        }
        return d.CallOnDraw(5, LuckyOfFive);
    }
    return toCall <= 0 ? d.Bet(4000) : d.UpTo(4000);
}

} // namespace MyGame
