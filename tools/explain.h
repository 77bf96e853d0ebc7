// zef-plan --explain: what in a plan may not be what the player meant, in the
// form compilers use, so that editors and terminals can point at the line.
#pragma once

#include <string>

namespace zef {

// Runs the plan in the current directory and gives its warnings in file
// order, then where gold and where mana first fall below zero: one finding a
// line ("rekrut.txt:LINE: warning: ..." or "...: note: ..."), UTF-8, LF line
// ends. Throws as RunPlan does.
std::string ExplainPlan();

}  // namespace zef
