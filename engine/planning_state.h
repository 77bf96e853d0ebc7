// The planning state: the treasury, the unit catalogue, the plan, the turn
// counters and the accumulated report. A run (RunPlan) resets the treasury,
// reloads the catalogue and the plan, and appends to reportText; nothing else
// carries over from one run to the next. Every engine function is handed the
// state it reads or writes, so two states never meet.
#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <string>

namespace zef {

// Every formula of the engine is evaluated at x87 extended precision (64-bit
// mantissa) and stored as a double; the report's last digits depend on it.
using Extended = long double;
static_assert(std::numeric_limits<Extended>::digits == 64, "the engine needs 80-bit extended precision");

struct Treasury {
    double gold;
    double mana;
    double goldIncome;
    double manaIncome;
    double manaUpkeep;
    double manaCap;
    double goldUpkeep;
    double damage;
    double unitsTotal;
    double conversionBacklog;
};

struct PlanLine {
    double unitNo;  // catalogue row as written in the file; rounded when recruited
    double amount;  // damage to buy, already scaled by the plan factor
};

// Where a plan line came from, so that a message can point the player to it.
struct PlanLineSource {
    std::int32_t fileLine = 0;  // 1-based line of rekrut.txt
    std::string text;           // the line as written (Windows-1250), cut to kPlanLineSourceLength
};
inline constexpr std::size_t kPlanLineSourceLength = 80;

inline constexpr int kCatalogueRows = 20;
inline constexpr int kCatalogueColumns = 8;
inline constexpr int kPlanLines = 20;

using UnitValues = std::array<double, kCatalogueColumns>;

// Zero-based positions of the catalogue columns that the engine reads.
enum CatalogueColumn : int {
    priceGold = 0,
    priceMana = 1,
    upkeepGold = 3,
    upkeepMana = 4,
    strength = 6,
    batch = 7,
};

// The field names are the ones the whole program and its tests use.
struct PlanningState {
    Treasury treasury{};
    bool sortPlan = false;

    // Row r of the catalogue (1..20) is stored at index r - 1.
    std::array<std::string, kCatalogueRows> catalogueNames;
    std::array<UnitValues, kCatalogueRows> catalogueValues{};

    // Plan line n (1..20) is stored at index n - 1; planOrder holds 1-based line numbers.
    std::array<PlanLine, kPlanLines> plan{};
    std::array<PlanLineSource, kPlanLines> planSources;
    std::uint8_t planCount = 0;
    std::array<std::uint8_t, kPlanLines> planOrder{};

    std::int32_t turn = 0;
    std::int32_t lastReportedTurn = 0;

    // Windows-1250 text with CR LF line breaks; only ever appended to.
    std::string reportText;
};

// The catalogue row a rounded plan unit number names. A number outside 1..20
// names no row and reads as an empty one: no name and all values 0.
const std::string& CatalogueNameOf(const PlanningState& state, std::int64_t row);
const UnitValues& CatalogueValuesOf(const PlanningState& state, std::int64_t row);

}  // namespace zef
