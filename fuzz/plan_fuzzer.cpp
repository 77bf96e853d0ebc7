// Feeds arbitrary bytes through a whole planning run and the reading of its
// plan lines: the bytes before the first NUL are the catalogue, the rest the
// plan (without a NUL, both get all the bytes).
#include "catalogue.h"
#include "plan_file.h"
#include "plan_order.h"
#include "plan_reading.h"
#include "run_plan.h"
#include "turn_budget.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

// Plans that need more turns are correct but slow; skipping them keeps a slow
// input from passing for a hang.
constexpr std::int64_t kMaxTurns = 4'000'000;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    const std::string_view catalogue = input.substr(0, split);
    const std::string_view plan = split == std::string_view::npos ? input : input.substr(split + 1);

    zef::PlanningState state;
    state.sortPlan = true;
    zef::LoadCatalogue(state, catalogue);
    zef::LoadPlan(state, plan);
    zef::OrderPlan(state);
    // The readings must count exactly the plan lines the reader loaded.
    const auto readings = zef::ReadPlanLines(state, plan);
    if (std::ranges::count_if(readings, [](const auto& r) { return r.planNumber > 0; }) != state.planCount) {
        std::abort();
    }
    try {
        if (zef::PlannedTurns(state) > kMaxTurns) {
            return -1;
        }
    } catch (const zef::PlanTooLong&) {
        // The run must refuse it too, and leave the report as it was.
        try {
            zef::RunPlan(state, catalogue, plan);
        } catch (const zef::PlanTooLong&) {
            if (!state.reportText.empty()) {
                std::abort();
            }
            return 0;
        }
        std::abort();
    }
    zef::RunPlan(state, catalogue, plan);
    return 0;
}
