// How a long planning run reports its progress and learns that it is to stop.
#pragma once

#include <cstdint>
#include <functional>

namespace zef {

// Called every kProgressInterval simulated turns with the turns simulated so
// far and the turns the whole plan needs; returning false cancels the run.
using PlanProgress = std::function<bool(std::uint64_t turnsDone, std::uint64_t turnsTotal)>;

inline constexpr std::int32_t kProgressInterval = 1 << 22;

// A progress bar's steps, and how many of them `turnsDone` of `turnsTotal`
// fill; every window's progress dialog shows it so.
inline constexpr int kProgressSteps = 1000;
int ProgressStepsDone(std::uint64_t turnsDone, std::uint64_t turnsTotal);

// Thrown out of the turn loop when the hook asks to stop; RunPlan catches it.
struct PlanCancelled {};

// One run's count of simulated turns, told to the run's hook. Belongs to the
// run, so runs of two planning states never hear of each other.
class TurnProgress {
public:
    TurnProgress() = default;
    TurnProgress(const PlanProgress& hook, std::uint64_t turnsTotal);

    // How many turns to simulate before the next count: all of them at once
    // when nobody listens, since slicing costs time.
    std::int32_t slice(std::int32_t turns) const;
    // Counts simulated turns; throws PlanCancelled when the hook says stop.
    void count(std::uint32_t turns);

private:
    const PlanProgress* hook_ = nullptr;
    std::uint64_t turnsDone_ = 0;
    std::uint64_t turnsTotal_ = 0;
};

}  // namespace zef
