// How each plan line was read, and its warnings. The warnings the command
// line's golden folder shows are not repeated here; these are the readings'
// fields, the look-alikes that must not warn and the other wordings.
#include "plan_reading.h"
#include "case_name.h"
#include "catalogue.h"
#include "run_plan.h"
#include "shortfall_finder.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace zef {
namespace {

// Idle adds no damage (strength 0).
const char* const kCatalogue = "Foot 100 10 0 3 12 0 5 50\r\nIdle 1 0 0 0 0 0 0 1 000\r\n";

PlanningState Catalogue()
{
    PlanningState state;
    LoadCatalogue(state, kCatalogue);
    return state;
}

TEST(ReadPlanLinesTest, RecordsWhatTheReaderMadeOfEachLine)
{
    const auto readings = ReadPlanLines(Catalogue(), "@facktor 1.5\r\n; 1 2\r\nx 5\r\nFoot 1.4 5\r\n");
    ASSERT_EQ(readings.size(), 4u);
    EXPECT_EQ(readings[0].directive->name, "@facktor");
    EXPECT_EQ(readings[0].value, 1.5);
    EXPECT_EQ(readings[1].kind, PlanLineKind::Comment);
    EXPECT_EQ(readings[2].kind, PlanLineKind::Ignored);
    const PlanLineReading& line = readings[3];
    EXPECT_EQ(line.fileLine, 4);
    EXPECT_EQ(line.planNumber, 1);
    EXPECT_EQ(line.row, 1);
    EXPECT_EQ(line.unitName, "Foot");
    EXPECT_EQ(line.amount, 8);  // 7.5, rounded half to even
}

struct WarningCase {
    const char* name;
    const char* line;
    std::vector<std::string> expected;
};

// The warnings of a one-line plan, as zef-plan --explain words them.
std::vector<std::string> EnglishWarnings(const PlanningState& catalogue, const char* line)
{
    const auto readings = ReadPlanLines(catalogue, line);
    std::vector<std::string> texts;
    for (const PlanWarning& warning : readings.at(0).warnings) {
        texts.push_back(WarningInEnglish(warning));
    }
    return texts;
}

class PlanLineWarningTest : public ::testing::TestWithParam<WarningCase> {};

TEST_P(PlanLineWarningTest, WarnsOnlyOfWhatMayNotBeMeant)
{
    EXPECT_EQ(EnglishWarnings(Catalogue(), GetParam().line), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlanLineWarningTest,
    ::testing::Values(
        WarningCase{"ThreeDigitAmountAfterTheUnit", "Foot 1 200", {}},
        WarningCase{"WordStartingWithO", "Foot 1 2Orky", {}}, WarningCase{"DecimalComma", "Foot 1 2,5", {}},
        WarningCase{"GroupOfFourDigits", "Foot 1 2 0000", {}}, WarningCase{"DecimalBeforeAGroup", "Foot 1 2.5 000", {}},
        WarningCase{"SeveralGroups", "Foot 1 1 500 000", {"\"1 500 000\" is read as 1; write 1500000"}},
        WarningCase{"LetterOInTheUnitNumber", "Foot 1O 200", {"\"1O\" is read as 1; write 10"}},
        WarningCase{"NegativeDirectiveValue", "@dmg -5 000", {"\"-5 000\" is read as -5; write -5000"}},
        WarningCase{"NoStrength", "Idle 2 200", {"unit 2 recruits nothing: its strength in arm.txt is 0"}}),
    testing::CaseName<WarningCase>);

TEST(ReadPlanLinesTest, AnEmptyCatalogueHasNoRows)
{
    EXPECT_EQ(EnglishWarnings(PlanningState{}, "Foot 1 200"),
              std::vector<std::string>{"unit 1 is not in arm.txt, which has no unit types"});
}

TEST(ReadPlanLinesTest, AWarningCarriesItsKindAndNumbers)
{
    const auto readings = ReadPlanLines(Catalogue(), "Foot 1O 2 000");
    ASSERT_EQ(readings.at(0).warnings.size(), 2u);
    const PlanWarning& letterO = readings[0].warnings[0];
    EXPECT_EQ(letterO.kind, PlanWarningKind::LetterO);
    EXPECT_EQ(letterO.written + "|" + letterO.read + "|" + letterO.meant, "1O|1|10");
    const PlanWarning& grouped = readings[0].warnings[1];
    EXPECT_EQ(grouped.kind, PlanWarningKind::ThousandsSeparator);
    EXPECT_EQ(grouped.written + "|" + grouped.read + "|" + grouped.meant, "2 000|2|2000");
}

// A gold-only army with no mana at all keeps the mana at exactly 0 in every
// turn, and the gold reaches exactly 0 in the last one: neither is below zero.
TEST(ShortfallFinderTest, FindsNothingWhileTheTreasuryStaysAtZeroOrMore)
{
    struct : ShortfallFinder {
        void finished(const Treasury& treasury, std::int32_t) override { last = treasury; }
        Treasury last{};
    } shortfall;
    PlanningState state;
    RunPlan(state, "Gold 100 0 0 0 0 0 5 10\r\n", "@zl 2000\r\n@zld 0\r\n@mna 0\r\n@mnt 0\r\nGold 1 40\r\n", {},
            &shortfall);
    ASSERT_EQ(state.turn, 2);
    ASSERT_EQ(shortfall.last.gold, 0.0);
    ASSERT_EQ(shortfall.last.mana, 0.0);
    EXPECT_FALSE(shortfall.gold());
    EXPECT_FALSE(shortfall.mana());
}

struct ShortfallCase {
    const char* name;
    double value;
    bool below;
};

class ShortfallBoundaryTest : public ::testing::TestWithParam<ShortfallCase> {};

// The same rule for the gold and for the mana: a turn is short when the value
// is not at or above zero.
TEST_P(ShortfallBoundaryTest, CountsOnlyWhatIsNotAtOrAboveZero)
{
    const ShortfallCase& c = GetParam();
    ShortfallFinder gold;
    gold.observe({7, 3, "Foot", c.value, 1.0, 0, 0, 0, 0, 0});
    ShortfallFinder mana;
    mana.observe({7, 3, "Foot", 1.0, c.value, 0, 0, 0, 0, 0});
    EXPECT_EQ(gold.gold().has_value(), c.below);
    EXPECT_EQ(mana.mana().has_value(), c.below);
    EXPECT_FALSE(gold.mana());
    EXPECT_FALSE(mana.gold());
}

constexpr double kInfinity = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Values, ShortfallBoundaryTest,
    ::testing::Values(ShortfallCase{"NegativeZero", -0.0, false}, ShortfallCase{"Zero", 0.0, false},
                      ShortfallCase{"SmallestPositive", std::numeric_limits<double>::denorm_min(), false},
                      ShortfallCase{"SmallestNegative", -std::numeric_limits<double>::denorm_min(), true},
                      ShortfallCase{"NotANumber", std::numeric_limits<double>::quiet_NaN(), true},
                      ShortfallCase{"PlusInfinity", kInfinity, false},
                      ShortfallCase{"MinusInfinity", -kInfinity, true}),
    testing::CaseName<ShortfallCase>);

}  // namespace
}  // namespace zef
