// The engine's entry: one planning run, from the two data files (their bytes,
// or the files in the current directory) to a report appended to the state's
// reportText.
#pragma once

#include "plan_progress.h"
#include "planning_state.h"
#include "turn_observer.h"

#include <cstdint>
#include <string_view>

namespace zef {

enum class PlanOutcome { Completed, Cancelled };

// What a run starts from: the start treasury with the plan's directives, the
// catalogue and the plan, read from the bytes of arm.txt and rekrut.txt.
void LoadRunInputs(PlanningState& state, std::string_view catalogueBytes, std::string_view planBytes);

// Resets the state's treasury, reads the bytes of arm.txt and rekrut.txt
// (Windows-1250, as stored) into it, orders and recruits the plan and appends
// the report, telling `progress` how far the simulation is and `observer`,
// when given, every simulated turn. Throws PlanTooLong for a plan the turn
// counter cannot count; a run that throws or is cancelled leaves reportText
// exactly as it was before the run.
PlanOutcome RunPlan(PlanningState& state, std::string_view catalogueBytes, std::string_view planBytes,
                    const PlanProgress& progress = {}, TurnObserver* observer = nullptr);

// The turns the run of these bytes would simulate, found without simulating
// any. Throws PlanTooLong as the run would.
std::int64_t PlannedTurnsOf(std::string_view catalogueBytes, std::string_view planBytes);

// The same run on arm.txt and rekrut.txt in the current directory, both read
// before anything else happens; a missing file is empty. Throws DataFileError
// on an input/output error.
PlanOutcome RunPlan(PlanningState& state, const PlanProgress& progress = {}, TurnObserver* observer = nullptr);

}  // namespace zef
