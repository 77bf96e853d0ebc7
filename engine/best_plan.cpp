#include "best_plan.h"

#include "line_amount.h"
#include "plan_bound.h"
#include "plan_check.h"
#include "plan_order.h"
#include "plan_rewrite.h"
#include "recruit.h"
#include "report_format.h"
#include "run_plan.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace zef {

namespace {

// Points kept per turn by the quick search that finds a first good plan:
// wider finds better plans, which the proof then needs fewer points for.
constexpr std::size_t kBeam = 64;
constexpr double kMoreStock = 1.1;

struct Solved {
    std::optional<FoundPlan> plan;
    bool proven = false;
    NoPlanReason reason = NoPlanReason::None;
    Extended damageBound = 0;
    std::int32_t turnsBound = 0;
    std::uint64_t visited = 0;
};

bool StepIsFinite(const TurnStep& step)
{
    return std::isfinite(step.goldPrice) && std::isfinite(step.manaPrice) && std::isfinite(step.goldUpkeep) &&
           std::isfinite(step.manaUpkeep) && std::isfinite(step.damage);
}

SearchProblem ProblemOf(const PlanningState& state, const BestPlanRequest& request)
{
    SearchProblem problem{state.treasury, {}, kPlanLines, request.reserve};
    for (std::int64_t row = 1; row <= kCatalogueRows; ++row) {
        const bool allowed =
            request.rows.empty() || std::find(request.rows.begin(), request.rows.end(), row) != request.rows.end();
        const UnitValues& values = CatalogueValuesOf(state, row);
        const TurnStep step = TurnStepOf(values);
        if (allowed && !RecruitsNothing(values) && StepIsFinite(step)) {
            problem.rows.push_back({row, values, step});
        }
    }
    return problem;
}

NoPlanReason WhyNone(const SearchProblem& problem)
{
    if (problem.rows.empty()) {
        return NoPlanReason::NoUnitType;
    }
    return TreasuryNegative(problem.start) ? NoPlanReason::OutOfStock : NoPlanReason::Reserve;
}

// The same problem with as many plan lines as turns: the line limit can
// never bind, and points differing only in their line in progress compare.
SearchProblem WithoutLineLimit(SearchProblem problem, std::int32_t turns)
{
    problem.maxLines = std::max(problem.maxLines, static_cast<int>(turns));
    return problem;
}

bool WithinLines(const SearchProblem& problem, const std::optional<FoundPlan>& plan)
{
    return plan && static_cast<int>(plan->lines.size()) <= problem.maxLines;
}

Solved SolveMostDamageOnce(const SearchProblem& problem, std::int32_t turns, const SearchLimits& limits,
                           const DamageBound& bound)
{
    const SearchOutcome quick = SearchPlans(problem, {turns, std::nullopt, kBeam}, limits, bound);
    const SearchOutcome full = SearchPlans(problem, {turns, std::nullopt, 0}, limits, bound, quick.best);
    Solved solved;
    solved.plan = full.best;
    solved.proven = full.stop == SearchStop::Complete;
    solved.damageBound = full.damageBound;
    solved.visited = quick.statesVisited + full.statesVisited;
    if (solved.proven && !solved.plan) {
        solved.reason = WhyNone(problem);
    }
    return solved;
}

// The best without the line limit is the best with it when it keeps to it;
// one that does not is no answer, even stopped early.
Solved SolveMostDamage(const SearchProblem& problem, std::int32_t turns, const SearchLimits& limits)
{
    const DamageBound bound = BoundFor(problem, turns);
    Solved free = SolveMostDamageOnce(WithoutLineLimit(problem, turns), turns, limits, bound);
    if (!free.plan || WithinLines(problem, free.plan)) {
        return free;
    }
    Solved limited = SolveMostDamageOnce(problem, turns, limits, bound);
    limited.visited += free.visited;
    return limited;
}

// The fewest turns after which some plan could reach `damage` by the bound;
// none within kMaxBestPlanTurns.
std::optional<std::int32_t> FewestTurnsBound(const SearchProblem& problem, std::int64_t damage)
{
    const Extended needed = Extended(damage) - 0.5L;
    for (std::int32_t horizon = 64;; horizon = std::min(2 * horizon, kMaxBestPlanTurns)) {
        const DamageBound bound = BoundFor(problem, horizon);
        if (bound.most(problem.start, 0, horizon) >= needed) {
            std::int32_t low = 0;
            std::int32_t high = horizon;
            while (low < high) {
                const std::int32_t middle = low + (high - low) / 2;
                if (bound.most(problem.start, 0, middle) >= needed) {
                    high = middle;
                } else {
                    low = middle + 1;
                }
            }
            return low;
        }
        if (horizon == kMaxBestPlanTurns) {
            return std::nullopt;
        }
    }
}

// Whether any unit type can be recruited in the first turn without taking
// gold or mana below zero.
bool AnyFirstTurn(const SearchProblem& problem)
{
    return std::any_of(problem.rows.begin(), problem.rows.end(), [&](const SearchRow& row) {
        Treasury t = problem.start;
        SimulateTurn(t, row.step);
        return t.gold >= 0 && t.mana >= 0;
    });
}

// Whether a plan of at most `turns` turns reaches `damage`: the plan, or
// none with whether that is proven and whether every plan ends before.
struct Decision {
    std::optional<FoundPlan> plan;
    bool proven = false;
    bool allPlansEnd = false;
};

Decision DecideOnce(const SearchProblem& problem, std::int32_t turns, std::int64_t damage, const SearchLimits& limits,
                    const DamageBound& bound, std::uint64_t& visited)
{
    const SearchOutcome quick = SearchPlans(problem, {turns, damage, kBeam}, limits, bound);
    visited += quick.statesVisited;
    if (quick.best) {
        return {quick.best, true, false};
    }
    const SearchOutcome full = SearchPlans(problem, {turns, damage, 0}, limits, bound);
    visited += full.statesVisited;
    return {full.best, full.stop == SearchStop::Complete, full.allPlansEnd};
}

// No plan without the line limit is no plan with it; one that keeps to the
// limit is a plan with it.
Decision Decide(const SearchProblem& problem, std::int32_t turns, std::int64_t damage, const SearchLimits& limits,
                std::uint64_t& visited)
{
    const DamageBound bound = BoundFor(problem, turns);
    const Decision free = DecideOnce(WithoutLineLimit(problem, turns), turns, damage, limits, bound, visited);
    if (!free.plan || WithinLines(problem, free.plan)) {
        return free;
    }
    return DecideOnce(problem, turns, damage, limits, bound, visited);
}

Solved SolveFewestTurns(const SearchProblem& problem, std::int64_t damage, const SearchLimits& limits)
{
    Solved solved;
    if (LeavesReserve(problem.start, problem.reserve) && Reaches(problem.start, damage)) {
        solved.plan = FoundPlan{{}, 0, problem.start};
        solved.proven = true;
        return solved;
    }
    if (problem.rows.empty()) {
        solved.proven = true;
        solved.reason = NoPlanReason::NoUnitType;
        return solved;
    }
    if (!AnyFirstTurn(problem)) {
        solved.proven = true;
        solved.reason = NoPlanReason::OutOfStock;
        return solved;
    }
    const std::optional<std::int32_t> lowest = FewestTurnsBound(problem, damage);
    if (!lowest) {
        solved.proven = true;
        solved.reason = NoPlanReason::TooManyTurns;
        return solved;
    }
    // Every count below `low` is proven too few. Until a plan is found the
    // counts tried grow ever faster, so that a far answer is reached soon;
    // a count without a plan proves every smaller one too few as well.
    std::int32_t low = std::max(*lowest, 1);
    std::int32_t probe = low;
    for (std::int32_t step = 1; !solved.plan; step *= 2) {
        const Decision decision = Decide(problem, probe, damage, limits, solved.visited);
        if (decision.plan) {
            solved.plan = decision.plan;
        } else if (!decision.proven) {
            solved.turnsBound = low;
            return solved;
        } else if (decision.allPlansEnd || probe >= kMaxBestPlanTurns) {
            solved.proven = true;
            solved.reason = decision.allPlansEnd ? NoPlanReason::OutOfStock : NoPlanReason::TooManyTurns;
            return solved;
        } else {
            low = probe + 1;
            probe = std::min(probe + step, kMaxBestPlanTurns);
        }
    }
    while (low < solved.plan->turns) {
        const Decision decision = Decide(problem, low + (solved.plan->turns - low) / 2, damage, limits, solved.visited);
        if (decision.plan) {
            solved.plan = decision.plan;
        } else if (!decision.proven) {
            solved.turnsBound = low;
            return solved;
        } else {
            low += (solved.plan->turns - low) / 2 + 1;
        }
    }
    solved.proven = true;
    solved.turnsBound = solved.plan->turns;
    return solved;
}

Solved Solve(const SearchProblem& problem, const BestPlanRequest& request, std::int64_t target,
             const SearchLimits& limits)
{
    if (request.question == BestPlanQuestion::MostDamage) {
        return SolveMostDamage(problem, static_cast<std::int32_t>(target), limits);
    }
    return SolveFewestTurns(problem, target, limits);
}

// The plan's lines in the order the search found them, with amounts that
// give exactly their turns.
std::vector<PlannedLine> PlannedLines(const SearchProblem& problem, const FoundPlan& plan)
{
    std::vector<PlannedLine> lines;
    for (const SearchLine& line : plan.lines) {
        const SearchRow& row = problem.rows[line.rowIndex];
        const std::optional<double> amount = AmountForTurns(row.values, line.turns);
        if (!amount) {
            throw std::logic_error("a plan line of the search cannot be written");
        }
        lines.push_back({row.row, line.turns, *amount});
    }
    return lines;
}

std::string WritePlan(const PlanningState& loaded, std::string_view planBytes, const std::vector<PlannedLine>& lines,
                      bool fileOrder)
{
    std::vector<WrittenLine> written;
    for (const PlannedLine& line : lines) {
        written.push_back({line.row, line.amount, CatalogueNameOf(loaded, line.row)});
    }
    return RewritePlan(planBytes, written, fileOrder);
}

// Whether the engine's ordering would recruit the lines as written.
bool KeepsOrder(std::string_view catalogueBytes, std::string_view planBytes)
{
    PlanningState state;
    LoadRunInputs(state, catalogueBytes, planBytes);
    OrderPlan(state);
    for (int p = 0; p < state.planCount; ++p) {
        if (state.planOrder[p] != p + 1) {
            return false;
        }
    }
    return true;
}

bool SameTreasury(const Treasury& a, const Treasury& b)
{
    return a.gold == b.gold && a.mana == b.mana && a.goldUpkeep == b.goldUpkeep && a.manaUpkeep == b.manaUpkeep &&
           a.damage == b.damage;
}

// The plan as rekrut.txt, confirmed by an unchanged planning run: exactly
// the turns and the treasury the search worked out, never below zero.
PlanAnswer Confirmed(const SearchProblem& problem, const PlanningState& loaded, std::string_view catalogueBytes,
                     std::string_view planBytes, const FoundPlan& plan)
{
    PlanAnswer answer;
    answer.lines = PlannedLines(problem, plan);
    answer.planBytes = WritePlan(loaded, planBytes, answer.lines, false);
    if (!KeepsOrder(catalogueBytes, answer.planBytes)) {
        answer.fileOrder = true;
        answer.planBytes = WritePlan(loaded, planBytes, answer.lines, true);
    }
    const CheckedPlan checked = CheckPlan(catalogueBytes, answer.planBytes);
    if (checked.outcome != PlanOutcome::Completed || !checked.staysAboveZero() || checked.turns != plan.turns ||
        !SameTreasury(checked.end, plan.end) || !LeavesReserve(checked.end, problem.reserve)) {
        throw std::logic_error("the planning run does not confirm the plan the search found");
    }
    answer.turns = checked.turns;
    answer.end = checked.end;
    answer.report = checked.report;
    return answer;
}

WhatIf WhatIfOf(const Solved& solved) { return {solved.plan->turns, solved.plan->end.damage, solved.proven}; }

bool Better(const BestPlanRequest& request, const Solved& changed, const FoundPlan& answer)
{
    if (!changed.plan) {
        return false;
    }
    return request.question == BestPlanQuestion::MostDamage ? changed.plan->end.damage > answer.end.damage
                                                            : changed.plan->turns < answer.turns;
}

bool TimeLeft(const SearchLimits& limits) { return std::chrono::steady_clock::now() < limits.deadline; }

void Explain(BestPlanResult& result, const SearchProblem& problem, const BestPlanRequest& request,
             const FoundPlan& plan, const SearchLimits& limits, const PlanningState& loaded,
             std::string_view catalogueBytes, std::string_view planBytes)
{
    if (!TimeLeft(limits)) {
        return;
    }
    // One turn more than was asked for, or than the fewest turns took.
    const std::int64_t turns = request.question == BestPlanQuestion::MostDamage ? request.target : plan.turns;
    const auto moreTurns = static_cast<std::int32_t>(std::min<std::int64_t>(turns + 1, kMaxBestPlanTurns));
    const Solved longer = SolveMostDamage(problem, moreTurns, limits);
    if (longer.plan) {
        result.oneMoreTurn = WhatIf{moreTurns, longer.plan->end.damage, longer.proven};
        if (request.question == BestPlanQuestion::MostDamage && longer.plan->end.damage > plan.end.damage) {
            result.binding.push_back(PlanLimit::Turns);
        }
    }
    SearchProblem richer = problem;
    richer.start.gold = static_cast<double>(Extended{richer.start.gold} * kMoreStock);
    const Solved gold = Solve(richer, request, request.target, limits);
    if (gold.plan) {
        result.moreGold = WhatIfOf(gold);
    }
    if (Better(request, gold, plan)) {
        result.binding.push_back(PlanLimit::Gold);
    }
    SearchProblem moreMana = problem;
    moreMana.start.mana = static_cast<double>(Extended{moreMana.start.mana} * kMoreStock);
    if (Better(request, Solve(moreMana, request, request.target, limits), plan)) {
        result.binding.push_back(PlanLimit::Mana);
    }
    SearchProblem moreLines = problem;
    moreLines.maxLines = kMaxBestPlanTurns;
    if (Better(request, Solve(moreLines, request, request.target, limits), plan)) {
        result.binding.push_back(PlanLimit::Lines);
    }
    if (plan.lines.empty()) {
        return;
    }
    // The runner-up does without the unit type the answer recruits longest.
    std::vector<std::int32_t> turnsOf(problem.rows.size(), 0);
    for (const SearchLine& line : plan.lines) {
        turnsOf[line.rowIndex] += line.turns;
    }
    const auto main = std::max_element(turnsOf.begin(), turnsOf.end()) - turnsOf.begin();
    SearchProblem without = problem;
    without.rows.erase(without.rows.begin() + main);
    const Solved runnerUp = Solve(without, request, request.target, limits);
    if (runnerUp.plan) {
        result.runnerUp = Confirmed(without, loaded, catalogueBytes, planBytes, *runnerUp.plan);
        result.runnerUpWithout = problem.rows[main].row;
    }
}

}  // namespace

