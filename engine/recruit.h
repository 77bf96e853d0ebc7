#pragma once

#include "plan_progress.h"
#include "planning_state.h"
#include "turn_kernel.h"
#include "turn_observer.h"

#include <cstdint>

namespace zef {

// Units needed for the damage `amount`: amount / strength / 0.4.
double NeededUnits(const UnitValues& unit, double amount);

// A unit type that cannot be recruited (batch 0), or that adds no damage
// (strength 0), recruits nothing: its lines take no turns and no units.
bool RecruitsNothing(const UnitValues& unit);

// What a line recruits, before anything is simulated.
struct LineQuantities {
    std::int64_t roundedTurns;  // the turns as rounded, before the turn counter's 32 bits are taken
    std::int32_t turns;         // turns to simulate; 0 or less simulates none
    double units;
};
LineQuantities LineQuantitiesFor(const UnitValues& unit, double amount);

// Who hears of a line's simulated turns, and under which line of rekrut.txt.
struct LineObserver {
    TurnObserver* observer = nullptr;
    std::int32_t fileLine = 0;
};

// Recruits one plan line on the state's treasury, turn by turn, advancing its
// turn counter and telling `progress` and `observer`, and appends the line's
// entry to its report.
void RecruitLine(PlanningState& state, std::int64_t row, double amount, TurnProgress& progress,
                 const LineObserver& observer = {});

}  // namespace zef
