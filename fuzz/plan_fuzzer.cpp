// Feeds arbitrary bytes through a whole planning run: the bytes before the
// first NUL are the catalogue, the rest the plan (without a NUL, both files get
// all the bytes).
#include "catalogue.h"
#include "plan_order.h"
#include "plan_file.h"
#include "planning_state.h"
#include "run_plan.h"
#include "turn_budget.h"

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>

namespace {

// Plans that need more turns are correct but slow; skipping them keeps a slow
// input from passing for a hang.
constexpr std::uint64_t kMaxTurns = 4'000'000;

void WriteFile(const char* name, std::string_view bytes)
{
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    char folder[] = "/tmp/zef-fuzz-XXXXXX";
    if (!mkdtemp(folder) || chdir(folder) != 0) {
        std::abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    WriteFile(zef::kCatalogueFileName, input.substr(0, split));
    WriteFile(zef::kPlanFileName, split == std::string_view::npos ? input : input.substr(split + 1));

    zef::LoadCatalogue();
    zef::LoadPlan();
    zef::OrderPlan(zef::sortPlan);
    zef::reportText.clear();
    try {
        if (zef::PlannedTurns() > kMaxTurns) {
            return -1;
        }
    } catch (const zef::PlanTooLong&) {
        // The run must refuse it too, and leave the report as it was.
        try {
            zef::RunPlan();
        } catch (const zef::PlanTooLong&) {
            if (!zef::reportText.empty()) {
                std::abort();
            }
            return 0;
        }
        std::abort();
    }
    zef::RunPlan();
    return 0;
}
