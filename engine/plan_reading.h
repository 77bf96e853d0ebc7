// How each line of rekrut.txt was read, told from the plan reader's own
// classification, and what in it may not be what the player meant. Warnings
// never change a run: they only point at lines the run reads as written. A
// warning is data (its kind and the numbers involved), so that zef-plan words
// it in English and the window in Czech.
#pragma once

#include "plan_file.h"
#include "planning_state.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zef {

enum class PlanWarningKind {
    ThousandsSeparator,  // "2 000" or "2,000" is read as 2
    LetterO,             // "2OOO" is read as 2
    NoCatalogueRow,      // arm.txt has no row for the unit number
    RecruitsNothing,     // the unit type's strength or batch is 0
    OneNumberOnly,       // no amount: it is 0
    PastPlanLines,       // a plan line past the kPlanLines that count
};

struct PlanWarning {
    PlanWarningKind kind = PlanWarningKind::OneNumberOnly;
    // A number misread: as written, as read and as probably meant. A unit
    // number without a row or that recruits nothing: as written.
    std::string written{};
    std::string read{};
    std::string meant{};
    int catalogueRows = 0;               // NoCatalogueRow: the rows arm.txt has
    CatalogueColumn zeroColumn = batch;  // RecruitsNothing: batch, or else strength
};

struct PlanLineReading {
    std::int32_t fileLine = 0;  // 1-based line of rekrut.txt
    PlanLineKind kind = PlanLineKind::Ignored;
    // A directive: what it set (none when its fourth character selects
    // nothing) and the value it set.
    const Directive* directive = nullptr;
    double value = 0;
    // A plan line: its place among the plan lines that count (1 to 20, 0 for
    // a line past them, which the run ignores); for one that counts, the
    // catalogue row its unit number rounds to, that row's name (Windows-1250,
    // empty when arm.txt has no such row) and the amount after the factor.
    int planNumber = 0;
    std::int64_t row = 0;
    std::string unitName;
    double amount = 0;
    // In the order the line reads.
    std::vector<PlanWarning> warnings;
};

// One reading per line of the plan's bytes, with the catalogue that
// `catalogue` holds (as a run or LoadCatalogue left it).
std::vector<PlanLineReading> ReadPlanLines(const PlanningState& catalogue, std::string_view planBytes);

// The warning in one English sentence (ASCII), as zef-plan --explain writes it.
std::string WarningInEnglish(const PlanWarning& warning);

}  // namespace zef
