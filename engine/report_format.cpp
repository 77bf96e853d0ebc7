#include "report_format.h"

#include "rounding.h"

#include <charconv>
#include <cmath>

namespace zef {

namespace {

template <typename... Args>
std::string ToChars(Args... args)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, args...);
    return std::string(buffer, result.ptr);
}

// Further turns the stock lasts: the treasury moves one turn at a time while
// it is not negative, for at most 360 turns.
int ProjectTurns(Treasury& t, double& stock, double income, double upkeep)
{
    int n = 0;
    while (!TreasuryNegative(t) && n < kProjectionTurns) {
        stock = static_cast<double>(Extended{stock} + income - upkeep);
        if (!TreasuryNegative(t)) {
            ++n;
        }
    }
    return n;
}

}  // namespace

std::string PadLeft(std::string text, std::uint8_t width)
{
    if (text.size() >= width) {
        return text;
    }
    return std::string(width - text.size(), ' ') + text;
}

std::string PadLeft5(std::string text) { return PadLeft(std::move(text), 5); }

std::string FormatCount(std::int64_t value) { return ToChars(value); }

std::string IntegerFigure(double value) { return FormatCount(RoundHalfEven(value)); }

std::string ThousandsFigure(double value) { return FormatCount(RoundHalfEven(Extended{value} / 1000)); }

std::string GeneralFigure(double value)
{
    if (std::fabs(value) >= 1e15 && value >= -kTwoTo63 && value < kTwoTo63) {
        return FormatCount(static_cast<std::int64_t>(value));
    }
    return ToChars(value, std::chars_format::general, 15);
}

bool TreasuryNegative(Treasury t) { return !(t.gold >= 0 && t.mana >= 0); }

void AppendLineFigures(PlanningState& state, double lineGoldUpkeep, double lineManaUpkeep, double lineDamage)
{
    const Treasury& t = state.treasury;
    std::string& reportText = state.reportText;
    const std::int32_t turnsTaken = static_cast<std::int32_t>(static_cast<std::uint32_t>(state.turn) -
                                                              static_cast<std::uint32_t>(state.lastReportedTurn));
    if (turnsTaken == 0) {
        reportText += "Zl/TU: " + IntegerFigure(lineGoldUpkeep) + " Mn/TU: " + IntegerFigure(lineManaUpkeep) +
                      "\r\n      Zl: " + ThousandsFigure(t.gold) + "k Mn: " + ThousandsFigure(t.mana) + "k\r\n" +
                      std::string(18, ' ');
    } else {
        reportText += " TU: " + PadLeft(FormatCount(turnsTaken), 3);
    }
    reportText += " DMG: " + PadLeft5(IntegerFigure(lineDamage)) + "\r\n";
    state.lastReportedTurn = state.turn;
}

void AppendSummary(PlanningState& state)
{
    Treasury& t = state.treasury;
    std::string& reportText = state.reportText;
    reportText += "\r\nSuma: ";
    AppendLineFigures(state, t.goldUpkeep, t.manaUpkeep, t.damage);
    reportText += GeneralFigure(t.unitsTotal) + " jednotek;\r\ntahu " + FormatCount(state.turn) + ", zbytek(TU) ";
    const StockProjection projection = ProjectStocks(t);
    reportText += "zl: " + FormatCount(projection.goldTurns) + " mn: " + FormatCount(projection.manaTurns) +
                  "\r\n\r\n##########\r\n\r\n";
}

StockProjection ProjectStocks(Treasury& t)
{
    // Only gold may end the gold projection, only mana the mana projection.
    if (!(t.mana >= 0)) {
        t.mana = 1;
    }
    const int goldTurns = ProjectTurns(t, t.gold, t.goldIncome, t.goldUpkeep);
    t.gold = 1;
    return {goldTurns, ProjectTurns(t, t.mana, t.manaIncome, t.manaUpkeep)};
}

}  // namespace zef
