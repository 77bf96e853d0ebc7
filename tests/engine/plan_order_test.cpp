// The order in which plan lines are recruited.
#include "plan_order.h"
#include "case_name.h"
#include "planning_state.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace zef {
namespace {

struct OrderCase {
    const char* name;
    std::vector<UnitValues> catalogue;  // rows 1, 2, ...
    std::vector<PlanLine> lines;
    bool sort;
    std::vector<int> expectedOrder;
};

class OrderPlanTest : public ::testing::TestWithParam<OrderCase> {};

TEST_P(OrderPlanTest, WritesPlanOrder)
{
    const OrderCase& c = GetParam();
    PlanningState state;
    std::copy(c.catalogue.begin(), c.catalogue.end(), state.catalogueValues.begin());
    state.planCount = static_cast<std::uint8_t>(c.lines.size());
    std::copy(c.lines.begin(), c.lines.end(), state.plan.begin());
    state.sortPlan = c.sort;
    OrderPlan(state);
    const std::vector<int> order(state.planOrder.begin(), state.planOrder.begin() + state.planCount);
    EXPECT_EQ(order, c.expectedOrder);
}

// A unit of strength 2.5 and the given batch and gold upkeep: an amount of
// 10 x batch then takes 10 key turns.
UnitValues Unit(double upkeep, double batchSize) { return {0, 0, 0, upkeep, 0, 0, 2.5, batchSize}; }

const double kInfinity = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Cases, OrderPlanTest,
    ::testing::Values(
        OrderCase{"SortingOffKeepsFileOrder",
                  {Unit(15, 10), Unit(20, 10), Unit(10, 10)},
                  {{1, 100}, {2, 100}, {3, 100}},
                  false,
                  {1, 2, 3}},
        OrderCase{"AscendingUpkeepPerTurn",
                  {Unit(15, 10), Unit(20, 10), Unit(10, 10)},
                  {{1, 100}, {2, 100}, {3, 100}},
                  true,
                  {3, 1, 2}},
        OrderCase{"SameUnitKeepsFileOrder", {Unit(15, 10)}, {{1, 300}, {1, 100}}, true, {1, 2}},
        OrderCase{
            "ZeroTurnLineSplitsThePlan", {Unit(20, 10), Unit(10, 10)}, {{1, 100}, {2, 0}, {2, 100}}, true, {1, 2, 3}},
        OrderCase{"NoUpkeepComesFirst", {Unit(15, 10), Unit(0, 10)}, {{1, 100}, {2, 100}}, true, {2, 1}},
        OrderCase{
            "EmptyRowKeepsItsPlace", {Unit(20, 10), Unit(10, 10)}, {{1, 100}, {7, 100}, {2, 100}}, true, {1, 2, 3}},
        OrderCase{"RowOutsideTheCatalogueKeepsItsPlace",
                  {Unit(20, 10), Unit(10, 10)},
                  {{1, 100}, {257, 100}, {2, 100}},
                  true,
                  {1, 2, 3}},
        OrderCase{"StrengthZeroKeepsItsPlace",
                  {Unit(20, 10), {0, 0, 0, 5, 0, 0, 0, 10}, Unit(10, 10)},
                  {{1, 100}, {2, 100}, {3, 100}},
                  true,
                  {1, 2, 3}},
        // An infinite upkeep times zero key turns is a NaN, and a NaN comparison swaps.
        OrderCase{"NaNKeySwaps", {Unit(kInfinity, 10), Unit(10, 10)}, {{1, 0}, {2, 100}}, true, {2, 1}},
        OrderCase{"UnitNumberRoundsHalfToEven",
                  {Unit(30, 10), Unit(20, 10), Unit(5, 10), Unit(10, 10)},
                  {{2.5, 100}, {3.5, 100}},
                  true,
                  {2, 1}},
        OrderCase{"SingleLine", {Unit(15, 10)}, {{1, 100}}, true, {1}},
        OrderCase{"EmptyPlan", {Unit(15, 10)}, {}, true, {}}),
    testing::CaseName<OrderCase>);

}  // namespace
}  // namespace zef
