#pragma once

#include "planning_state.h"

namespace zef {

// Writes the state's planOrder: file order, then, when its sortPlan is set, a
// stable bubble sort by gold upkeep per recruiting turn (cross-multiplied, so
// that lines of zero key turns keep their place and split the plan into
// stretches).
void OrderPlan(PlanningState& state);

}  // namespace zef
