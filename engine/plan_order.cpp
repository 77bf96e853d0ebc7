#include "plan_order.h"

#include "planning_state.h"
#include "recruit.h"
#include "rounding.h"

#include <utility>

namespace zef {

namespace {

struct OrderKey {
    double turns;       // needed / batch, rounded
    double goldUpkeep;  // upkeepGold x (turns x batch, rounded)
};

OrderKey OrderKeyOf(const PlanningState& state, const PlanLine& line)
{
    const UnitValues& unit = CatalogueValuesOf(state, RoundHalfEven(line.unitNo));
    // A unit type that recruits nothing gets the key of a zero-turn line.
    if (RecruitsNothing(unit)) {
        return {0, 0};
    }
    // The key rounds needed / batch as it is; recruiting adds a half first, so
    // that a part-filled last turn counts. The order the reports show depends
    // on this exact rounding.
    const double needed = NeededUnits(unit, line.amount);
    const double turns = static_cast<double>(RoundHalfEven(Extended{needed} / unit[batch]));
    const std::int64_t units = RoundHalfEven(Extended{turns} * unit[batch]);
    return {turns, static_cast<double>(Extended{unit[upkeepGold]} * units)};
}

}  // namespace

void OrderPlan(PlanningState& state)
{
    const int planCount = state.planCount;
    auto& planOrder = state.planOrder;
    OrderKey keys[kPlanLines];
    for (int n = 0; n < planCount; ++n) {
        planOrder[n] = static_cast<std::uint8_t>(n + 1);
        keys[n] = OrderKeyOf(state, state.plan[n]);
    }
    if (!state.sortPlan) {
        return;
    }
    for (int pass = 1; pass <= planCount - 1; ++pass) {
        for (int j = 0; j < planCount - pass; ++j) {
            const OrderKey& a = keys[planOrder[j] - 1];
            const OrderKey& b = keys[planOrder[j + 1] - 1];
            const double left = static_cast<double>(Extended{b.goldUpkeep} * a.turns);
            const double right = static_cast<double>(Extended{a.goldUpkeep} * b.turns);
            // A NaN fails the test and swaps, as any failed comparison does.
            if (!(left >= right)) {
                std::swap(planOrder[j], planOrder[j + 1]);
            }
        }
    }
}

}  // namespace zef
