// Recruiting one plan line: units, turns and the per-turn economy.
#include "recruit.h"
#include "case_name.h"
#include "planning_state.h"

#include <gtest/gtest.h>

#include <string>

namespace zef {
namespace {

// The treasury of the default plan directives.
Treasury DefaultTreasury()
{
    Treasury t{};
    t.gold = 120000;
    t.goldIncome = 1000;
    t.mana = 20100;
    t.manaIncome = 5000;
    t.manaCap = 198021;
    return t;
}

// priceGold 100, priceMana 10, upkeepGold 3, upkeepMana 12, strength 5, batch 50.
const UnitValues kFoot{100, 10, 0, 3, 12, 0, 5, 50};

class RecruitLineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        state.catalogueNames[0] = "Foot";
        state.catalogueValues[0] = kFoot;
        state.treasury = DefaultTreasury();
    }

    PlanningState state;
    Treasury& t = state.treasury;
    TurnProgress progress;
};

TEST_F(RecruitLineTest, WorkedExampleTenTurns)
{
    RecruitLine(state, 1, 1000, progress);
    EXPECT_EQ(t.gold, 73250);
    EXPECT_EQ(t.mana, 38100);
    EXPECT_EQ(t.goldUpkeep, 1500);
    EXPECT_EQ(t.manaUpkeep, 6000);
    EXPECT_EQ(t.damage, 1000);
    EXPECT_EQ(t.unitsTotal, 500);
    EXPECT_EQ(state.turn, 10);
    EXPECT_EQ(state.reportText, "Foot   500  TU:  10 DMG:  1000\r\n");
}

TEST_F(RecruitLineTest, WorkedExampleFirstTurn)
{
    // 50 units a turn at strength 5 add 100 damage: one turn's worth.
    RecruitLine(state, 1, 80, progress);
    EXPECT_EQ(state.turn, 1);
    EXPECT_EQ(t.gold, 116000);
    EXPECT_EQ(t.mana, 24600);
    EXPECT_EQ(t.goldUpkeep, 150);
    EXPECT_EQ(t.manaUpkeep, 600);
}

struct TurnsCase {
    const char* name;
    double amount;  // with strength 5 and batch 50, 100 damage is one batch
    std::int32_t turns;
    double units;
};

class LineQuantitiesTest : public ::testing::TestWithParam<TurnsCase> {};

TEST_P(LineQuantitiesTest, AddsAHalfAndRoundsHalfToEven)
{
    const LineQuantities q = LineQuantitiesFor(kFoot, GetParam().amount);
    EXPECT_EQ(q.turns, GetParam().turns);
    EXPECT_EQ(q.units, GetParam().units);
}

INSTANTIATE_TEST_SUITE_P(Cases, LineQuantitiesTest,
                         ::testing::Values(TurnsCase{"AmountZero", 0, 0, 0}, TurnsCase{"ExactlyTen", 1000, 10, 500},
                                           TurnsCase{"ExactlyElevenTakesTwelve", 1100, 12, 600},
                                           TurnsCase{"TenPointTwoTakesEleven", 1020, 11, 550},
                                           TurnsCase{"NegativeAmountTakesNoTurn", -1000, -10, -500}),
                         testing::CaseName<TurnsCase>);

struct UnusableCase {
    const char* name;
    UnitValues unit;
};

class UnusableUnitTest : public ::testing::TestWithParam<UnusableCase> {};

