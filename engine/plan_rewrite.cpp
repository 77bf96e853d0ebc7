#include "plan_rewrite.h"

#include "data_lines.h"
#include "number_runs.h"
#include "plan_file.h"
#include "report_format.h"
#include "rounding.h"

#include <algorithm>

namespace zef {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kUnitFactor = "@facktor 1";
constexpr std::string_view kFileOrder = "@skip";

// A name leads its line only where it cannot change how the line reads: no
// digit or point that would count as a number, and no "@" or ";" in front.
bool NameCanLead(std::string_view name)
{
    return !name.empty() && name.front() != '@' && name.front() != ';' &&
           std::none_of(name.begin(), name.end(), [](char c) { return IsDigit(c) || c == '.'; });
}

std::string PlanLineText(const WrittenLine& line)
{
    const std::string numbers = FormatCount(line.row) + " " + FormatCount(RoundHalfEven(line.amount));
    return NameCanLead(line.name) ? line.name + " " + numbers : numbers;
}

bool SetsFileOrder(const ClassifiedLine& line)
{
    return line.kind == PlanLineKind::Directive && line.directive &&
           line.directive->effect == DirectiveEffect::FileOrder;
}

}  // namespace

std::string RewritePlan(std::string_view planBytes, const std::vector<WrittenLine>& lines, bool fileOrder)
{
    const std::vector<std::string> old = SplitDataLines(planBytes);
    const bool hasFileOrder = std::any_of(
        old.begin(), old.end(), [](const std::string& text) { return SetsFileOrder(ClassifyPlanLine(text)); });
    std::string newLines;
    if (fileOrder && !hasFileOrder) {
        newLines += std::string(kFileOrder) + std::string(kLineEnd);
    }
    for (const WrittenLine& line : lines) {
        newLines += PlanLineText(line) + std::string(kLineEnd);
    }
    std::string text;
    bool placed = false;
    for (const std::string& line : old) {
        const ClassifiedLine classified = ClassifyPlanLine(line);
        if (classified.kind == PlanLineKind::Plan) {
            if (!placed) {
                text += newLines;
                placed = true;
            }
        } else if (classified.kind == PlanLineKind::Directive && classified.directive &&
                   classified.directive->effect == DirectiveEffect::PlanFactor && classified.value != 1) {
            text += std::string(kUnitFactor) + std::string(kLineEnd);
        } else {
            text += line + std::string(kLineEnd);
        }
    }
    return placed ? text : text + newLines;
}

}  // namespace zef