BestPlanResult FindBestPlan(std::string_view catalogueBytes, std::string_view planBytes, const BestPlanRequest& request,
                            const SearchHook& hook)
{
    PlanningState loaded;
    LoadRunInputs(loaded, catalogueBytes, planBytes);
    const SearchProblem problem = ProblemOf(loaded, request);
    SearchLimits limits{std::chrono::steady_clock::now() + request.timeLimit, request.maxStates, hook};

    BestPlanResult result;
    const Solved solved = Solve(problem, request, request.target, limits);
    result.statesVisited = solved.visited;
    result.reason = solved.reason;
    if (!solved.plan) {
        result.status = solved.proven ? BestPlanStatus::NoPlan : BestPlanStatus::NothingFound;
        result.damageBound = static_cast<double>(solved.damageBound);
        result.turnsBound = solved.turnsBound;
        return result;
    }
    result.status = solved.proven ? BestPlanStatus::ProvenOptimal : BestPlanStatus::BestFound;
    result.answer = Confirmed(problem, loaded, catalogueBytes, planBytes, *solved.plan);
    result.damageBound = solved.proven
                             ? solved.plan->end.damage
                             : static_cast<double>(std::max(solved.damageBound, Extended{solved.plan->end.damage}));
    result.turnsBound = solved.proven ? solved.plan->turns : solved.turnsBound;
    // A search stopped early leaves no time to explain its answer.
    if (request.explain && solved.proven) {
        Explain(result, problem, request, *solved.plan, limits, loaded, catalogueBytes, planBytes);
    }
    return result;
}

}  // namespace zef
