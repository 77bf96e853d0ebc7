// The best-plan search against brute force on small catalogues: every plan
// of at most 7 turns tried, line by line, with the engine's own turn.
#include "best_plan.h"
#include "case_name.h"
#include "line_amount.h"
#include "plan_bound.h"
#include "plan_inputs.h"
#include "plan_search.h"
#include "random_catalogue.h"
#include "recruit.h"
#include "report_format.h"
#include "rounding.h"
#include "run_plan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <limits>
#include <sstream>

namespace zef {
namespace {

using testing::RandomCatalogue;
using testing::RandomCatalogueShape;

struct BruteRow {
    UnitValues values;
    TurnStep step;
};

// Every finished plan: its treasury and turns.
using PlanVisit = std::function<void(const Treasury& end, std::int32_t turns)>;

void EveryPlan(const std::vector<BruteRow>& rows, const Treasury& t, std::int32_t turns, int lines,
               std::int32_t maxTurns, const PlanVisit& visit)
{
    visit(t, turns);
    if (lines == kPlanLines) {
        return;
    }
    for (const BruteRow& row : rows) {
        Treasury next = t;
        for (std::int32_t k = 1; turns + k <= maxTurns; ++k) {
            SimulateTurn(next, row.step);
            if (!(next.gold >= 0 && next.mana >= 0)) {
                break;
            }
            if (AmountForTurns(row.values, k)) {
                EveryPlan(rows, next, turns + k, lines + 1, maxTurns, visit);
            }
        }
    }
}

struct BruteForce {
    double mostDamage = -std::numeric_limits<double>::infinity();
    // [d]: the fewest turns to a rounded damage of d, over the plans tried.
    std::function<std::optional<std::int32_t>(std::int64_t)> fewestTurnsTo;
};

BruteForce Brute(const PlanInputs& inputs, std::int32_t maxTurns, int reserve)
{
    PlanningState state;
    LoadRunInputs(state, inputs.catalogue, inputs.plan);
    std::vector<BruteRow> rows;
    for (const UnitValues& values : state.catalogueValues) {
        if (!RecruitsNothing(values)) {
            rows.push_back({values, TurnStepOf(values)});
        }
    }
    auto plans = std::make_shared<std::vector<std::pair<double, std::int32_t>>>();
    EveryPlan(rows, state.treasury, 0, 0, maxTurns, [&](const Treasury& end, std::int32_t turns) {
        if (LeavesReserve(end, reserve)) {
            plans->emplace_back(end.damage, turns);
        }
    });
    BruteForce brute;
    for (const auto& [damage, turns] : *plans) {
        brute.mostDamage = std::max(brute.mostDamage, damage);
    }
    brute.fewestTurnsTo = [plans](std::int64_t damage) {
        std::optional<std::int32_t> fewest;
        for (const auto& [reached, turns] : *plans) {
            if (RoundHalfEven(reached) >= damage && (!fewest || turns < *fewest)) {
                fewest = turns;
            }
        }
        return fewest;
    };
    return brute;
}

BestPlanRequest Request(BestPlanQuestion question, std::int64_t target, int reserve = 0)
{
    BestPlanRequest request;
    request.question = question;
    request.target = target;
    request.reserve = reserve;
    request.explain = false;
    return request;
}

struct SmallCase {
    std::string name;
    std::uint32_t seed;
    std::int32_t turns;
    RandomCatalogueShape shape;
    int reserve = 0;
};

// Each case was picked for a best plan of two lines or more.
template <typename... Flags>
RandomCatalogueShape Shape(int rows, Flags... flags)
{
    RandomCatalogueShape shape;
    shape.rows = rows;
    ((shape.*flags = true), ...);
    return shape;
}

class BruteForceTest : public ::testing::TestWithParam<SmallCase> {};

TEST_P(BruteForceTest, MostDamageIsTheBruteForceBest)
{
    const SmallCase& c = GetParam();
    const PlanInputs inputs = RandomCatalogue(c.seed, c.shape);
    const BruteForce brute = Brute(inputs, c.turns, c.reserve);
    const BestPlanResult result =
        FindBestPlan(inputs.catalogue, inputs.plan, Request(BestPlanQuestion::MostDamage, c.turns, c.reserve));
    if (std::isinf(brute.mostDamage)) {
        EXPECT_EQ(result.status, BestPlanStatus::NoPlan);
        return;
    }
    ASSERT_EQ(result.status, BestPlanStatus::ProvenOptimal);
    EXPECT_EQ(result.answer->end.damage, brute.mostDamage);
    EXPECT_LE(result.answer->turns, c.turns);
}

TEST_P(BruteForceTest, FewestTurnsIsTheBruteForceFewest)
{
    const SmallCase& c = GetParam();
    const PlanInputs inputs = RandomCatalogue(c.seed, c.shape);
    const BruteForce brute = Brute(inputs, c.turns, c.reserve);
    if (std::isinf(brute.mostDamage)) {
        GTEST_SKIP() << "no plan to aim at";
    }
    const std::int64_t damage = RoundHalfEven(brute.mostDamage);
    const BestPlanResult result =
        FindBestPlan(inputs.catalogue, inputs.plan, Request(BestPlanQuestion::FewestTurns, damage, c.reserve));
    ASSERT_EQ(result.status, BestPlanStatus::ProvenOptimal);
    EXPECT_EQ(result.answer->turns, *brute.fewestTurnsTo(damage));
    EXPECT_GE(RoundHalfEven(result.answer->end.damage), damage);
}

TEST_P(BruteForceTest, BoundOfAStoppedSearchIsNeverBelowTheBest)
{
    const SmallCase& c = GetParam();
    const PlanInputs inputs = RandomCatalogue(c.seed, c.shape);
    const BruteForce brute = Brute(inputs, c.turns, c.reserve);
    if (std::isinf(brute.mostDamage)) {
        GTEST_SKIP() << "no plan to bound";
    }
    for (const std::uint64_t states : {1u, 3u, 10u, 30u}) {
        BestPlanRequest most = Request(BestPlanQuestion::MostDamage, c.turns, c.reserve);
        most.maxStates = states;
        const BestPlanResult stopped = FindBestPlan(inputs.catalogue, inputs.plan, most);
        if (stopped.status != BestPlanStatus::ProvenOptimal) {
            EXPECT_GE(stopped.damageBound, brute.mostDamage) << states << " states";
        }
        BestPlanRequest fewest = Request(BestPlanQuestion::FewestTurns, RoundHalfEven(brute.mostDamage), c.reserve);
        fewest.maxStates = states;
        const BestPlanResult short_ = FindBestPlan(inputs.catalogue, inputs.plan, fewest);
        if (short_.status != BestPlanStatus::ProvenOptimal) {
            EXPECT_LE(short_.turnsBound, *brute.fewestTurnsTo(fewest.target)) << states << " states";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Seeds, BruteForceTest,
    ::testing::Values(SmallCase{"TwoRowsSeed1", 1, 7, Shape(2)}, SmallCase{"ThreeRowsSeed2", 2, 7, Shape(3)},
                      SmallCase{"ConversionsSeed1", 1, 7, Shape(4, &RandomCatalogueShape::conversions)},
                      SmallCase{"ConversionsSeed2", 2, 7, Shape(5, &RandomCatalogueShape::conversions)},
                      SmallCase{"ConversionsSeed3", 3, 7, Shape(3, &RandomCatalogueShape::conversions)},
                      SmallCase{"ManaCapBindsSeed19", 19, 7, Shape(5, &RandomCatalogueShape::lowManaCap)},
                      SmallCase{"ManaCapBindsSeed23", 23, 7, Shape(3, &RandomCatalogueShape::lowManaCap)},
                      SmallCase{"ManaCapBindsSeed71", 71, 7, Shape(4, &RandomCatalogueShape::lowManaCap)},
                      SmallCase{"ZeroIncomesSeed2", 2, 7, Shape(5, &RandomCatalogueShape::zeroIncomes)},
                      SmallCase{"ZeroIncomesSeed3", 3, 7, Shape(4, &RandomCatalogueShape::zeroIncomes)},
                      SmallCase{"UnwritableTurnsSeed17", 17, 7,
                                Shape(4, &RandomCatalogueShape::weakRows, &RandomCatalogueShape::zeroIncomes)},
                      SmallCase{"UnwritableTurnsSeed18", 18, 7, Shape(5, &RandomCatalogueShape::weakRows)},
                      SmallCase{"UnwritableTurnsSeed22", 22, 7, Shape(3, &RandomCatalogueShape::weakRows)},
                      SmallCase{"ReserveSeed1", 1, 7, Shape(4), 20}, SmallCase{"ReserveSeed2", 2, 7, Shape(3), 20}),
    testing::CaseName<SmallCase>);

std::string ReadSource(const std::string& path)
{
    std::ifstream in(std::string(ZEF_SOURCE_DIR) + "/" + path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

PlanInputs Examples() { return {ReadSource("examples/arm.txt"), ReadSource("examples/rekrut.txt")}; }

struct NoPlanCase {
    std::string name;
    std::string catalogue;
    std::string plan;
    BestPlanRequest request;
    NoPlanReason reason;
};

BestPlanRequest Allowing(BestPlanRequest request, std::vector<std::int64_t> rows)
{
    request.rows = std::move(rows);
    return request;
}

class NoPlanTest : public ::testing::TestWithParam<NoPlanCase> {};

TEST_P(NoPlanTest, SaysWhy)
{
    const NoPlanCase& c = GetParam();
    const BestPlanResult result = FindBestPlan(c.catalogue, c.plan, c.request);
    EXPECT_EQ(result.status, BestPlanStatus::NoPlan);
    EXPECT_EQ(result.reason, c.reason);
    EXPECT_FALSE(result.answer);
}

const std::string kDrak = "Drak 2500 2000 0 50 60 0 2000 1\r\n";

INSTANTIATE_TEST_SUITE_P(
    Reasons, NoPlanTest,
    ::testing::Values(NoPlanCase{"NoUnitTypeAllowedRecruits", kDrak + "Nic 1 1 0 0 0 0 0 0\r\n", "",
                                 Allowing(Request(BestPlanQuestion::FewestTurns, 100), {2}), NoPlanReason::NoUnitType},
                      NoPlanCase{"NotOneTurnAffordable", kDrak, "@zl 2499\r\n@zld 0\r\n",
                                 Request(BestPlanQuestion::FewestTurns, 100), NoPlanReason::OutOfStock},
                      // The mana above the cap is cut at the first turn, which the bound
                      // does not know: four turns are affordable, a fifth never.
                      NoPlanCase{"ManaRunsOutFirst", kDrak,
                                 "@zl 1000000\r\n@zld 0\r\n@mna 10000\r\n@mnt 1500\r\n@maxmn 2000\r\n",
                                 Request(BestPlanQuestion::FewestTurns, 4000), NoPlanReason::OutOfStock},
                      NoPlanCase{"BelowZeroBeforeTheFirstTurn", kDrak, "@zl -1\r\n@zld 0\r\n",
                                 Request(BestPlanQuestion::MostDamage, 5), NoPlanReason::OutOfStock},
                      // Gold falls by 1 a turn and lasts 100; no turn is affordable.
                      NoPlanCase{"NoReserveLeft", kDrak, "@zl 100\r\n@zld -1\r\n",
                                 Request(BestPlanQuestion::MostDamage, 5, kProjectionTurns), NoPlanReason::Reserve},
                      NoPlanCase{"TooFarAway", kDrak, "", Request(BestPlanQuestion::FewestTurns, std::int64_t{1} << 50),
                                 NoPlanReason::TooManyTurns}),
    testing::CaseName<NoPlanCase>);

TEST(BestPlanTest, DamageReachedAlreadyTakesNoTurn)
{
    const BestPlanResult result = FindBestPlan(kDrak, "@dmg 500\r\n", Request(BestPlanQuestion::FewestTurns, 500));
    ASSERT_EQ(result.status, BestPlanStatus::ProvenOptimal);
    EXPECT_EQ(result.answer->turns, 0);
    EXPECT_TRUE(result.answer->lines.empty());
}

TEST(BestPlanTest, OnlyTheAllowedUnitTypes)
{
    const PlanInputs inputs = Examples();
    const BestPlanResult result =
        FindBestPlan(inputs.catalogue, inputs.plan, Allowing(Request(BestPlanQuestion::MostDamage, 31), {1, 2}));
    ASSERT_EQ(result.status, BestPlanStatus::ProvenOptimal);
    ASSERT_FALSE(result.answer->lines.empty());
    for (const PlannedLine& line : result.answer->lines) {
        EXPECT_TRUE(line.row == 1 || line.row == 2) << line.row;
    }
    EXPECT_LT(result.answer->end.damage, 25440);
}

// The bound from the start and the quick test of it against brute force.
TEST_P(BruteForceTest, BoundFromTheStartAndItsQuickTestAgree)
{
    const SmallCase& c = GetParam();
    const PlanInputs inputs = RandomCatalogue(c.seed, c.shape);
    const BruteForce brute = Brute(inputs, c.turns, c.reserve);
    PlanningState state;
    LoadRunInputs(state, inputs.catalogue, inputs.plan);
    std::vector<TurnStep> steps;
    for (const UnitValues& values : state.catalogueValues) {
        if (!RecruitsNothing(values)) {
            steps.push_back(TurnStepOf(values));
        }
    }
    const DamageBound bound(steps, state.treasury, c.turns);
    const Extended most = bound.most(state.treasury, 0, c.turns);
    EXPECT_GE(most, brute.mostDamage);
    for (const Extended damage : {most - 1, most * 0.9L, most + 1, Extended{brute.mostDamage}}) {
        EXPECT_EQ(bound.exceeds(state.treasury, 0, c.turns, damage), most > damage) << static_cast<double>(damage);
    }
}

double MostDamage(const PlanInputs& inputs, std::int32_t turns)
{
    const BestPlanResult result =
        FindBestPlan(inputs.catalogue, inputs.plan, Request(BestPlanQuestion::MostDamage, turns));
    EXPECT_EQ(result.status, BestPlanStatus::ProvenOptimal) << turns << " turns";
    return result.answer ? result.answer->end.damage : 0;
}

struct FolderCase {
    std::string name;
    std::function<PlanInputs()> inputs;
    std::int32_t fromTurns;
    std::int32_t toTurns;
};

class QuestionsTest : public ::testing::TestWithParam<FolderCase> {};

TEST_P(QuestionsTest, OneMoreTurnNeverGivesLess)
{
    const PlanInputs inputs = GetParam().inputs();
    double before = MostDamage(inputs, GetParam().fromTurns);
    for (std::int32_t turns = GetParam().fromTurns + 1; turns <= GetParam().toTurns; ++turns) {
        const double after = MostDamage(inputs, turns);
        EXPECT_GE(after, before) << turns << " turns";
        before = after;
    }
}

// The fewest turns to the most damage of N turns are the turns after which
// the most damage first reaches it.
TEST_P(QuestionsTest, TheTwoQuestionsAgree)
{
    const PlanInputs inputs = GetParam().inputs();
    const std::int64_t damage = RoundHalfEven(MostDamage(inputs, GetParam().toTurns));
    const BestPlanResult fewest =
        FindBestPlan(inputs.catalogue, inputs.plan, Request(BestPlanQuestion::FewestTurns, damage));
    ASSERT_EQ(fewest.status, BestPlanStatus::ProvenOptimal);
    const std::int32_t turns = fewest.answer->turns;
    EXPECT_LE(turns, GetParam().toTurns);
    EXPECT_GE(RoundHalfEven(MostDamage(inputs, turns)), damage);
    if (turns > 0) {
        EXPECT_LT(RoundHalfEven(MostDamage(inputs, turns - 1)), damage);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Folders, QuestionsTest,
    ::testing::Values(FolderCase{"Examples", Examples, 26, 32},
                      FolderCase{"TwentyRowsSeed21", [] { return RandomCatalogue(21); }, 1, 12},
                      FolderCase{"ConversionsSeed22",
                                 [] { return RandomCatalogue(22, Shape(8, &RandomCatalogueShape::conversions)); }, 1,
                                 12}),
    testing::CaseName<FolderCase>);

// A unit type that takes all the mana can only be recruited every second
// turn, between turns of one that takes none: 41 turns want 41 plan lines.
const std::string kAlternating = "Magi 0 20 0 0 0 0 25 100\r\nPesi 1 0 0 0 0 0 10 100\r\n";
const std::string kAlternatingPlan = "@zl 1000000\r\n@zld 0\r\n@mna 1000\r\n@mnt 1000\r\n@maxmn 1000\r\n";

TEST(BestPlanTest, TwentyLinesBind)
{
    const std::string& catalogue = kAlternating;
    const std::string& plan = kAlternatingPlan;
    BestPlanRequest request = Request(BestPlanQuestion::MostDamage, 41);
    request.explain = true;
    const BestPlanResult result = FindBestPlan(catalogue, plan, request);
    ASSERT_EQ(result.status, BestPlanStatus::ProvenOptimal);
    EXPECT_LE(result.answer->lines.size(), std::size_t{kPlanLines});
    // 10 turns of 1000 damage, 31 of 400.
    EXPECT_EQ(RoundHalfEven(result.answer->end.damage), 22400);
    EXPECT_NE(std::find(result.binding.begin(), result.binding.end(), PlanLimit::Lines), result.binding.end());
}

// A search stopped early may hold a plan of more lines than count: it is
// never the answer.
TEST(BestPlanTest, StoppedSearchNeverAnswersWithTooManyLines)
{
    for (const std::uint64_t states : {1u, 30u, 60u, 100u, 200u, 400u, 1000u}) {
        BestPlanRequest request = Request(BestPlanQuestion::MostDamage, 41);
        request.maxStates = states;
        const BestPlanResult result = FindBestPlan(kAlternating, kAlternatingPlan, request);
        if (result.answer) {
            EXPECT_LE(result.answer->lines.size(), std::size_t{kPlanLines}) << states << " states";
        }
        EXPECT_GE(result.damageBound, 22400) << states << " states";
    }
}

TEST(BestPlanTest, CancelledSearchGivesTheBestFoundAndItsGap)
{
    const PlanInputs inputs = Examples();
    int calls = 0;
    // The quick search's 31 turns run; the proof is cancelled at its start.
    const BestPlanResult result = FindBestPlan(inputs.catalogue, inputs.plan, Request(BestPlanQuestion::MostDamage, 31),
                                               [&](const SearchProgress&) { return ++calls <= 31; });
    ASSERT_EQ(result.status, BestPlanStatus::BestFound);
    ASSERT_TRUE(result.answer);
    EXPECT_LE(result.answer->end.damage, 25440);
    EXPECT_GE(result.damageBound, 25440);
}

}  // namespace
}  // namespace zef
