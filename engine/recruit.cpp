#include "recruit.h"

#include "report_format.h"
#include "rounding.h"
#include "turn_kernel.h"

#include <string_view>

namespace zef {

namespace {

// The plan line a watched turn belongs to, and who watches it.
struct WatchedLine {
    TurnObserver& observer;
    std::int32_t fileLine;
    std::string_view unit;
};

// Watched is a template argument so that an unwatched run's loop carries no
// test for an observer at all.
template <bool Watched>
void SimulateTurns(Treasury& t, std::int32_t& turn, const TurnStep& step, std::int32_t count, const WatchedLine* watch)
{
    for (std::int32_t i = 0; i < count; ++i) {
        SimulateTurn(t, step);
        if constexpr (Watched) {
            const auto turnNo =
                static_cast<std::int32_t>(static_cast<std::uint32_t>(turn) + static_cast<std::uint32_t>(i) + 1u);
            watch->observer.observe({turnNo, watch->fileLine, watch->unit, t.gold, t.mana, t.goldUpkeep, t.manaUpkeep,
                                     t.goldIncome, t.manaIncome, t.damage});
        }
    }
    turn = static_cast<std::int32_t>(static_cast<std::uint32_t>(turn) + static_cast<std::uint32_t>(count));
}

// Simulates in slices so that a progress hook hears from a long line.
void SimulateLine(PlanningState& state, const UnitValues& unit, std::int32_t turns, TurnProgress& progress,
                  const WatchedLine* watch)
{
    const TurnStep step = TurnStepOf(unit);
    for (std::int32_t left = turns; left > 0;) {
        const std::int32_t count = progress.slice(left);
        if (watch) {
            SimulateTurns<true>(state.treasury, state.turn, step, count, watch);
        } else {
            SimulateTurns<false>(state.treasury, state.turn, step, count, nullptr);
        }
        left -= count;
        progress.count(static_cast<std::uint32_t>(count));
    }
}

}  // namespace

double NeededUnits(const UnitValues& unit, double amount)
{
    return static_cast<double>(Extended{amount} / unit[strength] / kDamagePerStrength);
}

bool RecruitsNothing(const UnitValues& unit) { return unit[batch] == 0 || unit[strength] == 0; }

LineQuantities LineQuantitiesFor(const UnitValues& unit, double amount)
{
    if (RecruitsNothing(unit)) {
        return {0, 0, 0.0};
    }
    const double needed = NeededUnits(unit, amount);
    const std::int64_t rounded = RoundHalfEven(Extended{needed} / unit[batch] + 0.5L);
    return {rounded, LowWord(rounded), static_cast<double>(RoundHalfEven(Extended(rounded) * unit[batch]))};
}

void RecruitLine(PlanningState& state, std::int64_t row, double amount, TurnProgress& progress,
                 const LineObserver& observer)
{
    Treasury& t = state.treasury;
    const UnitValues& unit = CatalogueValuesOf(state, row);
    const LineQuantities line = LineQuantitiesFor(unit, amount);
    const double lineGoldUpkeep = static_cast<double>(Extended{unit[upkeepGold]} * line.units);
    const double lineManaUpkeep = static_cast<double>(Extended{unit[upkeepMana]} * line.units);
    const double lineDamage = static_cast<double>(Extended{unit[strength]} * line.units * kDamagePerStrength);
    t.unitsTotal = static_cast<double>(Extended{t.unitsTotal} + line.units);
    if (line.turns > 0) {
        if (observer.observer) {
            const WatchedLine watch{*observer.observer, observer.fileLine, CatalogueNameOf(state, row)};
            SimulateLine(state, unit, line.turns, progress, &watch);
        } else {
            SimulateLine(state, unit, line.turns, progress, nullptr);
        }
    }
    if (TreasuryNegative(t)) {
        state.reportText += "NENI zl/mn! ";
    }
    state.reportText += CatalogueNameOf(state, row) + " " + PadLeft5(GeneralFigure(line.units)) + " ";
    AppendLineFigures(state, lineGoldUpkeep, lineManaUpkeep, lineDamage);
}

}  // namespace zef
