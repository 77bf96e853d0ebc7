#include "plan_search.h"

#include "line_amount.h"
#include "plan_bound.h"
#include "report_format.h"
#include "rounding.h"

#include <algorithm>
#include <limits>
#include <map>
#include <numeric>
#include <tuple>

namespace zef {

namespace {

constexpr std::uint8_t kNoRow = 0xFF;
constexpr std::uint64_t kClockInterval = 16;
// Points kept before that a new point is compared with, at most.
constexpr std::size_t kDominanceChecks = 512;
// Turns left up to which the beam ranks its points by the whole bound.
constexpr std::int32_t kRankedByBound = 128;
constexpr std::uint64_t kHookInterval = 1 << 16;

// A point of the search: the treasury after `turn` turns of one plan, with
// the line in progress.
struct Node {
    Treasury t;
    std::int32_t parent;  // in the turn before
    std::int32_t run;     // turns of the line in progress; 1 for a line begun in this turn
    std::uint8_t row;     // of the line in progress, kNoRow before the first
    std::uint16_t lines;  // plan lines so far, the one in progress included
};

bool NoWorse(const Treasury& a, const Treasury& b)
{
    return a.damage >= b.damage && a.gold >= b.gold && a.mana >= b.mana && a.goldUpkeep <= b.goldUpkeep &&
           a.manaUpkeep <= b.manaUpkeep;
}

class Search {
public:
    Search(const SearchProblem& problem, const SearchGoal& goal, const SearchLimits& limits, const DamageBound& bound,
           const std::optional<FoundPlan>& known);
    SearchOutcome run();

private:
    bool closable(const Node& node) const;
    // Where a point's future depends on its line's turns so far, points of
    // different turns are never compared.
    std::int32_t runKey(const Node& node) const { return allWritable_[node.row] ? 0 : node.run; }
    Extended bound(const Node& node, std::int32_t turn) const;
    bool promising(const Node& node, std::int32_t turn) const;
    void expand(const Node& node, std::int32_t index, std::int32_t turn, std::vector<Node>& next);
    void addChild(const Node& node, std::int32_t index, std::uint8_t row, bool newLine, std::int32_t turn,
                  std::vector<Node>& next);
    // Whether `a` can do at least as well as `b` whatever follows.
    bool dominates(const Node& a, const Node& b) const;
    void keepNonDominated(std::vector<Node>& layer) const;
    void keepBeam(std::vector<Node>& layer, std::int32_t turn) const;
    // Takes the best of the plans that end in this turn as the answer when it
    // is better; true when it is enough.
    bool consider(const std::vector<Node>& layer, std::int32_t turn);
    FoundPlan planOf(std::int32_t turn, std::int32_t index) const;
    // Counts a point visited; true when the search is to stop. `pending`:
    // the points of the next turn so far, which take memory too.
    bool stopped(std::size_t pending);
    Extended layerBound(const std::vector<Node>& layer, std::int32_t turn) const;

