// How a best plan is told to the player, in Czech (UTF-8, '\n' line ends):
// the question, the answer's status, the answer beside the player's own plan,
// what binds it, what one more turn or 10 % more gold would give and the
// runner-up. zef-plan prints these lines, and a window can show the same.
#pragma once

#include "best_plan.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zef {

// The figures a plan leaves: turns, damage, and gold and mana after its last turn.
struct PlanFigures {
    std::int32_t turns = 0;
    double damage = 0;
    double gold = 0;
    double mana = 0;
};

PlanFigures FiguresOf(const Treasury& end, std::int32_t turns);

// "Nejvíc DMG nejvýš za 31 TU" or "Nejméně TU k 15328 DMG".
std::string QuestionText(const BestPlanRequest& request);

// "dokázaně nejlepší", or "nejlepší nalezený" with how much better a plan
// could at most be; for a result without an answer, why there is none.
std::string StatusText(const BestPlanRequest& request, const BestPlanResult& result);

// The answer beside the player's own plan: a heading and one row each.
std::string ComparisonText(const PlanFigures& player, const PlanFigures& answer);

// "Omezují: tahy, zlato." and what one more turn or 10 % more gold would give.
std::string LimitsText(const BestPlanRequest& request, const BestPlanResult& result);

// "Druhý nejlepší, bez Drak: 31 TU, 21900 DMG." `without` is the name (UTF-8)
// of the unit type the runner-up does without.
std::string RunnerUpText(const BestPlanResult& result, const std::string& without);

// All of it, as zef-plan prints it and the dialog shows it: the question and
// the status, and for an answer, the comparison with the player's plan (when
// that could run), the limits, the runner-up and the answer's plan lines.
// `catalogueBytes` names the unit types.
std::string BestPlanText(const BestPlanRequest& request, const BestPlanResult& result, std::string_view catalogueBytes,
                         const std::optional<PlanFigures>& player);

}  // namespace zef
