#pragma once

#include "planning_state.h"

#include <cstdint>

namespace zef {

// The extended-precision value nearest 0.4: one unit adds strength x 0.4 damage.
inline constexpr Extended kDamagePerStrength = 0.4L;

// Units needed for the damage `amount`: amount / strength / 0.4.
double NeededUnits(const UnitValues& unit, double amount);

// What a line recruits, before anything is simulated.
struct LineQuantities {
    std::int64_t roundedTurns;  // the turns as rounded, before the turn counter's 32 bits are taken
    std::int32_t turns;         // turns to simulate; 0 or less simulates none
    double units;
};
LineQuantities LineQuantitiesFor(const UnitValues& unit, double amount);

void AppendShortfallWarning();

// Recruits one plan line on the shared treasury, turn by turn, and appends its
// entry to the report.
void RecruitLine(std::int64_t row, Treasury& t, double amount);

}  // namespace zef
