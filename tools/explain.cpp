#include "explain.h"

#include "plan_file.h"
#include "plan_inputs.h"
#include "plan_reading.h"
#include "report_format.h"
#include "run_plan.h"
#include "shortfall_finder.h"

#include <optional>

namespace zef {

namespace {

std::string Finding(std::int32_t fileLine, const char* kind, const std::string& message)
{
    return std::string(kPlanFileName) + ":" + std::to_string(fileLine) + ": " + kind + ": " + message + "\n";
}

std::string ShortfallNote(const char* stock, const std::optional<Shortfall>& first)
{
    if (!first) {
        return {};
    }
    return Finding(first->fileLine, "note",
                   std::string(stock) + " below zero from turn " + std::to_string(first->turn) + " (" +
                       IntegerFigure(first->value) + ")");
}

}  // namespace

std::string ExplainPlan()
{
    const PlanInputs inputs = ReadPlanInputs();
    PlanningState state;
    ShortfallFinder shortfall;
    RunPlan(state, inputs.catalogue, inputs.plan, {}, &shortfall);
    // The warnings are ASCII, and so is all else written here: the text is UTF-8 as it stands.
    std::string text;
    for (const PlanLineReading& reading : ReadPlanLines(state, inputs.plan)) {
        for (const PlanWarning& warning : reading.warnings) {
            text += Finding(reading.fileLine, "warning", WarningInEnglish(warning));
        }
    }
    return text + ShortfallNote("gold", shortfall.gold()) + ShortfallNote("mana", shortfall.mana());
}

}  // namespace zef
