// An upper bound on the damage a plan can still add from a point of the
// search. Every remaining turn is a slot counted from the plan's end: a batch
// bought with j turns left after it costs its price and j turns of its
// upkeep. Gold and mana are priced with fixed weights, so each slot takes the
// unit type worth most at those prices (a Lagrangian relaxation): any weights
// give a bound, and the lowest of a few is taken. The mana cap and the rule
// that gold and mana stay at zero or more in every turn, not only at the
// end, are left out; they could only lower what a plan reaches.
//
// The bound works in doubles: the x87's extended precision would make it
// several times slower, and its rounding is covered by the slack it is given.
#pragma once

#include "planning_state.h"
#include "turn_kernel.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace zef {

class DamageBound {
public:
    // `steps`: the unit types a plan may use; `start`: the treasury before
    // the first turn (only its incomes and conversions are read); `horizon`:
    // the most turns a plan may take.
    DamageBound(std::vector<TurnStep> steps, const Treasury& start, std::int32_t horizon);

    std::int32_t horizon() const { return horizon_; }

    // The most damage a plan that holds `t` after `turn` turns can have after
    // at most `turnsLeft` more turns, its own damage included. A point with
    // no way on has its own damage.
    double most(const Treasury& t, std::int32_t turn, std::int32_t turnsLeft) const;
    // Its own damage and what plans of all `turnsLeft` turns could add: a
    // guide to how promising it is, no bound.
    double atEnd(const Treasury& t, std::int32_t turn, std::int32_t turnsLeft) const;
    // Whether most() exceeds `damage`; faster, as it stops at the first
    // length of plan that could.
    bool exceeds(const Treasury& t, std::int32_t turn, std::int32_t turnsLeft, double damage) const;

private:
    // What one turn of a unit type adds and costs, as the bound counts it.
    struct Slot {
        double damage;
        double goldPrice;
        double goldUpkeep;
        double manaPrice;
        double manaUpkeep;
    };
    struct Weights {
        double gold;
        double mana;
        std::vector<double> slotSums;  // [m]: the best value of the last m slots together
    };

    void addWeights(double gold, double mana);
    double slotValue(const Slot& slot, std::int32_t turnsAfter, double gold, double mana) const;
    // The best weights for a plan of `turns` turns from the start.
    void addBestWeights(const Treasury& start, std::int32_t turns);
    double weighed(const Weights& w, double gold, double mana, std::int32_t turns) const;
    // The most damage plans of exactly `turns` more turns can add; none
    // when the stocks are short before any price.
    std::optional<double> added(const Treasury& t, std::int32_t turn, std::int32_t turns) const;

    std::vector<Slot> slots_;
    std::int32_t horizon_;
    // [n]: the gold and mana that turns 1 to n bring without any upkeep or price.
    std::vector<double> incomeGold_;
    std::vector<double> incomeMana_;
    std::vector<Weights> weights_;
};

}  // namespace zef
