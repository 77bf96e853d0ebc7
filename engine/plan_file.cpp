#include "plan_file.h"

#include "data_file.h"
#include "number_runs.h"
#include "plan_directives.h"
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

// Sets what the directive's fourth character selects.
void ApplyDirective(PlanningState& state, std::string_view line, double& planFactor)
{
    const Directive* directive = line.size() > kSelectorPosition ? DirectiveFor(line[kSelectorPosition]) : nullptr;
    if (!directive) {
        return;
    }
    const double value = DirectiveValue(line);
    switch (directive->effect) {
    case DirectiveEffect::TreasuryField: state.treasury.*directive->field = value; break;
    case DirectiveEffect::PlanFactor: planFactor = value; break;
    case DirectiveEffect::FileOrder: state.sortPlan = false; break;
    }
}

void AddPlanLine(PlanningState& state, std::string_view line, std::int32_t fileLine)
{
    // Lines past the 20th have no place in the plan.
    if (state.planCount == kPlanLines) {
        return;
    }
    const auto numbers = ScanNumbers(line, 2);
    PlanLine& entry = state.plan[state.planCount];
    entry.unitNo = numbers[0];
    entry.amount = numbers.size() > 1 ? numbers[1] : 0.0;
    state.planSources[state.planCount] = {fileLine, std::string(line.substr(0, kPlanLineSourceLength))};
    ++state.planCount;
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

double DirectiveValue(std::string_view line)
{
    const std::size_t start = DirectiveValueStart(line);
    std::size_t end = start;
    while (end < line.size() && (IsDigit(line[end]) || line[end] == '.' || line[end] == '-')) {
        ++end;
    }
    std::string_view run = line.substr(start, end - start);
    if (const std::size_t innerMinus = run.find('-', 1); innerMinus != std::string_view::npos) {
        run = run.substr(0, innerMinus);
    }
    return run.empty() ? 0.0 : ParseNumberRun(run);
}

void LoadPlan(PlanningState& state)
{
    state.plan.fill(PlanLine{0, 0});
    state.planSources.fill(PlanLineSource{});
    state.planCount = 0;
    double planFactor = 1;
    if (DataFileExists(kPlanFileName)) {
        std::int32_t fileLine = 0;
        for (const std::string& line : ReadDataFileLines(kPlanFileName)) {
            ++fileLine;
            if (!line.empty() && line.front() == '@') {
                ApplyDirective(state, line, planFactor);
            } else if (CountDigits(line) >= kMinPlanLineDigits && line.front() != ';') {
                AddPlanLine(state, line, fileLine);
            }
        }
    }
    for (int n = 0; n < state.planCount; ++n) {
        PlanLine& line = state.plan[n];
        line.amount = static_cast<double>(RoundHalfEven(Extended{line.amount} * planFactor));
    }
}

}  // namespace zef
