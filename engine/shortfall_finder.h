// The first turn of a run with gold below zero and the first with mana below
// zero, with the plan line each belongs to. It is watched on every preview, so
// a turn costs it two comparisons.
#pragma once

#include "turn_observer.h"

#include <cstdint>
#include <optional>

namespace zef {

struct Shortfall {
    std::int32_t turn;      // counted from 1 over the whole run
    std::int32_t fileLine;  // the plan line's line in rekrut.txt
    double value;           // the gold or mana after that turn
};

class ShortfallFinder : public TurnObserver {
public:
    void observe(const TurnRecord& record) override;

    const std::optional<Shortfall>& gold() const { return gold_; }
    const std::optional<Shortfall>& mana() const { return mana_; }

private:
    std::optional<Shortfall> gold_;
    std::optional<Shortfall> mana_;
};

}  // namespace zef
