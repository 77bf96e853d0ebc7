// What the engine itself makes of a plan: its turns, the treasury after its
// last turn and where gold and mana first fall below zero, from one
// unchanged planning run on the files' bytes.
#pragma once

#include "plan_progress.h"
#include "planning_state.h"
#include "run_plan.h"
#include "shortfall_finder.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zef {

struct CheckedPlan {
    PlanOutcome outcome = PlanOutcome::Completed;
    std::int32_t turns = 0;
    Treasury end{};  // before the summary's projections
    std::optional<Shortfall> goldShortfall;
    std::optional<Shortfall> manaShortfall;
    std::string report;  // the run's report (Windows-1250, CR LF)

    bool staysAboveZero() const { return !goldShortfall && !manaShortfall; }
};

// Throws as RunPlan does.
CheckedPlan CheckPlan(std::string_view catalogueBytes, std::string_view planBytes, const PlanProgress& progress = {});

}  // namespace zef
