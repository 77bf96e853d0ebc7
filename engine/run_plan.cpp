#include "run_plan.h"

#include "catalogue.h"
#include "plan_file.h"
#include "plan_order.h"
#include "planning_state.h"
#include "recruit.h"
#include "report_format.h"
#include "rounding.h"
#include "turn_budget.h"

namespace zef {

namespace {

// Whatever ends the run early, the report keeps only complete runs.
class ReportRollback {
public:
    ReportRollback() : size_(reportText.size()) {}
    ~ReportRollback()
    {
        if (!kept_) {
            reportText.resize(size_);
        }
        detail::EndProgress();
    }
    void keep() { kept_ = true; }

private:
    std::size_t size_;
    bool kept_ = false;
};

}  // namespace

void RunPlan() { RunPlan(PlanProgress{}); }

PlanOutcome RunPlan(const PlanProgress& progress)
{
    ResetTreasury(treasury, 1500000, 3600, 500000, 35000, 0);
    LoadCatalogue();
    LoadPlan();
    turn = 0;
    lastReportedTurn = 0;
    OrderPlan(sortPlan);
    const std::int64_t plannedTurns = PlannedTurns();

    ReportRollback rollback;
    detail::BeginProgress(progress, static_cast<std::uint64_t>(plannedTurns));
    try {
        for (int p = 0; p < planCount; ++p) {
            const PlanLine& line = plan[planOrder[p] - 1];
            RecruitLine(RoundHalfEven(line.unitNo), treasury, line.amount);
        }
        AppendSummary();
    } catch (const detail::PlanCancelled&) {
        return PlanOutcome::Cancelled;
    }
    rollback.keep();
    return PlanOutcome::Completed;
}

}  // namespace zef
