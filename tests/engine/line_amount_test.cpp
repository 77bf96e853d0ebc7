// The amount written for a line of k turns, against every whole amount tried.
#include "line_amount.h"
#include "case_name.h"
#include "recruit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace zef {
namespace {

struct UnitCase {
    std::string name;
    double strength;
    double batch;
};

// The largest whole amount that gives exactly `turns` turns, found by trying
// every amount up to past the turns' damage.
std::optional<double> EveryAmount(const UnitValues& unit, std::int32_t turns)
{
    const double top = std::ceil(unit[batch] * unit[strength] * 0.4 * turns) + 2;
    for (double amount = top; amount >= 0; --amount) {
        if (LineQuantitiesFor(unit, amount).roundedTurns == turns) {
            return amount;
        }
    }
    return std::nullopt;
}

class AmountForTurnsTest : public ::testing::TestWithParam<UnitCase> {};

TEST_P(AmountForTurnsTest, IsTheLargestAmountOfExactlyThoseTurns)
{
    UnitValues unit{};
    unit[strength] = GetParam().strength;
    unit[batch] = GetParam().batch;
    for (std::int32_t turns = 1; turns <= 60; ++turns) {
        EXPECT_EQ(AmountForTurns(unit, turns), EveryAmount(unit, turns)) << turns << " turns";
    }
}

INSTANTIATE_TEST_SUITE_P(Units, AmountForTurnsTest,
                         ::testing::Values(
                             // 800 damage a turn: an odd count written with its damage rounds up.
                             UnitCase{"WholeDamagePerTurn", 2000, 1}, UnitCase{"FractionalDamagePerTurn", 12.5, 3},
                             // 0.4 and 0.8 damage a turn: some counts have no whole amount at all.
                             UnitCase{"LessThanOneDamagePerTurn", 1, 1}, UnitCase{"JustBelowOneDamagePerTurn", 2, 1},
                             UnitCase{"ExactlyOneDamagePerTurn", 2.5, 1}),
                         testing::CaseName<UnitCase>);

TEST(AmountForTurnsTest, OddCountIsWrittenBelowItsDamage)
{
    UnitValues drak{};
    drak[strength] = 2000;
    drak[batch] = 1;
    EXPECT_EQ(AmountForTurns(drak, 23), 18399);
    EXPECT_EQ(AmountForTurns(drak, 8), 6400);
}

TEST(AmountForTurnsTest, UnitThatRecruitsNothingHasNoAmount)
{
    UnitValues empty{};
    EXPECT_EQ(AmountForTurns(empty, 1), std::nullopt);
}

}  // namespace
}  // namespace zef
