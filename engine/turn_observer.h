// Who may watch a planning run turn by turn: the chart's recorder and the
// command line's CSV writer. A run without an observer simulates its turns in
// a loop that knows nothing of one.
#pragma once

#include "planning_state.h"

#include <cstdint>
#include <string_view>

namespace zef {

// The treasury after one simulated turn, and the plan line that turn belongs to.
struct TurnRecord {
    std::int32_t turn;      // counted from 1 over the whole run
    std::int32_t fileLine;  // the plan line's line in rekrut.txt
    std::string_view unit;  // its unit type's name (Windows-1250), valid during the call only
    double gold;
    double mana;
    double goldUpkeep;
    double manaUpkeep;
    double goldIncome;
    double manaIncome;
    double damage;
};

class TurnObserver {
public:
    virtual ~TurnObserver() = default;
    // Called once per simulated turn, in turn order. May throw to end the
    // run; RunPlan then leaves the report as it was.
    virtual void observe(const TurnRecord& record) = 0;
    // Called once after the last plan line with the treasury and the turns
    // that the report's summary prints, before its projections overwrite the
    // gold and the mana; a run with no turns has no other figures.
    virtual void finished(const Treasury& /*treasury*/, std::int32_t /*turns*/) {}
};

}  // namespace zef
