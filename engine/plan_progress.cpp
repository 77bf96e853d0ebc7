#include "plan_progress.h"

#include <algorithm>

namespace zef {

TurnProgress::TurnProgress(const PlanProgress& hook, std::uint64_t turnsTotal)
    : hook_(hook ? &hook : nullptr), turnsTotal_(turnsTotal)
{
}

std::int32_t TurnProgress::slice(std::int32_t turns) const
{
    return hook_ ? std::min(turns, kProgressInterval) : turns;
}

void TurnProgress::count(std::uint32_t turns)
{
    turnsDone_ += turns;
    if (hook_ && !(*hook_)(turnsDone_, turnsTotal_)) {
        throw PlanCancelled{};
    }
}

int ProgressStepsDone(std::uint64_t turnsDone, std::uint64_t turnsTotal)
{
    const std::uint64_t total = turnsTotal ? turnsTotal : 1;
    return static_cast<int>(std::min(turnsDone, total) * kProgressSteps / total);
}

}  // namespace zef
