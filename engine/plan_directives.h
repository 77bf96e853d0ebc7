// The plan's directives and the treasury every run starts from, in one table:
// the plan reader (plan_file.cpp, which also defines the functions below)
// applies it, zef-plan --help prints it, and the README's directive table
// lists the same rows (a test compares them).
#pragma once

#include "planning_state.h"

#include <array>
#include <string>
#include <string_view>

namespace zef {

enum class DirectiveEffect {
    TreasuryField,  // sets `field` of the treasury
    PlanFactor,     // multiplies every plan amount
    FileOrder,      // turns ordering off: lines are recruited in file order
};

struct Directive {
    char selector;          // the line's fourth character: the only one the reader looks at
    std::string_view name;  // as the player writes it
    DirectiveEffect effect;
    double Treasury::*field;  // for DirectiveEffect::TreasuryField
    double start;             // the value when the plan has no such directive
    std::string_view meaning;
};

inline constexpr std::array<Directive, 9> kDirectives{{
    {' ', "@zl", DirectiveEffect::TreasuryField, &Treasury::gold, 1500000, "gold on hand"},
    {'d', "@zld", DirectiveEffect::TreasuryField, &Treasury::goldIncome, 3600, "gold income per turn"},
    {'a', "@mna", DirectiveEffect::TreasuryField, &Treasury::mana, 500000, "mana on hand"},
    {'t', "@mnt", DirectiveEffect::TreasuryField, &Treasury::manaIncome, 35000, "mana income per turn"},
    {'x', "@maxmn", DirectiveEffect::TreasuryField, &Treasury::manaCap, 450000, "mana cap"},
    {'g', "@dmg", DirectiveEffect::TreasuryField, &Treasury::damage, 0, "damage the army starts with"},
    {'c', "@facktor", DirectiveEffect::PlanFactor, nullptr, 1, "factor for every amount"},
    {'z', "@prz", DirectiveEffect::TreasuryField, &Treasury::conversionBacklog, 0,
     "conversions waiting (3 a turn, 750 gold each)"},
    {'i', "@skip", DirectiveEffect::FileOrder, nullptr, 0, "recruit in file order instead of cheapest upkeep first"},
}};

// The directive that a fourth character selects; null for none.
const Directive* DirectiveFor(char selector);

// The treasury of a plan without directives: the table's start values, no
// upkeep, no units and no conversions.
Treasury StartTreasury();

// What an absent directive leaves, as the README and --help word it.
std::string IfAbsentText(const Directive& directive);

}  // namespace zef
