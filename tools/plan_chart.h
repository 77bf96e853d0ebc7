// zef-plan --chart: the treasury chart of the run, drawn as the chart window
// draws it at the size it opens with, as an SVG document.
#pragma once

#include "plan_inputs.h"
#include "planning_state.h"
#include "turn_observer.h"

#include <string>

namespace zef {

// Runs the plan of `inputs` on `state` as RunPlan does, handing every turn on
// to `observer` too when there is one, and returns the run's chart (UTF-8).
// Throws as RunPlan does; then there is no chart.
std::string RunPlanForChart(PlanningState& state, const PlanInputs& inputs, TurnObserver* observer);

}  // namespace zef
