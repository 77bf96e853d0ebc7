#include "best_plan_command.h"

#include "best_plan_texts.h"
#include "catalogue.h"
#include "file_replace.h"
#include "plan_check.h"
#include "plan_file.h"
#include "plan_inputs.h"
#include "recruit.h"
#include "report_format.h"
#include "same_file.h"
#include "turn_budget.h"
#include "utf8_path.h"
#include "windows1250.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace zef {

namespace {

constexpr std::string_view kMostDamage = "--most-damage-by";
constexpr std::string_view kFewestTurns = "--fewest-turns-to";
constexpr std::string_view kUnits = "--units";
constexpr std::string_view kReserve = "--reserve";
constexpr std::string_view kMaxSeconds = "--max-seconds";
constexpr std::string_view kWritePlan = "--write-plan";
constexpr double kLongestSearch = 24 * 60 * 60;
// Damage beyond this cannot be written as a whole amount a double holds.
constexpr std::int64_t kMostDamageAsked = std::int64_t{1} << 53;

int Refuse(const std::string& message)
{
    std::fprintf(stderr, "zef-plan: %s\n", message.c_str());
    return 2;
}

std::optional<std::int64_t> WholeNumber(std::string_view text, std::int64_t low, std::int64_t high)
{
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::vector<std::int64_t>> RowList(std::string_view text)
{
    std::vector<std::int64_t> rows;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const std::optional<std::int64_t> row = WholeNumber(text.substr(start, comma - start), 1, kCatalogueRows);
        if (!row) {
            return std::nullopt;
        }
        rows.push_back(*row);
        start = comma + 1;
    }
    return rows;
}

std::optional<double> Seconds(const std::string& text)
{
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !(value > 0 && value <= kLongestSearch)) {
        return std::nullopt;
    }
    return value;
}

// A bad option's message, or none.
std::optional<std::string> Take(BestPlanOptions& options, bool& asked, const std::string& name,
                                const std::string& value)
{
    BestPlanRequest& request = options.request;
    if (name == kMostDamage || name == kFewestTurns) {
        const bool turns = name == kMostDamage;
        const std::optional<std::int64_t> target = WholeNumber(value, 1, turns ? kMaxBestPlanTurns : kMostDamageAsked);
        if (asked) {
            return "give one question: " + std::string(kMostDamage) + " or " + std::string(kFewestTurns);
        }
        if (!target) {
            return name + " takes a whole number " +
                   (turns ? "of turns from 1 to " + std::to_string(kMaxBestPlanTurns)
                          : "of damage from 1 to " + std::to_string(kMostDamageAsked));
        }
        asked = true;
        request.question = turns ? BestPlanQuestion::MostDamage : BestPlanQuestion::FewestTurns;
        request.target = *target;
    } else if (name == kUnits) {
        const std::optional<std::vector<std::int64_t>> rows = RowList(value);
        if (!rows) {
            return name + " takes unit numbers from 1 to " + std::to_string(kCatalogueRows) +
                   " separated by commas, such as 6,9";
        }
        request.rows = *rows;
    } else if (name == kReserve) {
        const std::optional<std::int64_t> reserve = WholeNumber(value, 0, kProjectionTurns);
        if (!reserve) {
            return name + " takes a whole number of turns from 0 to " + std::to_string(kProjectionTurns);
        }
        request.reserve = static_cast<int>(*reserve);
    } else if (name == kMaxSeconds) {
        const std::optional<double> seconds = Seconds(value);
        if (!seconds) {
            return name + " takes a number of seconds above 0, at most " + std::to_string(int(kLongestSearch));
        }
        request.timeLimit = std::chrono::milliseconds(static_cast<std::int64_t>(std::ceil(*seconds * 1000)));
    } else if (name == kWritePlan) {
        options.writePlan = std::filesystem::absolute(PathFromUtf8(value));
    }
    return std::nullopt;
}

// A unit number the player allowed that names no row that recruits.
std::optional<std::int64_t> UnusableRow(const std::vector<std::int64_t>& rows, std::string_view catalogueBytes)
{
    PlanningState catalogue;
    LoadCatalogue(catalogue, catalogueBytes);
    for (const std::int64_t row : rows) {
        if (RecruitsNothing(CatalogueValuesOf(catalogue, row))) {
            return row;
        }
    }
    return std::nullopt;
}

