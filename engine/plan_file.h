#pragma once

#include "planning_state.h"

#include <string_view>

namespace zef {

inline constexpr const char* kPlanFileName = "rekrut.txt";

// The value of a directive line: the first number at or after its fifth
// character, which may start with a "-" directly before a digit. It converts
// up to a further "-" or a second point ("5-3" is 5); no number gives 0.
double DirectiveValue(std::string_view line);

// Clears the plan and refills it from rekrut.txt: directives ("@" first, see
// plan_directives.h) set treasury fields, the plan factor or file order; lines with 2 or more digits that are no comment (";") are
// plan lines (unit number, amount). Every amount is then multiplied by the
// plan factor and rounded.
void LoadPlan(PlanningState& state);

}  // namespace zef
