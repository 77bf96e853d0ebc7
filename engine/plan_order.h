#pragma once

namespace zef {

// Writes planOrder: file order, then, when sortPlan is set, a stable bubble
// sort by gold upkeep per recruiting turn (cross-multiplied, so that lines of
// zero key turns keep their place and split the plan into stretches).
void OrderPlan(bool sortPlan);

}  // namespace zef
