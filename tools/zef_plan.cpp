// zef-plan: one planning run in a folder, its report on standard output.
#include "best_plan_command.h"
#include "catalogue.h"
#include "data_file.h"
#include "explain.h"
#include "file_replace.h"
#include "interrupted_output.h"
#include "plan_chart.h"
#include "plan_directives.h"
#include "plan_file.h"
#include "plan_inputs.h"
#include "run_plan.h"
#include "same_file.h"
#include "standard_output.h"
#include "turn_budget.h"
#include "turn_csv.h"
#include "utf8_main.h"
#include "utf8_path.h"
#include "windows1250.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
namespace {

std::string Usage()
{
    std::string usage = "Usage: zef-plan [-C DIR] [--utf8] [--csv FILE] [--chart FILE] [--no-report]\n"
                        "       zef-plan [-C DIR] --explain\n"
                        "       zef-plan [-C DIR] (--most-damage-by N | --fewest-turns-to D) [--units LIST]\n"
                        "                [--reserve R] [--max-seconds S] [--write-plan FILE] [--no-report]\n"
                        "\n"
                        "Runs one recruitment plan in DIR (default: the current directory) and writes\n"
                        "its report to standard output, as Windows-1250 text with CR LF line ends.\n"
                        "It writes no file unless asked to (--csv, --chart, --write-plan).\n"
                        "\n"
                        "  arm.txt     the unit catalogue: every line with at least 9 digits is a unit\n"
                        "              type, numbered from 1: a 4-character name, then gold price, mana\n"
                        "              price, (unused), gold upkeep, mana upkeep, (unused), strength and\n"
                        "              units recruitable per turn.\n"
                        "  rekrut.txt  the plan: lines starting with \";\" are comments; every other line\n"
                        "              with two numbers is a unit number and the damage to buy; a line\n"
                        "              starting with \"@\" is a directive, told by its fourth character,\n"
                        "              with the first number from its fifth character on as its value:\n";
    for (const zef::Directive& directive : zef::kDirectives) {
        std::string name(directive.name);
        name.resize(10, ' ');
        usage += "                " + name + std::string(directive.meaning) + "; if absent " +
                 zef::IfAbsentText(directive) + "\n";
    }
    return usage +
           "\n"
           "  -C DIR      run in DIR instead of the current directory\n"
           "  --utf8      write UTF-8 with LF line ends, for reading in a terminal\n"
           "  --csv FILE  also write every simulated turn to FILE as CSV (UTF-8, CR LF,\n"
           "              a header row): turn, line (in rekrut.txt), unit, gold, mana,\n"
           "              gold_upkeep, mana_upkeep, gold_income, mana_income, damage;\n"
           "              FILE is taken before -C; \"-\" is standard output; a file is\n"
           "              replaced only when the run succeeds\n"
           "  --chart FILE\n"
           "              also write the run's treasury chart to FILE as SVG, drawn as the\n"
           "              window draws it at the size it opens with; FILE as for --csv\n"
           "  --no-report write no report (needed with --csv - and --chart -)\n"
           "  --explain   instead of the report, write what in rekrut.txt may not be what\n"
           "              was meant, one finding a line (UTF-8): numbers written with a\n"
           "              thousands separator or a letter O, unit numbers without a row,\n"
           "              plan lines past the 20th, lines that recruit nothing or have\n"
           "              no amount, and the plan lines where gold and mana first fall\n"
           "              below zero\n"
           "  --help      show this text\n"
           "\n"
           "The best plan for the folder's catalogue and economy:\n" +
           zef::BestPlanUsage();
}

int Fail(const std::string& message)
{
    std::fprintf(stderr, "zef-plan: %s\n", message.c_str());
    return 1;
}

std::string ErrnoText(const std::string& name) { return name + ": " + std::strerror(errno); }

using zef::SameFile;

// A file an option writes must never take the place of the run's own input.
bool IsRunInput(const char* option, const char* file, const char* folder)
{
    const std::filesystem::path dataFolder = zef::PathFromUtf8(folder ? folder : ".");
    for (const char* input : {zef::kCatalogueFileName, zef::kPlanFileName}) {
        if (std::string_view(file) != "-" && SameFile(zef::PathFromUtf8(file), dataFolder / input)) {
            std::fprintf(stderr, "zef-plan: %s %s is the plan's %s: refusing to write over it\n", option, file, input);
            return true;
        }
    }
    return false;
}

// Where --csv writes: standard output, or a file that is replaced only once
// the run has succeeded.
class CsvTarget {
public:
    explicit CsvTarget(std::string_view name)
    {
        if (name != "-") {
            name_ = std::string(name);
            // Named from where zef-plan was started, not from -C's folder.
            file_.emplace(std::filesystem::absolute(zef::PathFromUtf8(name_)));
        }
    }

