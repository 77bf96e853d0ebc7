// The form of the report text: left-fill helpers, number formats, the figures
// that end every entry and the summary that closes every run.
#pragma once

#include "planning_state.h"

#include <cstdint>
#include <string>

namespace zef {

std::string PadLeft(std::string text, std::uint8_t width);
std::string PadLeft5(std::string text);

// Decimal, with a "-" when negative and no separators.
std::string FormatCount(std::int64_t value);
// The value rounded half to even.
std::string IntegerFigure(double value);
// The value divided by 1000, rounded half to even (the "k" comes from the texts).
std::string ThousandsFigure(double value);
// Up to 15 significant digits; integral values of any size as plain digits
// while they fit in 64 bits.
std::string GeneralFigure(double value);

// True unless gold and mana are both at zero or more (a NaN counts as below).
bool TreasuryNegative(Treasury t);

// Ends an entry in the state's report: the turns it took since the last entry,
// or for an entry that took none the upkeeps it adds and the treasury now;
// then its damage and a line break. Marks the turn as reported.
void AppendLineFigures(PlanningState& state, double lineGoldUpkeep, double lineManaUpkeep, double lineDamage);

inline constexpr int kProjectionTurns = 360;

// How many further turns the gold and the mana each last, up to kProjectionTurns, with the
// incomes and upkeeps the treasury holds: the summary's "zbytek(TU)".
// Overwrites the treasury's gold and mana with the projections' values.
struct StockProjection {
    int goldTurns;
    int manaTurns;
};
StockProjection ProjectStocks(Treasury& t);

// Army totals, the gold and mana projections and the closing separator.
// Overwrites the treasury's gold and mana with the projections' values.
void AppendSummary(PlanningState& state);

}  // namespace zef
