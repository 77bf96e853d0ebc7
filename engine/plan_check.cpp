#include "plan_check.h"

namespace zef {

namespace {

class EndWatch : public ShortfallFinder {
public:
    explicit EndWatch(CheckedPlan& checked) : checked_(checked) {}
    void finished(const Treasury& treasury, std::int32_t turns) override
    {
        checked_.end = treasury;
        checked_.turns = turns;
    }

private:
    CheckedPlan& checked_;
};

}  // namespace

CheckedPlan CheckPlan(std::string_view catalogueBytes, std::string_view planBytes, const PlanProgress& progress)
{
    CheckedPlan checked;
    EndWatch watch(checked);
    PlanningState state;
    checked.outcome = RunPlan(state, catalogueBytes, planBytes, progress, &watch);
    checked.goldShortfall = watch.gold();
    checked.manaShortfall = watch.mana();
    checked.report = std::move(state.reportText);
    return checked;
}

}  // namespace zef
