// Plans that need more turns than the run's 32-bit turn counter holds are
// refused before any turn is simulated; the edges are found without
// simulating billions of turns.
#include "turn_budget.h"
#include "case_name.h"
#include "catalogue.h"
#include "plan_file.h"
#include "plan_folder.h"
#include "plan_order.h"
#include "planning_state.h"
#include "run_plan.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>

namespace zef {
namespace {

using testing::PlanFolder;

// Row 1 buys one unit of 10 damage a turn, so an amount of 10 x N + 3 needs
// N + 0.3 units and takes N + 1 turns. Row 2 recruits nothing (strength 0);
// row 3 buys a ten-billionth of a unit per turn.
const char* const kCatalogue = "Foot 0 0 0 0 0 0 25 1 000\r\n"
                               "Idle 0 0 0 0 0 0 0 1 0000\r\n"
                               "Dust 0 0 0 0 0 0 25 0.0000000001\r\n";

struct Refusal {
    std::int32_t fileLine;
    std::int64_t lineTurns;
    std::int64_t runTurns;
};

struct BudgetCase {
    const char* name;
    std::string plan;
    std::optional<Refusal> refusal;  // none: the plan is accepted
};

// What a run does before it counts the turns.
void LoadOrderedPlan(PlanningState& state)
{
    state.sortPlan = true;
    LoadCatalogue(state);
    LoadPlan(state);
    OrderPlan(state);
}

class TurnBudgetTest : public ::testing::TestWithParam<BudgetCase> {};

TEST_P(TurnBudgetTest, RefusesExactlyWhatTheCounterCannotHold)
{
    PlanFolder folder;
    folder.writeCatalogue(kCatalogue);
    folder.writePlan(GetParam().plan);
    PlanningState state;
    state.reportText = "an earlier report\r\n";
    const std::string before = state.reportText;
    if (!GetParam().refusal) {
        LoadOrderedPlan(state);
        EXPECT_NO_THROW(PlannedTurns(state));
        return;
    }
    try {
        RunPlan(state);
        FAIL() << "the plan must be refused";
    } catch (const PlanTooLong& error) {
        EXPECT_EQ(error.line().fileLine, GetParam().refusal->fileLine);
        EXPECT_EQ(error.lineTurns(), GetParam().refusal->lineTurns);
        EXPECT_EQ(error.runTurns(), GetParam().refusal->runTurns);
    }
    EXPECT_EQ(state.reportText, before);
    EXPECT_EQ(state.turn, 0);
}

constexpr std::int64_t kMin64 = std::numeric_limits<std::int64_t>::min();

INSTANTIATE_TEST_SUITE_P(
    Edges, TurnBudgetTest,
    ::testing::Values(BudgetCase{"LargestCountAccepted", "1 21474836463\r\n", std::nullopt},
                      BudgetCase{"OneMoreRefused", "; plan\r\n1 21474836473\r\n", Refusal{2, 2147483648, 2147483648}},
                      BudgetCase{"TwoLinesThatFitTogether", "1 10737418233\r\n1 10737418223\r\n", std::nullopt},
                      BudgetCase{"TwoLinesThatDoNotFitTogether", "@skip\r\n1 10737418233\r\n1 10737418233\r\n",
                                 Refusal{3, 1073741824, 2147483648}},
                      // A negative plan factor makes the amount, and so the turns, negative.
                      BudgetCase{"MostNegativeCountAccepted", "@facktor -1\r\n1 21474836483\r\n", std::nullopt},
                      BudgetCase{"NegativeBeyondRange", "@facktor -1\r\n1 21474836493\r\n",
                                 Refusal{2, -2147483649, -2147483649}},
                      BudgetCase{"UncountableTurns", "3 999999999999999\r\n", Refusal{1, kMin64, kMin64}},
                      BudgetCase{"RowOutsideTheCatalogueIsSkipped", "30 999999999999999\r\n", std::nullopt},
                      BudgetCase{"RowOfNoStrengthIsSkipped", "2 999999999999999\r\n", std::nullopt}),
    testing::CaseName<BudgetCase>);

TEST(TurnBudgetTest, PlannedTurnsAreTheRunsTotal)
{
    PlanFolder folder;
    folder.writeCatalogue(kCatalogue);
    folder.writePlan("1 21474836463\r\n");
    PlanningState state;
    LoadOrderedPlan(state);
    EXPECT_EQ(PlannedTurns(state), 2147483647);
}

TEST(TurnBudgetTest, MessageNamesTheLineAndItsTurns)
{
    const PlanTooLong tooLong({7, "Kopi 1 99"}, 2147483648, 2147483648);
    EXPECT_STREQ(tooLong.what(),
                 "rekrut.txt, line 7 \"Kopi 1 99\": needs 2147483648 turns; one run counts at most 2147483647");
    const PlanTooLong together({9, "b 1 5"}, 5, 2147483650);
    EXPECT_STREQ(together.what(), "rekrut.txt, line 9 \"b 1 5\": needs 5 turns, 2147483650 with the lines before "
                                  "it; one run counts at most 2147483647");
    const PlanTooLong endless({1, "x"}, kMin64, kMin64);
    EXPECT_FALSE(endless.countable());
    EXPECT_STREQ(endless.what(), "rekrut.txt, line 1 \"x\": needs more turns than can be counted");
}

}  // namespace
}  // namespace zef
