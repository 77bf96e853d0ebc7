#include "plan_progress.h"

namespace zef::detail {

namespace {
const PlanProgress* activeProgress = nullptr;
std::uint64_t turnsDone = 0;
std::uint64_t turnsPlanned = 0;
}  // namespace

void BeginProgress(const PlanProgress& progress, std::uint64_t turnsTotal)
{
    activeProgress = progress ? &progress : nullptr;
    turnsDone = 0;
    turnsPlanned = turnsTotal;
}

void EndProgress() { activeProgress = nullptr; }

bool ProgressWanted() { return activeProgress != nullptr; }

void CountSimulatedTurns(std::uint32_t turns)
{
    turnsDone += turns;
    if (activeProgress && !(*activeProgress)(turnsDone, turnsPlanned)) {
        throw PlanCancelled{};
    }
}

}  // namespace zef::detail
