// The whole amount to write on a plan line so that the line takes exactly the
// turns it is meant to take. The natural amount, the damage the turns add, is
// not always it: an odd count written so rounds up to one turn more, and a
// unit type whose batch adds less than 1 damage a turn has counts that no
// whole amount gives.
#pragma once

#include "planning_state.h"

#include <cstdint>
#include <optional>

namespace zef {

// The largest whole amount that recruits exactly `turns` (1 or more) turns of
// the unit type; none when no whole amount does.
std::optional<double> AmountForTurns(const UnitValues& unit, std::int32_t turns);

}  // namespace zef
