#include "plan_bound.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zef {

namespace {

constexpr int kWeightRounds = 3;
// Weights are fitted to plans of at most this many turns; longer ones take
// them as they are, which only makes their bound less tight.
constexpr std::int32_t kWeightTurns = 1024;
constexpr int kGoldenSteps = 30;
const double kGoldenRatio = (std::sqrt(5.0) - 1) / 2;

// The search's sums are doubles rounded turn by turn; the bound works in
// exact sums. A plan the bound calls short by less than this much gold or
// mana may still pass in doubles, so it is given that much, and a bound is
// raised by as much as its rounding could lose.
double Slack(double scale) { return 1e-7 * std::fabs(scale) + 1e-3; }
double Margin(double value) { return 1e-9 * std::fabs(value) + 1e-4; }

// The lowest point of a convex function on [0, high].
template <typename F>
double LowestOn(double high, const F& f)
{
    double a = 0;
    double b = high;
    double x1 = b - kGoldenRatio * (b - a);
    double x2 = a + kGoldenRatio * (b - a);
    double f1 = f(x1);
    double f2 = f(x2);
    for (int i = 0; i < kGoldenSteps; ++i) {
        if (f1 <= f2) {
            b = x2;
            x2 = x1;
            f2 = f1;
            x1 = b - kGoldenRatio * (b - a);
            f1 = f(x1);
        } else {
            a = x1;
            x1 = x2;
            f1 = f2;
            x2 = a + kGoldenRatio * (b - a);
            f2 = f(x2);
        }
    }
    return f(0) <= std::min(f1, f2) ? 0 : (f1 <= f2 ? x1 : x2);
}

// A weight past which every unit type that costs any of that stock is worth
// less than nothing in every slot.
template <typename Slot>
double HighestWeight(const std::vector<Slot>& slots, double Slot::*price, double Slot::*upkeep)
{
    double damage = 0;
    double cheapest = std::numeric_limits<double>::infinity();
    for (const Slot& slot : slots) {
        damage = std::max(damage, slot.damage);
        for (const double cost : {slot.*price, slot.*upkeep}) {
            if (cost > 0) {
                cheapest = std::min(cheapest, cost);
            }
        }
    }
    return std::isinf(cheapest) ? 0 : 2 * damage / cheapest;
}

}  // namespace

DamageBound::DamageBound(std::vector<TurnStep> steps, const Treasury& start, std::int32_t horizon) : horizon_(horizon)
{
    for (const TurnStep& step : steps) {
        slots_.push_back({static_cast<double>(step.damage), static_cast<double>(step.goldPrice),
                          static_cast<double>(step.goldUpkeep), static_cast<double>(step.manaPrice),
                          static_cast<double>(step.manaUpkeep)});
    }
    // What the incomes and conversions bring, turn by turn, is the same for
    // every plan: the turns of a plan that buys nothing and pays no upkeep.
    Treasury incomes = start;
    incomes.gold = 0;
    incomes.mana = 0;
    incomes.goldUpkeep = 0;
    incomes.manaUpkeep = 0;
    incomes.manaCap = std::numeric_limits<double>::infinity();
    const TurnStep nothing{};
    incomeGold_.assign(1, 0);
    incomeMana_.assign(1, 0);
    for (std::int32_t n = 1; n <= horizon_; ++n) {
        SimulateTurn(incomes, nothing);
        incomeGold_.push_back(incomes.gold);
        incomeMana_.push_back(incomes.mana);
    }
    addWeights(0, 0);
    const std::int32_t fitted = std::min(horizon_, kWeightTurns);
    for (const std::int32_t turns : {fitted, fitted * 3 / 4, fitted / 2, fitted / 4}) {
        if (turns > 0) {
            addBestWeights(start, turns);
        }
    }
}

double DamageBound::slotValue(const Slot& slot, std::int32_t turnsAfter, double gold, double mana) const
{
    return slot.damage - gold * (slot.goldPrice + slot.goldUpkeep * turnsAfter) -
           mana * (slot.manaPrice + slot.manaUpkeep * turnsAfter);
}

