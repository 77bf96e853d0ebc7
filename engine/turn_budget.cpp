#include "turn_budget.h"

#include "recruit.h"
#include "rounding.h"

#include <string>

namespace zef {

namespace {

std::string Describe(const PlanLineSource& line, std::int64_t lineTurns, std::int64_t runTurns)
{
    std::string text = "rekrut.txt, line " + std::to_string(line.fileLine) + " \"" + line.text + "\": ";
    // A count below zero that is refused comes from an amount that could not
    // be represented, never from a plan that really needs so few turns.
    if (lineTurns < 0) {
        return text + "needs more turns than can be counted";
    }
    text += "needs " + std::to_string(lineTurns) + " turns";
    if (runTurns != lineTurns) {
        text += ", " + std::to_string(runTurns) + " with the lines before it";
    }
    return text + "; one run counts at most " + std::to_string(kMaxRunTurns);
}

bool FitsTurnCounter(std::int64_t turns) { return turns >= -kMaxRunTurns - 1 && turns <= kMaxRunTurns; }

}  // namespace

PlanTooLong::PlanTooLong(PlanLineSource line, std::int64_t lineTurns, std::int64_t runTurns)
    : std::runtime_error(Describe(line, lineTurns, runTurns)), line_(std::move(line)), lineTurns_(lineTurns),
      runTurns_(runTurns)
{
}

std::int64_t PlannedTurns(const PlanningState& state)
{
    std::int64_t total = 0;
    for (int p = 0; p < state.planCount; ++p) {
        const int n = state.planOrder[p] - 1;
        const PlanLine& line = state.plan[n];
        const std::int64_t turns =
            LineQuantitiesFor(CatalogueValuesOf(state, RoundHalfEven(line.unitNo)), line.amount).roundedTurns;
        if (!FitsTurnCounter(turns)) {
            throw PlanTooLong(state.planSources[n], turns, turns);
        }
        if (turns > 0) {
            total += turns;
            if (total > kMaxRunTurns) {
                throw PlanTooLong(state.planSources[n], turns, total);
            }
        }
    }
    return total;
}

}  // namespace zef