    const SearchProblem& problem_;
    SearchGoal goal_;
    const SearchLimits& limits_;
    const DamageBound& bound_;
    std::vector<std::vector<char>> writable_;  // [row][turns]
    std::vector<char> allWritable_;
    std::vector<std::vector<Node>> layers_;
    std::optional<FoundPlan> best_;
    std::uint64_t visited_ = 0;
    std::uint64_t kept_ = 0;  // points in layers_
    std::int32_t turn_ = 0;
    SearchStop stop_ = SearchStop::Complete;
    bool cut_ = false;  // a point was dropped because it could not beat the best
};

Search::Search(const SearchProblem& problem, const SearchGoal& goal, const SearchLimits& limits,
               const DamageBound& bound, const std::optional<FoundPlan>& known)
    : problem_(problem), goal_(goal), limits_(limits), bound_(bound)
{
    for (const SearchRow& row : problem.rows) {
        std::vector<char> counts(static_cast<std::size_t>(goal.maxTurns) + 1, 0);
        for (std::int32_t k = 1; k <= goal.maxTurns; ++k) {
            counts[k] = AmountForTurns(row.values, k).has_value();
        }
        allWritable_.push_back(std::all_of(counts.begin() + 1, counts.end(), [](char c) { return c != 0; }));
        writable_.push_back(std::move(counts));
    }
    if (known && known->turns <= goal.maxTurns) {
        best_ = known;
    }
}

bool Search::closable(const Node& node) const { return node.row == kNoRow || writable_[node.row][node.run]; }

Extended Search::bound(const Node& node, std::int32_t turn) const
{
    return bound_.most(node.t, turn, goal_.maxTurns - turn);
}

bool Search::promising(const Node& node, std::int32_t turn) const
{
    const std::int32_t turnsLeft = goal_.maxTurns - turn;
    if (goal_.enough) {
        // The report rounds half to even: a damage below D - 0.5 never prints as D.
        return bound_.exceeds(node.t, turn, turnsLeft, Extended(*goal_.enough) - 0.5L);
    }
    return !best_ || bound_.exceeds(node.t, turn, turnsLeft, best_->end.damage);
}

void Search::addChild(const Node& node, std::int32_t index, std::uint8_t row, bool newLine, std::int32_t turn,
                      std::vector<Node>& next)
{
    Node child{node.t, index, newLine ? 1 : node.run + 1, row, static_cast<std::uint16_t>(node.lines + newLine)};
    SimulateTurn(child.t, problem_.rows[row].step);
    // Gold and mana stay at zero or more after every turn (a NaN does not).
    if (!(child.t.gold >= 0 && child.t.mana >= 0)) {
        return;
    }
    if (promising(child, turn + 1)) {
        next.push_back(child);
    } else {
        cut_ = true;
    }
}

void Search::expand(const Node& node, std::int32_t index, std::int32_t turn, std::vector<Node>& next)
{
    if (node.row != kNoRow) {
        addChild(node, index, node.row, false, turn, next);
    }
    if (!closable(node) || node.lines >= problem_.maxLines) {
        return;
    }
    for (std::size_t r = 0; r < problem_.rows.size(); ++r) {
        // A new line of the same unit type only helps where the two lines'
        // turns together could not be written as one.
        if (r != node.row || !allWritable_[r]) {
            addChild(node, index, static_cast<std::uint8_t>(r), true, turn, next);
        }
    }
}

bool Search::dominates(const Node& a, const Node& b) const
{
    if (!NoWorse(a.t, b.t)) {
        return false;
    }
    if (a.row == b.row && runKey(a) == runKey(b)) {
        return a.lines <= b.lines;
    }
    // A point whose line can end here can go on as the other does with a
    // new line, where any turns of that line can be written.
    return closable(a) && b.row != kNoRow && allWritable_[b.row] &&
           (a.lines + 1 <= b.lines || problem_.maxLines >= goal_.maxTurns);
}

void Search::keepNonDominated(std::vector<Node>& layer) const
{
    std::vector<std::uint32_t> order(layer.size());
    std::iota(order.begin(), order.end(), 0u);
    std::sort(order.begin(), order.end(), [&](std::uint32_t ia, std::uint32_t ib) {
        const Treasury& a = layer[ia].t;
        const Treasury& b = layer[ib].t;
        if (a.damage != b.damage) {
            return a.damage > b.damage;
        }
        if (a.gold != b.gold) {
            return a.gold > b.gold;
        }
        if (a.mana != b.mana) {
            return a.mana > b.mana;
        }
        return ia < ib;
    });
    // Sorted by damage first, so only points kept before can be no worse:
    // those of the same line in progress, and those whose line can end.
    std::map<std::pair<std::uint8_t, std::int32_t>, std::vector<std::uint32_t>> sameLine;
    std::vector<std::uint32_t> canEnd;
    std::vector<Node> kept;
    for (const std::uint32_t i : order) {
        const Node& candidate = layer[i];
        std::vector<std::uint32_t>& group = sameLine[{candidate.row, runKey(candidate)}];
        const auto beats = [&](std::uint32_t k) { return dominates(kept[k], candidate); };
        // Dropping a point is only a saving: the points of the nearest damage,
        // the likeliest to be no worse, are asked first, and only so many.
        const auto nearest = [&](const std::vector<std::uint32_t>& among) {
            const std::size_t asked = std::min(among.size(), kDominanceChecks);
            return std::any_of(among.rbegin(), among.rbegin() + static_cast<std::ptrdiff_t>(asked), beats);
        };
        if (nearest(group) || nearest(canEnd)) {
            continue;
        }
        const auto k = static_cast<std::uint32_t>(kept.size());
        kept.push_back(candidate);
        group.push_back(k);
        if (closable(candidate)) {
            canEnd.push_back(k);
        }
    }
    layer = std::move(kept);
}

void Search::keepBeam(std::vector<Node>& layer, std::int32_t turn) const
{
    if (goal_.beam == 0 || layer.size() <= goal_.beam) {
        return;
    }
    // Ranked by the bound; where it takes long, by a quicker guide.
    const std::int32_t turnsLeft = goal_.maxTurns - turn;
    std::vector<std::pair<Extended, std::uint32_t>> ranked;
    for (std::uint32_t i = 0; i < layer.size(); ++i) {
        const Treasury& t = layer[i].t;
        ranked.emplace_back(
            turnsLeft <= kRankedByBound ? bound_.most(t, turn, turnsLeft) : bound_.atEnd(t, turn, turnsLeft), i);
    }
    std::nth_element(
        ranked.begin(), ranked.begin() + static_cast<std::ptrdiff_t>(goal_.beam), ranked.end(),
        [](const auto& a, const auto& b) { return a.first > b.first || (a.first == b.first && a.second < b.second); });
    ranked.resize(goal_.beam);
    std::sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
    std::vector<Node> kept;
    for (const auto& entry : ranked) {
        kept.push_back(layer[entry.second]);
    }
    layer = std::move(kept);
}

bool Search::consider(const std::vector<Node>& layer, std::int32_t turn)
{
    // Of the plans that end here the one with the most damage, then the
    // fewest lines, then the most gold.
    std::optional<std::size_t> found;
    for (std::size_t i = 0; i < layer.size(); ++i) {
        const Node& node = layer[i];
        if (!closable(node) || !LeavesReserve(node.t, problem_.reserve) ||
            (goal_.enough && !Reaches(node.t, *goal_.enough))) {
            continue;
        }
        if (!found || std::tuple(node.t.damage, -node.lines, node.t.gold) >
                          std::tuple(layer[*found].t.damage, -layer[*found].lines, layer[*found].t.gold)) {
            found = i;
        }
    }
    if (found && (goal_.enough || !best_ || layer[*found].t.damage > best_->end.damage)) {
        best_ = planOf(turn, static_cast<std::int32_t>(*found));
    }
    return found && goal_.enough;
}

FoundPlan Search::planOf(std::int32_t turn, std::int32_t index) const
{
    FoundPlan plan;
    plan.turns = turn;
    plan.end = layers_[turn][index].t;
    // Walking back from a line's last turn, its turns so far are the whole line.
    for (std::int32_t t = turn; t > 0;) {
        const Node& last = layers_[t][index];
        plan.lines.insert(plan.lines.begin(), SearchLine{last.row, last.run});
        for (std::int32_t k = 0; k < last.run; ++k, --t) {
            index = layers_[t][index].parent;
        }
    }
    return plan;
}

bool Search::stopped(std::size_t pending)
{
    ++visited_;
    if (visited_ >= limits_.maxStates || kept_ + pending >= limits_.maxStates) {
        stop_ = SearchStop::States;
    } else if (visited_ % kClockInterval == 0 && std::chrono::steady_clock::now() >= limits_.deadline) {
        stop_ = SearchStop::Deadline;
    } else if (visited_ % kHookInterval == 0 && limits_.hook && !limits_.hook({turn_, goal_.maxTurns, visited_})) {
        stop_ = SearchStop::Cancelled;
    }
    return stop_ != SearchStop::Complete;
}

Extended Search::layerBound(const std::vector<Node>& layer, std::int32_t turn) const
{
    Extended most = best_ ? Extended{best_->end.damage} : -std::numeric_limits<Extended>::infinity();
    for (const Node& node : layer) {
        most = std::max(most, bound(node, turn));
    }
    return most;
}

SearchOutcome Search::run()
{
    layers_.push_back({Node{problem_.start, -1, 0, kNoRow, 0}});
    bool enough = consider(layers_[0], 0);
    for (turn_ = 0; !enough && turn_ < goal_.maxTurns && !layers_[turn_].empty(); ++turn_) {
        if (limits_.hook && !limits_.hook({turn_, goal_.maxTurns, visited_})) {
            stop_ = SearchStop::Cancelled;
        }
        std::vector<Node> next;
        const std::vector<Node>& layer = layers_[turn_];
        for (std::size_t i = 0; i < layer.size() && stop_ == SearchStop::Complete; ++i) {
            if (!stopped(next.size())) {
                expand(layer[i], static_cast<std::int32_t>(i), turn_, next);
            }
        }
        if (stop_ != SearchStop::Complete) {
            return {best_, stop_, layerBound(layer, turn_), visited_, false};
        }
        keepNonDominated(next);
        keepBeam(next, turn_ + 1);
        kept_ += next.size();
        layers_.push_back(std::move(next));
        enough = consider(layers_.back(), turn_ + 1);
    }
    const Extended most = best_ ? Extended{best_->end.damage} : -std::numeric_limits<Extended>::infinity();
    const bool allEnd = !enough && !cut_ && goal_.beam == 0 && layers_.back().empty();
    return {best_, stop_, most, visited_, allEnd};
}

}  // namespace

bool Reaches(const Treasury& end, std::int64_t damage) { return RoundHalfEven(end.damage) >= damage; }

bool LeavesReserve(const Treasury& end, int reserve)
{
    if (TreasuryNegative(end)) {
        return false;
    }
    if (reserve == 0) {
        return true;
    }
    Treasury projected = end;
    const StockProjection projection = ProjectStocks(projected);
    return projection.goldTurns >= reserve && projection.manaTurns >= reserve;
}

DamageBound BoundFor(const SearchProblem& problem, std::int32_t maxTurns)
{
    std::vector<TurnStep> steps;
    for (const SearchRow& row : problem.rows) {
        steps.push_back(row.step);
    }
    return DamageBound(std::move(steps), problem.start, maxTurns);
}

SearchOutcome SearchPlans(const SearchProblem& problem, const SearchGoal& goal, const SearchLimits& limits,
                          const DamageBound& bound, const std::optional<FoundPlan>& known)
{
    return Search(problem, goal, limits, bound, known).run();
}

}  // namespace zef