std::string AnswerText(const BestPlanOptions& options, const BestPlanResult& result, const PlanInputs& inputs,
                       const std::optional<CheckedPlan>& player)
{
    const std::string text = BestPlanText(options.request, result, inputs.catalogue,
                                          player ? std::optional(FiguresOf(player->end, player->turns)) : std::nullopt);
    return options.report && result.answer ? text + "\n" + Windows1250ToUtf8(result.answer->report) : text;
}

bool WriteOut(const std::string& text)
{
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0;
}

}  // namespace

bool IsBestPlanOption(std::string_view arg)
{
    for (const std::string_view name : {kMostDamage, kFewestTurns, kUnits, kReserve, kMaxSeconds, kWritePlan}) {
        if (arg == name) {
            return true;
        }
    }
    return false;
}

std::string BestPlanUsage()
{
    return "  --most-damage-by N   instead of the report, find the plan with the most\n"
           "              damage within at most N turns, gold and mana at zero or more\n"
           "              after every turn, at most 20 plan lines\n"
           "  --fewest-turns-to D  instead, the plan that reaches D damage in the\n"
           "              fewest turns\n"
           "              Both write (UTF-8) whether the answer is proven best, the\n"
           "              answer beside the folder's own plan, what binds it, what one\n"
           "              more turn or 10 % more gold would give, the runner-up, the\n"
           "              plan lines and the report of the answer; exit 1 when no plan\n"
           "              meets the request\n"
           "  --units LIST         only these unit numbers, such as 6,9 (default: all)\n"
           "  --reserve R          the gold and the mana must each last R more turns\n"
           "              after the plan, as the summary projects them (default 0)\n"
           "  --max-seconds S      stop searching after S seconds with the best plan\n"
           "              found and how far from the best it can be (default 10)\n"
           "  --write-plan FILE    write rekrut.txt with the answer's plan lines to\n"
           "              FILE, all or nothing; never arm.txt or rekrut.txt itself\n";
}

std::optional<BestPlanOptions> ParseBestPlanOptions(const BestPlanArguments& arguments,
                                                    const std::filesystem::path& dataFolder)
{
    BestPlanOptions options;
    bool asked = false;
    for (const auto& [name, value] : arguments) {
        if (const std::optional<std::string> bad = Take(options, asked, name, value)) {
            Refuse(*bad);
            return std::nullopt;
        }
    }
    if (!asked) {
        Refuse("give one question: " + std::string(kMostDamage) + " or " + std::string(kFewestTurns));
        return std::nullopt;
    }
    if (options.writePlan) {
        // The answer must never take the place of the run's own input.
        for (const char* input : {kCatalogueFileName, kPlanFileName}) {
            if (SameFile(*options.writePlan, dataFolder / input)) {
                Refuse("--write-plan " + Utf8Name(*options.writePlan) + " is the plan's " + input +
                       ": refusing to write over it");
                return std::nullopt;
            }
        }
    }
    return options;
}

int RunBestPlanCommand(const BestPlanOptions& options)
{
    try {
        const PlanInputs inputs = ReadPlanInputs();
        if (const std::optional<std::int64_t> row = UnusableRow(options.request.rows, inputs.catalogue)) {
            return Refuse(std::string(kUnits) + ": unit " + std::to_string(*row) + " of arm.txt recruits nothing");
        }
        // A plan of the player's that cannot run leaves no figures to compare.
        std::optional<CheckedPlan> player;
        try {
            player = CheckPlan(inputs.catalogue, inputs.plan);
        } catch (const PlanTooLong&) {
        }
        const BestPlanResult result = FindBestPlan(inputs.catalogue, inputs.plan, options.request);
        const std::string text = AnswerText(options, result, inputs, player);
        if (!result.answer) {
            // No plan to show: the status says why.
            if (!WriteOut(text)) {
                std::fputs("zef-plan: standard output: write failed\n", stderr);
            }
            return 1;
        }
        if (options.writePlan) {
            if (const std::optional<FileFailure> failure =
                    ReplaceFileVerified(*options.writePlan, result.answer->planBytes)) {
                std::fprintf(stderr, "zef-plan: %s: %s\n", Utf8Name(*options.writePlan).c_str(),
                             failure->systemText.c_str());
                return 1;
            }
        }
        if (!WriteOut(text)) {
            std::fputs("zef-plan: standard output: write failed\n", stderr);
            return 1;
        }
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "zef-plan: %s\n", error.what());
        return 1;
    }
}

}  // namespace zef
