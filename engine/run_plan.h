// The engine's entry: one planning run, from the two data files in the current
// directory to a report appended to the state's reportText.
#pragma once

#include "plan_progress.h"
#include "planning_state.h"
#include "turn_observer.h"

namespace zef {

enum class PlanOutcome { Completed, Cancelled };

// Resets the state's treasury, reads arm.txt and rekrut.txt into it, orders
// and recruits the plan and appends the report, telling `progress` how far the
// simulation is and `observer`, when given, every simulated turn. Throws DataFileError on an input/output error and
// PlanTooLong for a plan the turn counter cannot count; a run that throws or
// is cancelled leaves reportText exactly as it was before the run.
PlanOutcome RunPlan(PlanningState& state, const PlanProgress& progress = {}, TurnObserver* observer = nullptr);

}  // namespace zef
