// How a long planning run reports its progress and learns that it is to stop.
#pragma once

#include <cstdint>
#include <functional>

namespace zef {

// Called every kProgressInterval simulated turns with the turns simulated so
// far and the turns the whole plan needs; returning false cancels the run.
using PlanProgress = std::function<bool(std::uint64_t turnsDone, std::uint64_t turnsTotal)>;

inline constexpr std::int32_t kProgressInterval = 1 << 22;

namespace detail {

// Thrown out of the turn loop when the hook asks to stop; RunPlan catches it.
struct PlanCancelled {};

// Set by RunPlan for the length of one run; empty when the caller gave no hook.
void BeginProgress(const PlanProgress& progress, std::uint64_t turnsTotal);
void EndProgress();
bool ProgressWanted();
// Counts simulated turns; throws PlanCancelled when the hook says stop.
void CountSimulatedTurns(std::uint32_t turns);

}  // namespace detail
}  // namespace zef