    const std::string& name() const { return name_; }

    std::optional<zef::FileFailure> open()
    {
        if (!file_) {
            return std::nullopt;
        }
        std::optional<zef::FileFailure> failure;
        zef::MakeRemovedOnInterruption([&] {
            failure = file_->open();
            return failure ? std::filesystem::path() : file_->temporary();
        });
        return failure;
    }

    // A CSV that cannot fit on its disk is refused before the run, rather
    // than found out after hours of writing.
    std::optional<std::string> room(std::uint64_t turns) const
    {
        std::error_code error;
        const std::filesystem::path written = file_ ? file_->temporary() : std::filesystem::path();
        if (written.empty()) {
            return std::nullopt;
        }
        const std::uint64_t needed = zef::SmallestCsvBytes(turns);
        const std::filesystem::space_info space = std::filesystem::space(written.parent_path(), error);
        if (!error && needed > space.available) {
            return name_ + ": the CSV of " + std::to_string(turns) + " turns needs at least " + std::to_string(needed) +
                   " bytes; its disk has " + std::to_string(space.available) + " free";
        }
        return std::nullopt;
    }

    void write(std::string_view bytes)
    {
        if (!file_) {
            if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size()) {
                throw zef::CsvWriteError(name_ + ": " + std::strerror(errno));
            }
        } else if (const std::optional<zef::FileFailure> failure = file_->write(bytes)) {
            throw zef::CsvWriteError(name_ + ": " + failure->systemText);
        }
    }

    std::optional<std::string> commit()
    {
        if (!file_) {
            return std::fflush(stdout) == 0 ? std::nullopt : std::optional(name_ + ": " + std::strerror(errno));
        }
        if (const std::optional<zef::FileFailure> failure = file_->commit()) {
            return name_ + ": " + failure->systemText;
        }
        return std::nullopt;
    }

private:
    std::string name_ = "standard output";
    std::optional<zef::PendingFile> file_;
};

bool WriteAll(std::string_view bytes)
{
    return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() && std::fflush(stdout) == 0;
}

}  // namespace

