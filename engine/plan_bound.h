// An upper bound on the damage a plan can still add from a point of the
// search. Every remaining turn is a slot counted from the plan's end: a batch
// bought with j turns left after it costs its price and j turns of its
// upkeep. Gold and mana are priced with fixed weights, so each slot takes the
// unit type worth most at those prices (a Lagrangian relaxation): any weights
// give a bound, and the lowest of a few is taken. The mana cap and the rule
// that gold and mana stay at zero or more in every turn, not only at the
// end, are left out; they could only lower what a plan reaches.
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
    Extended most(const Treasury& t, std::int32_t turn, std::int32_t turnsLeft) const;
    // Its own damage and what plans of all `turnsLeft` turns could add: a
    // guide to how promising it is, no bound.
    Extended atEnd(const Treasury& t, std::int32_t turn, std::int32_t turnsLeft) const;
    // Whether most() exceeds `damage`; faster, as it stops at the first
    // length of plan that could.
    bool exceeds(const Treasury& t, std::int32_t turn, std::int32_t turnsLeft, Extended damage) const;

private:
    struct Weights {
        Extended gold;
        Extended mana;
        std::vector<Extended> slotSums;  // [m]: the best value of the last m slots together
    };

    void addWeights(Extended gold, Extended mana);
    Extended slotValue(const TurnStep& step, std::int32_t turnsAfter, Extended gold, Extended mana) const;
    // The best weights for a plan of `turns` turns from the start.
    void addBestWeights(const Treasury& start, std::int32_t turns);
    Extended weighed(const Weights& w, Extended gold, Extended mana, std::int32_t turns) const;
    // The most damage plans of exactly `turns` more turns can add; none
    // when the stocks are short before any price.
    std::optional<Extended> added(const Treasury& t, std::int32_t turn, std::int32_t turns) const;

    std::vector<TurnStep> steps_;
    std::int32_t horizon_;
    // [n]: the gold and mana that turns 1 to n bring without any upkeep or price.
    std::vector<Extended> incomeGold_;
    std::vector<Extended> incomeMana_;
    std::vector<Weights> weights_;
};

}  // namespace zef
