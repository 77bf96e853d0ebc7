#include "run_plan.h"

#include "catalogue.h"
#include "plan_directives.h"
#include "plan_file.h"
#include "plan_inputs.h"
#include "plan_order.h"
#include "recruit.h"
#include "report_format.h"
#include "rounding.h"
#include "turn_budget.h"

namespace zef {

void LoadRunInputs(PlanningState& state, std::string_view catalogueBytes, std::string_view planBytes)
{
    state.treasury = StartTreasury();
    state.sortPlan = true;
    LoadCatalogue(state, catalogueBytes);
    LoadPlan(state, planBytes);
}

namespace {

// A run's state before its first turn: its inputs read, the counters at zero,
// the plan ordered.
void LoadRun(PlanningState& state, std::string_view catalogueBytes, std::string_view planBytes)
{
    LoadRunInputs(state, catalogueBytes, planBytes);
    state.turn = 0;
    state.lastReportedTurn = 0;
    OrderPlan(state);
}

}  // namespace

PlanOutcome RunPlan(PlanningState& state, std::string_view catalogueBytes, std::string_view planBytes,
                    const PlanProgress& progress, TurnObserver* observer)
{
    LoadRun(state, catalogueBytes, planBytes);
    TurnProgress turns(progress, static_cast<std::uint64_t>(PlannedTurns(state)));

    // Whatever ends the run early, the report keeps only complete runs.
    const std::size_t reportSize = state.reportText.size();
    try {
        for (int p = 0; p < state.planCount; ++p) {
            const int n = state.planOrder[p] - 1;
            const PlanLine& line = state.plan[n];
            RecruitLine(state, RoundHalfEven(line.unitNo), line.amount, turns,
                        {observer, state.planSources[n].fileLine});
        }
        if (observer) {
            observer->finished(state.treasury, state.turn);
        }
        AppendSummary(state);
    } catch (const PlanCancelled&) {
        state.reportText.resize(reportSize);
        return PlanOutcome::Cancelled;
    } catch (...) {
        state.reportText.resize(reportSize);
        throw;
    }
    return PlanOutcome::Completed;
}

std::int64_t PlannedTurnsOf(std::string_view catalogueBytes, std::string_view planBytes)
{
    PlanningState state;
    LoadRun(state, catalogueBytes, planBytes);
    return PlannedTurns(state);
}

PlanOutcome RunPlan(PlanningState& state, const PlanProgress& progress, TurnObserver* observer)
{
    const PlanInputs inputs = ReadPlanInputs();
    return RunPlan(state, inputs.catalogue, inputs.plan, progress, observer);
}

}  // namespace zef
