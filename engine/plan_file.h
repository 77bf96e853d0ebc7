#pragma once

#include "plan_directives.h"
#include "planning_state.h"

#include <string_view>

namespace zef {

inline constexpr const char* kPlanFileName = "rekrut.txt";

enum class PlanLineKind { Directive, Comment, Ignored, Plan };

// What the plan reader makes of one line of rekrut.txt. The runs point into
// the line that was classified.
struct ClassifiedLine {
    PlanLineKind kind = PlanLineKind::Ignored;
    // A directive: the one its fourth character selects (none has no effect),
    // and its value as written and as read.
    const Directive* directive = nullptr;
    std::string_view valueRun;
    double value = 0;
    // A plan line: its unit number and amount as written and as read, before
    // the plan factor. A line with one number only has no amount run.
    std::string_view unitRun;
    std::string_view amountRun;
    PlanLine numbers{};
};

// "@" first makes a directive and ";" first a comment; a line with fewer than
// 2 digits is ignored; every other line is a plan line, whose first two number
// runs are its unit number and amount. A directive's value is the first
// number at or after its fifth character, which may start with a "-" directly
// before a digit; it converts up to a further "-" or a second point ("5-3" is
// 5); no number gives 0.
ClassifiedLine ClassifyPlanLine(std::string_view line);

// Clears the plan and refills it from the bytes of rekrut.txt: directives set
// treasury fields, the plan factor or file order (see plan_directives.h); the
// first 20 plan lines fill the plan. Every amount is then multiplied by the
// plan factor and rounded.
void LoadPlan(PlanningState& state, std::string_view bytes);

// The same from rekrut.txt in the current directory; a missing file is empty.
void LoadPlan(PlanningState& state);

}  // namespace zef
