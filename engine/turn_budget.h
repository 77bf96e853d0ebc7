// The run's turn counter is 32 bits wide. A plan that needs more turns than
// it can count would print nonsense as if it were a result, so such a plan is
// refused before a single turn is simulated.
#pragma once

#include "planning_state.h"

#include <cstdint>
#include <limits>
#include <stdexcept>

namespace zef {

inline constexpr std::int64_t kMaxRunTurns = std::numeric_limits<std::int32_t>::max();

class PlanTooLong : public std::runtime_error {
public:
    PlanTooLong(PlanLineSource line, std::int64_t lineTurns, std::int64_t runTurns);

    // The plan line that does not fit.
    const PlanLineSource& line() const { return line_; }
    // Its own turns; below zero when they cannot be counted at all (an
    // infinite or not-a-number count, or an amount that overflowed).
    std::int64_t lineTurns() const { return lineTurns_; }
    // Its turns together with those of the lines recruited before it.
    std::int64_t runTurns() const { return runTurns_; }
    bool countable() const { return lineTurns_ >= 0; }

private:
    PlanLineSource line_;
    std::int64_t lineTurns_;
    std::int64_t runTurns_;
};

// The turns that the state's loaded and ordered plan simulates. Throws PlanTooLong at
// the first line, in recruiting order, whose own count lies outside the 32-bit
// range or that takes the run's total past kMaxRunTurns. Lines of a unit type
// that recruits nothing count no turns.
std::int64_t PlannedTurns(const PlanningState& state);

}  // namespace zef
