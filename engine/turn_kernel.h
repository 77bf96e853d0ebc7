// One simulated turn of recruiting: the economy every report is made of. The
// planning run's loop and the best-plan search both call it, so a plan the
// search finds is worked out with exactly the arithmetic the report uses.
#pragma once

#include "planning_state.h"

namespace zef {

// The extended-precision value nearest 0.4: one unit adds strength x 0.4 damage.
inline constexpr Extended kDamagePerStrength = 0.4L;

// What one simulated turn of a unit type adds or costs: the same in every
// turn, so computed once per line.
struct TurnStep {
    Extended goldPrice;
    Extended manaPrice;
    Extended goldUpkeep;
    Extended manaUpkeep;
    Extended damage;
};

inline TurnStep TurnStepOf(const UnitValues& unit)
{
    const Extended units = unit[batch];
    return {units * unit[priceGold], units * unit[priceMana], Extended{unit[upkeepGold]} * units,
            Extended{unit[upkeepMana]} * units, units * unit[strength] * kDamagePerStrength};
}

// One turn on the treasury, in this order: conversions (up to 3 a turn from
// the backlog), prices, gold income less upkeep, the new gold upkeep, the
// gold income the conversions cost, mana likewise, the mana cap, the new mana
// upkeep, and the batch's damage. A batch is paid for in its turn and pays
// upkeep from the next.
inline void SimulateTurn(Treasury& t, const TurnStep& step)
{
    double conversions;
    if (t.conversionBacklog > 2) {
        conversions = 3;
        t.conversionBacklog = static_cast<double>(Extended{t.conversionBacklog} - 3);
    } else {
        conversions = t.conversionBacklog;
        t.conversionBacklog = 0;
    }
    t.gold = static_cast<double>(Extended{t.gold} - step.goldPrice - 750 * Extended{conversions});
    t.gold = static_cast<double>(Extended{t.gold} + t.goldIncome - t.goldUpkeep);
    t.goldUpkeep = static_cast<double>(Extended{t.goldUpkeep} + step.goldUpkeep);
    t.goldIncome = static_cast<double>(Extended{t.goldIncome} - 0.75L * conversions);
    t.mana = static_cast<double>(Extended{t.mana} - step.manaPrice);
    t.mana = static_cast<double>(Extended{t.mana} + t.manaIncome - t.manaUpkeep);
    t.manaIncome = static_cast<double>(Extended{t.manaIncome} + 50 * Extended{conversions});
    if (t.mana > t.manaCap) {
        t.mana = t.manaCap;
    }
    t.manaUpkeep = static_cast<double>(Extended{t.manaUpkeep} + step.manaUpkeep);
    t.damage = static_cast<double>(Extended{t.damage} + step.damage);
}

}  // namespace zef
