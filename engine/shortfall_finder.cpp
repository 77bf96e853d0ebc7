#include "shortfall_finder.h"

namespace zef {

namespace {

// A NaN counts as below zero, as it does for the report's warning.
void NoteFirst(std::optional<Shortfall>& first, const TurnRecord& record, double value)
{
    if (!first && !(value >= 0)) {
        first = Shortfall{record.turn, record.fileLine, value};
    }
}

}  // namespace

void ShortfallFinder::observe(const TurnRecord& record)
{
    NoteFirst(gold_, record, record.gold);
    NoteFirst(mana_, record, record.mana);
}

}  // namespace zef