void DamageBound::addWeights(double gold, double mana)
{
    Weights w{gold, mana, {0}};
    for (std::int32_t j = 0; j < horizon_; ++j) {
        double best = -std::numeric_limits<double>::infinity();
        for (const Slot& slot : slots_) {
            best = std::max(best, slotValue(slot, j, gold, mana));
        }
        w.slotSums.push_back(w.slotSums.back() + best);
    }
    weights_.push_back(std::move(w));
}

void DamageBound::addBestWeights(const Treasury& start, std::int32_t turns)
{
    const double gold = start.gold + incomeGold_[turns] - start.goldUpkeep * turns;
    const double mana = start.mana + incomeMana_[turns] - start.manaUpkeep * turns;
    if (!(gold >= 0 && mana >= 0) || slots_.empty()) {
        return;
    }
    const auto bound = [&](double goldWeight, double manaWeight) {
        double sum = goldWeight * gold + manaWeight * mana;
        for (std::int32_t j = 0; j < turns; ++j) {
            double best = -std::numeric_limits<double>::infinity();
            for (const Slot& slot : slots_) {
                best = std::max(best, slotValue(slot, j, goldWeight, manaWeight));
            }
            sum += best;
        }
        return sum;
    };
    const double highGold = HighestWeight(slots_, &Slot::goldPrice, &Slot::goldUpkeep);
    const double highMana = HighestWeight(slots_, &Slot::manaPrice, &Slot::manaUpkeep);
    double goldWeight = 0;
    double manaWeight = 0;
    for (int round = 0; round < kWeightRounds; ++round) {
        goldWeight = LowestOn(highGold, [&](double x) { return bound(x, manaWeight); });
        manaWeight = LowestOn(highMana, [&](double x) { return bound(goldWeight, x); });
    }
    addWeights(goldWeight, manaWeight);
}

double DamageBound::weighed(const Weights& w, double gold, double mana, std::int32_t turns) const
{
    return w.gold * (gold + Slack(gold)) + w.mana * (mana + Slack(mana)) + w.slotSums[turns];
}

std::optional<double> DamageBound::added(const Treasury& t, std::int32_t turn, std::int32_t turns) const
{
    // Prices and upkeeps are never below zero: a stock already short before
    // any of them has no plan of this length.
    const double gold = t.gold + (incomeGold_[turn + turns] - incomeGold_[turn]) - t.goldUpkeep * turns;
    const double mana = t.mana + (incomeMana_[turn + turns] - incomeMana_[turn]) - t.manaUpkeep * turns;
    if (gold < -Slack(gold) || mana < -Slack(mana)) {
        return std::nullopt;
    }
    double least = std::numeric_limits<double>::infinity();
    for (const Weights& w : weights_) {
        least = std::min(least, weighed(w, gold, mana, turns));
    }
    return least;
}

double DamageBound::most(const Treasury& t, std::int32_t turn, std::int32_t turnsLeft) const
{
    double best = t.damage;
    const std::int32_t last = std::min(turnsLeft, horizon_ - turn);
    for (std::int32_t m = 1; m <= last; ++m) {
        if (const std::optional<double> more = added(t, turn, m)) {
            best = std::max(best, t.damage + *more);
        }
    }
    return best + Margin(best);
}

double DamageBound::atEnd(const Treasury& t, std::int32_t turn, std::int32_t turnsLeft) const
{
    // most() over a few lengths only: all, and halves towards both ends.
    double best = t.damage;
    const std::int32_t last = std::min(turnsLeft, horizon_ - turn);
    for (std::int32_t part = last; part > 0; part /= 2) {
        for (const std::int32_t m : {part, last - part + 1}) {
            if (const std::optional<double> more = added(t, turn, m)) {
                best = std::max(best, t.damage + *more);
            }
        }
    }
    return best;
}

bool DamageBound::exceeds(const Treasury& t, std::int32_t turn, std::int32_t turnsLeft, double damage) const
{
    if (t.damage + Margin(t.damage) > damage) {
        return true;
    }
    // Longer plans add more damage, as a rule: they are tried first.
    for (std::int32_t m = std::min(turnsLeft, horizon_ - turn); m >= 1; --m) {
        const std::optional<double> more = added(t, turn, m);
        if (more && t.damage + *more + Margin(t.damage + *more) > damage) {
            return true;
        }
    }
    return false;
}

}  // namespace zef