int zef::Utf8Main(int argc, char** argv)
{
    zef::KeepStandardOutputBinary();
    bool utf8 = false;
    bool report = true;
    bool explain = false;
    const char* folder = nullptr;
    const char* csv = nullptr;
    const char* chart = nullptr;
    zef::BestPlanArguments bestPlanArguments;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            return WriteAll(Usage()) ? 0 : Fail(std::string("standard output: ") + std::strerror(errno));
        } else if (arg == "--utf8") {
            utf8 = true;
        } else if (arg == "--no-report") {
            report = false;
        } else if (arg == "--explain") {
            explain = true;
        } else if (arg == "-C" && i + 1 < argc) {
            folder = argv[++i];
        } else if (arg == "--csv" && i + 1 < argc) {
            csv = argv[++i];
        } else if (arg == "--chart" && i + 1 < argc) {
            chart = argv[++i];
        } else if (zef::IsBestPlanOption(arg) && i + 1 < argc) {
            bestPlanArguments.emplace_back(arg, argv[++i]);
        } else {
            std::fputs(Usage().c_str(), stderr);
            return 2;
        }
    }
    // The findings take the report's place on standard output.
    if (explain && (csv || chart || !report)) {
        std::fputs(Usage().c_str(), stderr);
        return 2;
    }
    // The best plan, with its report, takes the report's place too.
    std::optional<zef::BestPlanOptions> bestPlan;
    if (!bestPlanArguments.empty()) {
        if (explain || csv || chart) {
            std::fputs(Usage().c_str(), stderr);
            return 2;
        }
        bestPlan = zef::ParseBestPlanOptions(bestPlanArguments, zef::PathFromUtf8(folder ? folder : "."));
        if (!bestPlan) {
            return 2;
        }
        bestPlan->report = report;
    }
    if (csv && report && std::string_view(csv) == "-") {
        std::fputs("zef-plan: --csv - writes to standard output, where the report goes: add --no-report\n", stderr);
        return 2;
    }
    if (chart && std::string_view(chart) == "-" && (report || (csv && std::string_view(csv) == "-"))) {
        std::fputs("zef-plan: --chart - writes to standard output, where the report or the CSV goes\n", stderr);
        return 2;
    }
    // The CSV and the chart are each replaced only once the run has succeeded.
    std::optional<CsvTarget> csvTarget;
    std::optional<CsvTarget> chartTarget;
    for (const auto& [option, file, target] :
         {std::tuple{"--csv", csv, &csvTarget}, {"--chart", chart, &chartTarget}}) {
        if (!file) {
            continue;
        }
        if (IsRunInput(option, file, folder)) {
            return 2;
        }
        if (const std::optional<zef::FileFailure> failure = target->emplace(file).open()) {
            return Fail(std::string(file) + ": " + failure->systemText);
        }
    }
    if (folder) {
        std::error_code error;
        std::filesystem::current_path(zef::PathFromUtf8(folder), error);
        if (error) {
            return Fail(std::string(folder) + ": " + error.message());
        }
    }
    if (bestPlan) {
        return zef::RunBestPlanCommand(*bestPlan);
    }
    try {
        if (explain) {
            return WriteAll(zef::ExplainPlan()) ? 0 : Fail(ErrnoText("standard output"));
        }
        const zef::PlanInputs inputs = zef::ReadPlanInputs();
        zef::PlanningState state;
        const auto run = [&](zef::TurnObserver* observer) {
            if (chartTarget) {
                chartTarget->write(zef::RunPlanForChart(state, inputs, observer));
            } else {
                zef::RunPlan(state, inputs.catalogue, inputs.plan, {}, observer);
            }
        };
        if (csvTarget) {
            const auto turns = static_cast<std::uint64_t>(zef::PlannedTurnsOf(inputs.catalogue, inputs.plan));
            if (const std::optional<std::string> refusal = csvTarget->room(turns)) {
                return Fail(*refusal);
            }
            zef::TurnCsvWriter writer([&](std::string_view bytes) { csvTarget->write(bytes); });
            writer.writeHeader();
            run(&writer);
            if (const std::optional<std::string> failure = csvTarget->commit()) {
                return Fail(*failure);
            }
        } else {
            run(nullptr);
        }
        if (const std::optional<std::string> failure = chartTarget ? chartTarget->commit() : std::nullopt) {
            return Fail(*failure);
        }
        if (!report) {
            return 0;
        }
        const std::string output = utf8 ? zef::Windows1250ToUtf8(state.reportText) : state.reportText;
        if (!WriteAll(output)) {
            return Fail(ErrnoText("standard output"));
        }
    } catch (const zef::PlanTooLong& error) {
        // The plan line is the player's Windows-1250 text; the terminal reads UTF-8.
        return Fail(zef::Windows1250ToUtf8(error.what()));
    } catch (const std::exception& error) {
        return Fail(error.what());
    }
    return 0;
}
