#include "plan_reading.h"

#include "data_lines.h"
#include "number_runs.h"
#include "recruit.h"
#include "rounding.h"

#include <algorithm>

namespace zef {

namespace {

bool IsLetterO(char c) { return c == 'O' || c == 'o'; }

// A letter of a word: ASCII, or any Windows-1250 byte above it.
bool IsWordByte(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || byte >= 0x80;
}

// A single space or comma and exactly three digits at `pos`: how thousands
// are grouped in print.
bool IsThousandsGroup(std::string_view line, std::size_t pos)
{
    constexpr std::size_t kGroup = 4;
    if (pos + kGroup > line.size() || (line[pos] != ' ' && line[pos] != ',')) {
        return false;
    }
    const bool digits = IsDigit(line[pos + 1]) && IsDigit(line[pos + 2]) && IsDigit(line[pos + 3]);
    const std::size_t after = pos + kGroup;
    return digits && (after == line.size() || (!IsDigit(line[after]) && line[after] != '.'));
}

// The number the player probably wrote where the reader read `run`: with
// letters O glued to its digits and, where `grouped`, with the groups of three
// digits that follow a whole number.
std::string_view WrittenNumber(std::string_view line, std::string_view run, bool grouped)
{
    const auto start = static_cast<std::size_t>(run.data() - line.data());
    const std::size_t runEnd = start + run.size();
    std::size_t end = runEnd;
    while (end < line.size() && (IsDigit(line[end]) || line[end] == '.' || IsLetterO(line[end]))) {
        ++end;
    }
    // O's that go on into a word start that word ("2Orky").
    if (end < line.size() && IsWordByte(line[end])) {
        while (end > runEnd && IsLetterO(line[end - 1])) {
            --end;
        }
    }
    while (grouped && run.find('.') == std::string_view::npos && IsThousandsGroup(line, end)) {
        end += 4;
    }
    return line.substr(start, end - start);
}

void WarnOfNumber(std::vector<PlanWarning>& warnings, std::string_view line, std::string_view run, bool grouped)
{
    if (run.empty()) {
        return;
    }
    const std::string_view written = WrittenNumber(line, run, grouped);
    if (written.size() == run.size()) {
        return;
    }
    PlanWarning warning{
        .kind = PlanWarningKind::ThousandsSeparator, .written = std::string(written), .read = std::string(run)};
    for (const char c : written) {
        if (IsLetterO(c)) {
            warning.kind = PlanWarningKind::LetterO;
            warning.meant += '0';
        } else if (c != ' ' && c != ',') {
            warning.meant += c;
        }
    }
    warnings.push_back(std::move(warning));
}

void ReadCountedPlanLine(PlanLineReading& reading, const ClassifiedLine& line, std::string_view text,
                         const PlanningState& catalogue, const PlanLine& loaded)
{
    reading.row = RoundHalfEven(loaded.unitNo);
    reading.unitName = CatalogueNameOf(catalogue, reading.row);
    reading.amount = loaded.amount;
    std::vector<PlanWarning>& warnings = reading.warnings;
    WarnOfNumber(warnings, text, line.unitRun, false);
    WarnOfNumber(warnings, text, line.amountRun, true);
    if (line.amountRun.empty()) {
        warnings.push_back({.kind = PlanWarningKind::OneNumberOnly});
    }
    const UnitValues& unit = CatalogueValuesOf(catalogue, reading.row);
    const std::string unitRun(line.unitRun);
    if (reading.unitName.empty()) {
        const auto rows =
            std::ranges::count_if(catalogue.catalogueNames, [](const std::string& name) { return !name.empty(); });
        warnings.push_back(
            {.kind = PlanWarningKind::NoCatalogueRow, .written = unitRun, .catalogueRows = static_cast<int>(rows)});
    } else if (RecruitsNothing(unit)) {
        warnings.push_back({.kind = PlanWarningKind::RecruitsNothing,
                            .written = unitRun,
                            .zeroColumn = unit[batch] == 0 ? batch : strength});
    }
}

}  // namespace

std::vector<PlanLineReading> ReadPlanLines(const PlanningState& catalogue, std::string_view planBytes)
{
    // The plan as a run loads it: the reader's own amounts after the factor.
    PlanningState loaded;
    LoadPlan(loaded, planBytes);
    std::vector<PlanLineReading> readings;
    int planLines = 0;
    for (const std::string& text : SplitDataLines(planBytes)) {
        const ClassifiedLine line = ClassifyPlanLine(text);
        PlanLineReading& reading = readings.emplace_back();
        reading.fileLine = static_cast<std::int32_t>(readings.size());
        reading.kind = line.kind;
        if (line.kind == PlanLineKind::Directive && line.directive) {
            reading.directive = line.directive;
            reading.value = line.value;
            WarnOfNumber(reading.warnings, text, line.valueRun, true);
        } else if (line.kind == PlanLineKind::Plan && planLines < loaded.planCount) {
            // The reader fills the plan in file order, so the n-th plan line is entry n.
            reading.planNumber = ++planLines;
            ReadCountedPlanLine(reading, line, text, catalogue, loaded.plan[planLines - 1]);
        } else if (line.kind == PlanLineKind::Plan) {
            reading.warnings.push_back({.kind = PlanWarningKind::PastPlanLines});
        }
    }
    return readings;
}

std::string WarningInEnglish(const PlanWarning& warning)
{
    switch (warning.kind) {
    case PlanWarningKind::ThousandsSeparator:
    case PlanWarningKind::LetterO:
        return "\"" + warning.written + "\" is read as " + warning.read + "; write " + warning.meant;
    case PlanWarningKind::NoCatalogueRow:
        return "unit " + warning.written + " is not in arm.txt, " +
               (warning.catalogueRows == 0 ? std::string("which has no unit types")
                                           : "whose rows are 1 to " + std::to_string(warning.catalogueRows));
    case PlanWarningKind::RecruitsNothing:
        return "unit " + warning.written + " recruits nothing: its " +
               (warning.zeroColumn == batch ? "batch" : "strength") + " in arm.txt is 0";
    case PlanWarningKind::OneNumberOnly: return "one number only: the amount is 0";
    case PlanWarningKind::PastPlanLines:
        return "only the first " + std::to_string(kPlanLines) + " plan lines count: this one is ignored";
    }
    return {};
}

}  // namespace zef
