#include "run_plan.h"

#include "catalogue.h"
#include "plan_file.h"
#include "plan_order.h"
#include "planning_state.h"
#include "recruit.h"
#include "report_format.h"
#include "rounding.h"

namespace zef {

std::uint64_t PlannedTurns()
{
    std::uint64_t total = 0;
    for (int p = 0; p < planCount; ++p) {
        const PlanLine& line = plan[p];
        const std::int32_t turns = LineQuantitiesFor(CatalogueValuesOf(RoundHalfEven(line.unitNo)), line.amount).turns;
        total += turns > 0 ? static_cast<std::uint64_t>(turns) : 0;
    }
    return total;
}

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

    ReportRollback rollback;
    detail::BeginProgress(progress, PlannedTurns());
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
