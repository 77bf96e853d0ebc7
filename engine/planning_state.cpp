#include "planning_state.h"

namespace zef {

Treasury treasury{};
bool sortPlan = false;
std::array<std::string, kCatalogueRows> catalogueNames;
std::array<UnitValues, kCatalogueRows> catalogueValues{};
std::array<PlanLine, kPlanLines> plan{};
std::array<PlanLineSource, kPlanLines> planSources;
std::uint8_t planCount = 0;
std::array<std::uint8_t, kPlanLines> planOrder{};
std::int32_t turn = 0;
std::int32_t lastReportedTurn = 0;
std::string reportText;

void ResetTreasury(Treasury& t, double gold, double goldIncome, double mana, double manaIncome, double damage)
{
    t.gold = gold;
    t.goldIncome = goldIncome;
    t.mana = mana;
    t.manaIncome = manaIncome;
    t.damage = damage;
    t.manaCap = 450000;
    t.goldUpkeep = 0;
    t.manaUpkeep = 0;
    t.unitsTotal = 0;
    t.conversionBacklog = 0;
    sortPlan = true;
}

namespace {
bool IsCatalogueRow(std::int64_t row) { return row >= 1 && row <= kCatalogueRows; }
}  // namespace

const std::string& CatalogueNameOf(std::int64_t row)
{
    static const std::string noName;
    return IsCatalogueRow(row) ? catalogueNames[row - 1] : noName;
}

const UnitValues& CatalogueValuesOf(std::int64_t row)
{
    static const UnitValues noValues{};
    return IsCatalogueRow(row) ? catalogueValues[row - 1] : noValues;
}

}  // namespace zef
