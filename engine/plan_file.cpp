#include "plan_file.h"

#include "data_lines.h"
#include "number_runs.h"
#include "plan_directives.h"
#include "plan_inputs.h"
#include "report_format.h"
#include "rounding.h"

#include <algorithm>
#include <string>

namespace zef {

namespace {

constexpr std::size_t kSelectorPosition = 3;
constexpr std::size_t kValueStart = 4;
constexpr std::size_t kMinPlanLineDigits = 2;

std::size_t DirectiveValueStart(std::string_view line)
{
    for (std::size_t i = kValueStart; i < line.size(); ++i) {
        if (IsDigit(line[i]) || (line[i] == '-' && i + 1 < line.size() && IsDigit(line[i + 1]))) {
            return i;
        }
    }
    return line.size();
}

std::string_view DirectiveValueRun(std::string_view line)
{
    const std::size_t start = DirectiveValueStart(line);
    std::size_t end = start;
    while (end < line.size() && (IsDigit(line[end]) || line[end] == '.' || line[end] == '-')) {
        ++end;
    }
    const std::string_view run = line.substr(start, end - start);
    return run.substr(0, run.find('-', 1));
}

void ApplyDirective(PlanningState& state, const Directive& directive, double value, double& planFactor)
{
    switch (directive.effect) {
    case DirectiveEffect::TreasuryField: state.treasury.*directive.field = value; break;
    case DirectiveEffect::PlanFactor: planFactor = value; break;
    case DirectiveEffect::FileOrder: state.sortPlan = false; break;
    }
}

}  // namespace

const Directive* DirectiveFor(char selector)
{
    const auto found = std::ranges::find(kDirectives, selector, &Directive::selector);
    return found == kDirectives.end() ? nullptr : &*found;
}

Treasury StartTreasury()
{
    Treasury start{};
    for (const Directive& directive : kDirectives) {
        if (directive.effect == DirectiveEffect::TreasuryField) {
            start.*directive.field = directive.start;
        }
    }
    return start;
}

std::string IfAbsentText(const Directive& directive)
{
    return directive.effect == DirectiveEffect::FileOrder ? "sorted" : FormatCount(RoundHalfEven(directive.start));
}

ClassifiedLine ClassifyPlanLine(std::string_view line)
{
    ClassifiedLine classified;
    if (!line.empty() && line.front() == '@') {
        classified.kind = PlanLineKind::Directive;
        classified.directive = line.size() > kSelectorPosition ? DirectiveFor(line[kSelectorPosition]) : nullptr;
        classified.valueRun = DirectiveValueRun(line);
        classified.value = ParseNumberRun(classified.valueRun);
    } else if (!line.empty() && line.front() == ';') {
        classified.kind = PlanLineKind::Comment;
    } else if (CountDigits(line) >= kMinPlanLineDigits) {
        classified.kind = PlanLineKind::Plan;
        std::size_t pos = 0;
        classified.unitRun = NextNumberRun(line, pos);
        classified.amountRun = NextNumberRun(line, pos);
        classified.numbers = {ParseNumberRun(classified.unitRun), ParseNumberRun(classified.amountRun)};
    }
    return classified;
}

void LoadPlan(PlanningState& state, std::string_view bytes)
{
    state.plan.fill(PlanLine{0, 0});
    state.planSources.fill(PlanLineSource{});
    state.planCount = 0;
    double planFactor = 1;
    std::int32_t fileLine = 0;
    for (const std::string& text : SplitDataLines(bytes)) {
        ++fileLine;
        const ClassifiedLine line = ClassifyPlanLine(text);
        if (line.kind == PlanLineKind::Directive && line.directive) {
            ApplyDirective(state, *line.directive, line.value, planFactor);
        } else if (line.kind == PlanLineKind::Plan && state.planCount < kPlanLines) {
            // Lines past the 20th have no place in the plan.
            state.plan[state.planCount] = line.numbers;
            state.planSources[state.planCount] = {fileLine, text.substr(0, kPlanLineSourceLength)};
            ++state.planCount;
        }
    }
    for (int n = 0; n < state.planCount; ++n) {
        PlanLine& line = state.plan[n];
        line.amount = static_cast<double>(RoundHalfEven(Extended{line.amount} * planFactor));
    }
}

void LoadPlan(PlanningState& state) { LoadPlan(state, ReadDataFileOrEmpty(kPlanFileName)); }

}  // namespace zef