TEST_P(UnusableUnitTest, RecruitsNothing)
{
    const LineQuantities q = LineQuantitiesFor(GetParam().unit, 1000);
    EXPECT_EQ(q.turns, 0);
    EXPECT_EQ(q.units, 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, UnusableUnitTest,
                         ::testing::Values(UnusableCase{"BatchZero", {100, 10, 0, 3, 12, 0, 5, 0}},
                                           UnusableCase{"StrengthZero", {100, 10, 0, 3, 12, 0, 0, 50}},
                                           UnusableCase{"EmptyRow", {}}),
                         testing::CaseName<UnusableCase>);

TEST_F(RecruitLineTest, RowOutsideTheCatalogueIsAnEmptyRow)
{
    RecruitLine(state, 257, 1000, progress);  // the low 8 bits would name row 1
    EXPECT_EQ(state.turn, 0);
    EXPECT_EQ(t.unitsTotal, 0);
    EXPECT_EQ(state.reportText,
              "     0 Zl/TU: 0 Mn/TU: 0\r\n      Zl: 120k Mn: 20k\r\n" + std::string(18, ' ') + " DMG:     0\r\n");
}

struct BacklogCase {
    const char* name;
    double backlog;
    double goldAfter[3];  // after each of the first three turns
    double backlogAfter;
    double goldIncomeAfter;
    double manaIncomeAfter;
};

class ConversionTest : public ::testing::TestWithParam<BacklogCase> {};

TEST_P(ConversionTest, WorksOffUpToThreeATurn)
{
    PlanningState state;
    TurnProgress progress;
    // A unit with no prices and no upkeep: only conversions and income move the gold.
    state.catalogueValues[0] = {0, 0, 0, 0, 0, 0, 1, 1};
    double gold[3];
    Treasury& t = state.treasury;
    t.goldIncome = 1000;
    t.manaIncome = 5000;
    t.manaCap = 1e9;
    t.conversionBacklog = GetParam().backlog;
    for (double& g : gold) {
        RecruitLine(state, 1, 0.2, progress);  // needed 0.5: one turn
        g = t.gold;
    }
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(gold[i], GetParam().goldAfter[i]) << "turn " << i + 1;
    }
    EXPECT_EQ(t.conversionBacklog, GetParam().backlogAfter);
    EXPECT_EQ(t.goldIncome, GetParam().goldIncomeAfter);
    EXPECT_EQ(t.manaIncome, GetParam().manaIncomeAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConversionTest,
    ::testing::Values(
        // 3, 3 and 1 conversions cost 2250, 2250 and 750 gold; incomes change from the next turn on.
        BacklogCase{"SevenTakesThreeTurns", 7, {-1250, -2502.25, -2256.75}, 0, 1000 - 5.25, 5350},
        BacklogCase{"TwoGoesInOneTurn", 2, {-500, 498.5, 1497}, 0, 998.5, 5100},
        // 2.5 leaves -0.5, which the second turn takes as -0.5 conversions.
        BacklogCase{"FractionGoesNegative", 2.5, {-1250, 122.75, 1120.875}, 0, 998.125, 5125}),
    testing::CaseName<BacklogCase>);

TEST_F(RecruitLineTest, ManaCapAppliesOnlyInSimulatedTurns)
{
    t.mana = 500000;
    t.manaCap = 450000;
    RecruitLine(state, 1, 0, progress);
    EXPECT_EQ(t.mana, 500000);
    RecruitLine(state, 1, 80, progress);
    // The cap cuts after the turn's income, before the new upkeep counts.
    EXPECT_EQ(t.mana, 450000);
}

struct WarningCase {
    const char* name;
    double gold;
    double mana;
    double amount;
    bool warned;
};

class ShortfallWarningTest : public RecruitLineTest, public ::testing::WithParamInterface<WarningCase> {};

TEST_P(ShortfallWarningTest, WarnsWhenTheLineEndsBelowZero)
{
    t.gold = GetParam().gold;
    t.mana = GetParam().mana;
    RecruitLine(state, 1, GetParam().amount, progress);
    EXPECT_EQ(state.reportText.rfind("NENI zl/mn! ", 0) == 0, GetParam().warned) << state.reportText;
}

INSTANTIATE_TEST_SUITE_P(Cases, ShortfallWarningTest,
                         ::testing::Values(WarningCase{"Enough", 120000, 20100, 1000, false},
                                           WarningCase{"ManaBelowGoldAbove", 120000, -100000, 1000, true},
                                           WarningCase{"GoldRunsOut", 10000, 20100, 1000, true},
                                           WarningCase{"NoTurnButAlreadyBelow", -1, 0, 0, true},
                                           WarningCase{"NoTurnAtZero", 0, 0, 0, false},
                                           // One turn costs 5000 gold and earns 1000: it ends at exactly zero.
                                           WarningCase{"EndsAtZero", 4000, 20100, 80, false}),
                         testing::CaseName<WarningCase>);

TEST_F(RecruitLineTest, LaterLinesPayTheUpkeepOfEarlierOnes)
{
    RecruitLine(state, 1, 1000, progress);
    RecruitLine(state, 1, 80, progress);
    // Turn 11 pays the 1500 upkeep of the first line's units.
    EXPECT_EQ(t.gold, 73250 - 5000 + 1000 - 1500);
    EXPECT_EQ(t.goldUpkeep, 1650);
    EXPECT_EQ(state.turn, 11);
    EXPECT_EQ(t.unitsTotal, 550);
}

}  // namespace
}  // namespace zef
