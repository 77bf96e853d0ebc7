// The search for the plan with the most damage: turn by turn over the
// treasuries that plans reach. A point no better in gold, mana, both upkeeps,
// damage and plan lines than another with the same line in progress is
// dropped, and one whose DamageBound cannot beat the best plan found is
// pruned. Run with a beam, it keeps only the most promising points of each
// turn and finds a good plan fast; run without, it proves the best.
#pragma once

#include "plan_bound.h"
#include "plan_progress.h"
#include "planning_state.h"
#include "turn_kernel.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace zef {

// A unit type a plan may use.
struct SearchRow {
    std::int64_t row;  // in the catalogue, 1 to 20
    UnitValues values;
    TurnStep step;
};

struct SearchProblem {
    Treasury start;
    std::vector<SearchRow> rows;
    int maxLines = kPlanLines;
    // Turns the gold and the mana must each last after the plan, as the
    // report's summary projects them.
    int reserve = 0;
};

// One line of a plan: a row of SearchProblem::rows and its turns.
struct SearchLine {
    int rowIndex;
    std::int32_t turns;
};

struct FoundPlan {
    std::vector<SearchLine> lines;
    std::int32_t turns = 0;
    Treasury end{};  // after the last turn
};

// How far a search is, for a progress bar; returning false stops it.
struct SearchProgress {
    std::int32_t turn;   // the turn the search works on
    std::int32_t turns;  // the last turn it may reach
    std::uint64_t statesVisited;
};
using SearchHook = std::function<bool(const SearchProgress&)>;

// What stops a search before it has proved its answer.
struct SearchLimits {
    std::chrono::steady_clock::time_point deadline = std::chrono::steady_clock::time_point::max();
    // Points visited, and points kept for the turns to come, at most.
    std::uint64_t maxStates = 4'000'000;
    SearchHook hook;
};

enum class SearchStop { Complete, Deadline, States, Cancelled };

struct SearchOutcome {
    std::optional<FoundPlan> best;
    SearchStop stop = SearchStop::Complete;
    // No plan within the turns can reach more damage; the best's own damage
    // when the search was complete.
    Extended damageBound = 0;
    std::uint64_t statesVisited = 0;
    // Every plan ran out of gold or mana before goal.maxTurns, none cut
    // short by the bound: no longer plan exists at all.
    bool allPlansEnd = false;
};

struct SearchGoal {
    std::int32_t maxTurns = 0;
    // Stop at the first plan whose damage, as the report prints it, is at
    // least this much; and drop every point that cannot reach it.
    std::optional<std::int64_t> enough;
    // Points kept per turn; 0 keeps all and proves the answer.
    std::size_t beam = 0;
};

// The bound on plans of the problem of at most `maxTurns` turns.
DamageBound BoundFor(const SearchProblem& problem, std::int32_t maxTurns);

// The feasible plan of at most goal.maxTurns turns with the most damage
// (with goal.enough: one that reaches it), starting from `known`, a plan
// found before, when given. `bound` is BoundFor(problem, goal.maxTurns), or
// one of a longer horizon.
SearchOutcome SearchPlans(const SearchProblem& problem, const SearchGoal& goal, const SearchLimits& limits,
                          const DamageBound& bound, const std::optional<FoundPlan>& known = std::nullopt);

// Whether the rounded damage of a plan ending in `end` reaches `damage`.
bool Reaches(const Treasury& end, std::int64_t damage);

// Whether a plan ending in `end` keeps gold and mana at zero or more and
// leaves both for `reserve` further turns.
bool LeavesReserve(const Treasury& end, int reserve);

}  // namespace zef
