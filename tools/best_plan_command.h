// zef-plan --most-damage-by N and --fewest-turns-to D: the best plan for the
// folder's catalogue and economy, told beside the player's own plan, then the
// planning run's report of it; --write-plan writes it as rekrut.txt.
#pragma once

#include "best_plan.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zef {

// The options as given: each name with its value.
using BestPlanArguments = std::vector<std::pair<std::string, std::string>>;

struct BestPlanOptions {
    BestPlanRequest request;
    std::optional<std::filesystem::path> writePlan;  // absolute
    bool report = true;
};

// Whether `arg` is one of the options below; each takes a value.
bool IsBestPlanOption(std::string_view arg);

// The options' lines of zef-plan's usage text.
std::string BestPlanUsage();

// Reads the options before zef-plan changes to the data folder, so that a
// file is named from where it was started. A bad option is told on standard
// error: the result is then none, and zef-plan exits with 2.
std::optional<BestPlanOptions> ParseBestPlanOptions(const BestPlanArguments& arguments,
                                                    const std::filesystem::path& dataFolder);

// Answers in the current directory; the exit code: 0 with an answer, 1 when
// no plan meets the request or a file fails, 2 for a unit type that cannot
// be recruited.
int RunBestPlanCommand(const BestPlanOptions& options);

}  // namespace zef
