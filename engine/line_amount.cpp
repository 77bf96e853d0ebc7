#include "line_amount.h"

#include "recruit.h"

#include <cmath>

namespace zef {

namespace {

// A whole amount for k turns lies within the k-th turn's damage, between
// (k - 1) x d and k x d for the damage d of one turn, ends included; a
// handful of candidates from the top always reaches a fitting one when d is
// 1 or more, and past the bottom when it is less.
constexpr int kCandidates = 8;

}  // namespace

std::optional<double> AmountForTurns(const UnitValues& unit, std::int32_t turns)
{
    if (RecruitsNothing(unit) || turns < 1) {
        return std::nullopt;
    }
    const Extended turnDamage = Extended{unit[batch]} * unit[strength] * kDamagePerStrength;
    const Extended top = std::floor(turnDamage * turns) + 1;
    for (int i = 0; i < kCandidates; ++i) {
        const double amount = static_cast<double>(top - i);
        if (amount >= 0 && LineQuantitiesFor(unit, amount).roundedTurns == turns) {
            return amount;
        }
    }
    return std::nullopt;
}

}  // namespace zef
