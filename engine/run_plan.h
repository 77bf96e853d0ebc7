// The engine's entry: one planning run, from the two data files in the current
// directory to a report appended to reportText.
#pragma once

#include "plan_progress.h"

namespace zef {

enum class PlanOutcome { Completed, Cancelled };

// Resets the treasury, reads arm.txt and rekrut.txt, orders and recruits the
// plan and appends the report. Throws DataFileError on an input/output error
// and PlanTooLong for a plan the turn counter cannot count; reportText is then
// unchanged.
void RunPlan();

// The same, telling `progress` how far the simulation is. A cancelled run
// leaves reportText exactly as it was before the run.
PlanOutcome RunPlan(const PlanProgress& progress);

}  // namespace zef
