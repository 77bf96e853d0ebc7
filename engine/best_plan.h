// The best plan for the player's catalogue and economy: the most damage
// within at most N turns, or the fewest turns to reach D damage, with gold
// and mana at zero or more after every turn, at most 20 plan lines, the unit
// types the player allows and a reserve the summary's projections must
// leave. The answer is proven optimal where the search finishes in time, and
// else the best found with how far from the best it can at most be. Every
// answer handed back is a rekrut.txt that the unchanged planning run has
// confirmed. Texts for the player are worded elsewhere: this is data.
#pragma once

#include "plan_search.h"
#include "planning_state.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zef {

enum class BestPlanQuestion { MostDamage, FewestTurns };

inline constexpr std::int32_t kMaxBestPlanTurns = 10'000;

struct BestPlanRequest {
    BestPlanQuestion question = BestPlanQuestion::MostDamage;
    std::int64_t target = 0;         // N turns (1 to kMaxBestPlanTurns), or D damage
    std::vector<std::int64_t> rows;  // catalogue rows allowed; empty: every row that recruits
    int reserve = 0;                 // 0 to kProjectionTurns
    std::chrono::milliseconds timeLimit{10'000};
    std::uint64_t maxStates = 4'000'000;  // each search's
    // Also what binds a proven answer, what one more turn and 10 % more
    // gold would give, and the runner-up, each in the time the answer left.
    bool explain = true;
};

enum class BestPlanStatus {
    ProvenOptimal,
    BestFound,    // stopped by the time, the states or a cancel: see the bounds
    NoPlan,       // proven: no plan meets the request; see NoPlanReason
    NothingFound  // stopped before any plan was found
};

enum class NoPlanReason {
    None,
    NoUnitType,   // no allowed unit type can be recruited
    Reserve,      // no plan that stays at zero or more leaves the reserve
    OutOfStock,   // every plan runs out of gold or mana before the damage
    TooManyTurns  // no plan within kMaxBestPlanTurns turns reaches the damage
};

enum class PlanLimit { Turns, Gold, Mana, Lines };

struct PlannedLine {
    std::int64_t row;
    std::int32_t turns;
    double amount;  // what the plan line says
};

// A plan as the planning run confirmed it.
struct PlanAnswer {
    std::vector<PlannedLine> lines;
    bool fileOrder = false;  // written with the file-order directive
    std::int32_t turns = 0;
    Treasury end{};         // after the last turn
    std::string planBytes;  // the player's rekrut.txt with these plan lines
    std::string report;     // the planning run's report of it (Windows-1250)
};

// What a changed request would give: the most damage within one turn
// more, or with 10 % more gold the most damage (MostDamage) or the fewest
// turns (FewestTurns); and whether that is proven.
struct WhatIf {
    std::int32_t turns = 0;
    double damage = 0;
    bool proven = false;
};

struct BestPlanResult {
    BestPlanStatus status = BestPlanStatus::NothingFound;
    NoPlanReason reason = NoPlanReason::None;
    std::optional<PlanAnswer> answer;
    // When not proven: no plan reaches more damage (MostDamage), or none
    // reaches the damage in fewer turns (FewestTurns).
    double damageBound = 0;
    std::int32_t turnsBound = 0;
    std::vector<PlanLimit> binding;
    std::optional<WhatIf> oneMoreTurn;  // its turns: the turns allowed
    std::optional<WhatIf> moreGold;
    std::optional<PlanAnswer> runnerUp;
    std::int64_t runnerUpWithout = 0;  // the row the runner-up does without
    std::uint64_t statesVisited = 0;
};

// Throws as RunPlan does on the player's plan; `hook` hears how far the
// search is and may cancel it, which hands back the best found so far.
BestPlanResult FindBestPlan(std::string_view catalogueBytes, std::string_view planBytes, const BestPlanRequest& request,
                            const SearchHook& hook = {});

}  // namespace zef
