#include "plan_file.h"

#include "data_file.h"
#include "number_runs.h"
#include "planning_state.h"
#include "rounding.h"

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
void ApplyDirective(std::string_view line, double& planFactor)
{
    if (line.size() <= kSelectorPosition) {
        return;
    }
    const double value = DirectiveValue(line);
    switch (line[kSelectorPosition]) {
    case ' ': treasury.gold = value; break;
    case 'd': treasury.goldIncome = value; break;
    case 't': treasury.manaIncome = value; break;
    case 'a': treasury.mana = value; break;
    case 'g': treasury.damage = value; break;
    case 'x': treasury.manaCap = value; break;
    case 'c': planFactor = value; break;
    case 'z': treasury.conversionBacklog = value; break;
    case 'i': sortPlan = false; break;
    default: break;
    }
}

void AddPlanLine(std::string_view line, std::int32_t fileLine)
{
    // Lines past the 20th have no place in the plan.
    if (planCount == kPlanLines) {
        return;
    }
    const auto numbers = ScanNumbers(line, 2);
    PlanLine& entry = plan[planCount];
    entry.unitNo = numbers[0];
    entry.amount = numbers.size() > 1 ? numbers[1] : 0.0;
    planSources[planCount] = {fileLine, std::string(line.substr(0, kPlanLineSourceLength))};
    ++planCount;
}

}  // namespace

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

void LoadPlan()
{
    plan.fill(PlanLine{0, 0});
    planSources.fill(PlanLineSource{});
    planCount = 0;
    double planFactor = 1;
    if (DataFileExists(kPlanFileName)) {
        std::int32_t fileLine = 0;
        for (const std::string& line : ReadDataFileLines(kPlanFileName)) {
            ++fileLine;
            if (!line.empty() && line.front() == '@') {
                ApplyDirective(line, planFactor);
            } else if (CountDigits(line) >= kMinPlanLineDigits && line.front() != ';') {
                AddPlanLine(line, fileLine);
            }
        }
    }
    for (int n = 0; n < planCount; ++n) {
        plan[n].amount = static_cast<double>(RoundHalfEven(Extended{plan[n].amount} * planFactor));
    }
}

}  // namespace zef
