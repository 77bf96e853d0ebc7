// Rounding, number syntax and number formats: the pieces every figure of the
// report passes through.
#include "case_name.h"
#include "number_runs.h"
#include "plan_file.h"
#include "report_format.h"
#include "rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace zef {
namespace {

constexpr std::int64_t kIndefinite = std::numeric_limits<std::int64_t>::min();
constexpr long double kInf = std::numeric_limits<long double>::infinity();

struct RoundCase {
    const char* name;
    long double value;
    std::int64_t expected;
};

class RoundHalfEvenTest : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundHalfEvenTest, RoundsToNearestWithTiesToEven)
{
    EXPECT_EQ(RoundHalfEven(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RoundHalfEvenTest,
    ::testing::Values(RoundCase{"TwoAndAHalfGoesDown", 2.5L, 2}, RoundCase{"ThreeAndAHalfGoesUp", 3.5L, 4},
                      RoundCase{"MinusOneAndAHalf", -1.5L, -2}, RoundCase{"MinusTwoAndAHalf", -2.5L, -2},
                      RoundCase{"TenAndAHalf", 10.5L, 10}, RoundCase{"ElevenAndAHalf", 11.5L, 12},
                      RoundCase{"JustAboveHalf", 0.5000000001L, 1}, RoundCase{"Half", 0.5L, 0},
                      RoundCase{"NaN", std::numeric_limits<long double>::quiet_NaN(), kIndefinite},
                      RoundCase{"PlusInfinity", kInf, kIndefinite}, RoundCase{"MinusInfinity", -kInf, kIndefinite},
                      RoundCase{"TwoTo63", 9223372036854775808.0L, kIndefinite},
                      RoundCase{"RoundsUpToTwoTo63", 9223372036854775807.5L, kIndefinite},
                      RoundCase{"LargestInt64", 9223372036854775807.0L, std::numeric_limits<std::int64_t>::max()},
                      RoundCase{"MinusTwoTo63", -9223372036854775808.0L, kIndefinite}),
    testing::CaseName<RoundCase>);

TEST(LowWordTest, KeepsTheLow32BitsAsASignedNumber)
{
    EXPECT_EQ(LowWord(10), 10);
    EXPECT_EQ(LowWord(kIndefinite), 0);
    EXPECT_EQ(LowWord(0x80000000LL), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(LowWord(0x100000005LL), 5);
    EXPECT_EQ(LowWord(-1), -1);
}

struct ScanCase {
    const char* name;
    const char* line;
    std::vector<double> expected;
};

class ScanNumbersTest : public ::testing::TestWithParam<ScanCase> {};

TEST_P(ScanNumbersTest, ReadsRunsOfDigitsAndPoints) { EXPECT_EQ(ScanNumbers(GetParam().line, 8), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Cases, ScanNumbersTest,
    ::testing::Values(ScanCase{"SpaceAsThousandsSeparatorSplits", "x 1 500", {1, 500}},
                      ScanCase{"DecimalCommaSplits", "x 1,5", {1, 5}}, ScanCase{"DecimalPoint", "x 12.5", {12.5}},
                      ScanCase{"TrailingPoint", "x 12.", {12}}, ScanCase{"LeadingPointIsSkipped", "x .5", {5}},
                      ScanCase{"NoSign", "x -7", {7}}, ScanCase{"NoExponent", "1e5", {1, 5}},
                      ScanCase{"DigitInsideTheName", "Lu2k 100 0 0 1 0 0 10", {2, 100, 0, 0, 1, 0, 0, 10}},
                      ScanCase{"SecondPointEndsTheValue", "1.2.3 4", {1.2, 4}},
                      ScanCase{"StopsAtTheLimit", "1 2 3 4 5 6 7 8 9 10", {1, 2, 3, 4, 5, 6, 7, 8}},
                      ScanCase{"NoDigits", "abc", {}}),
    testing::CaseName<ScanCase>);

TEST(ParseDecimalTest, IsCorrectlyRoundedAndTakesHugeRuns)
{
    EXPECT_EQ(ParseDecimal("0.1"), 0.1);
    EXPECT_EQ(ParseDecimal("9007199254740993"), 9007199254740992.0);  // a tie, to even
    EXPECT_EQ(ParseDecimal("5."), 5.0);
    EXPECT_EQ(ParseDecimal("-500"), -500.0);
    const std::string huge(400, '9');
    EXPECT_EQ(ParseDecimal(huge), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseDecimal("-" + huge), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseDecimal("0." + std::string(400, '0') + "1"), 0.0);
    EXPECT_EQ(ParseDecimal("1" + std::string(300, '0')), 1e300);
}

struct DirectiveCase {
    const char* name;
    const char* line;
    double expected;
};

class DirectiveValueTest : public ::testing::TestWithParam<DirectiveCase> {};

TEST_P(DirectiveValueTest, ReadsTheFirstNumberFromTheFifthCharacter)
{
    EXPECT_EQ(ClassifyPlanLine(GetParam().line).value, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, DirectiveValueTest,
                         ::testing::Values(DirectiveCase{"Plain", "@zl 120000", 120000},
                                           DirectiveCase{"Negative", "@dmg -500", -500},
                                           DirectiveCase{"MinusBeforeSpaceIsNoSign", "@dmg - 500", 500},
                                           DirectiveCase{"NoNumberIsZero", "@zl abc", 0},
                                           DirectiveCase{"ExactlyFourCharacters", "@zl ", 0},
                                           DirectiveCase{"InnerMinusEndsTheValue", "@zl 5-3", 5},
                                           DirectiveCase{"InnerMinusAfterSign", "@zl -5-3", -5},
                                           DirectiveCase{"SecondPointEndsTheValue", "@zl 1.2.3", 1.2},
                                           DirectiveCase{"DigitsBeforeTheFifthCharacterDoNotCount", "@z9 7", 7},
                                           DirectiveCase{"Fraction", "@facktor 1.5", 1.5}),
                         testing::CaseName<DirectiveCase>);

struct FigureCase {
    const char* name;
    std::string (*format)(double);
    double value;
    const char* expected;
};

class FigureTest : public ::testing::TestWithParam<FigureCase> {};

TEST_P(FigureTest, Formats) { EXPECT_EQ(GetParam().format(GetParam().value), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Cases, FigureTest,
    ::testing::Values(FigureCase{"ThousandsDown", ThousandsFigure, 73250, "73"},
                      FigureCase{"ThousandsTieUp", ThousandsFigure, 75500, "76"},
                      FigureCase{"ThousandsTieDown", ThousandsFigure, 74500, "74"},
                      FigureCase{"ThousandsNegative", ThousandsFigure, -140750, "-141"},
                      FigureCase{"ThousandsNaN", ThousandsFigure, NAN, "-9223372036854775808"},
                      FigureCase{"IntegerTie", IntegerFigure, 2.5, "2"},
                      FigureCase{"IntegerNegative", IntegerFigure, -1320.5, "-1320"},
                      FigureCase{"IntegerInfinity", IntegerFigure, INFINITY, "-9223372036854775808"},
                      FigureCase{"GeneralSmall", GeneralFigure, 600, "600"},
                      FigureCase{"GeneralZero", GeneralFigure, 0, "0"},
                      FigureCase{"GeneralNegative", GeneralFigure, -42, "-42"},
                      FigureCase{"GeneralFifteenDigits", GeneralFigure, 999999999999999, "999999999999999"},
                      FigureCase{"GeneralTenTo15", GeneralFigure, 1e15, "1000000000000000"},
                      FigureCase{"GeneralMostNegative", GeneralFigure, -9223372036854775808.0, "-9223372036854775808"},
                      FigureCase{"GeneralBeyond64Bits", GeneralFigure, 1e20, "1e+20"}),
    testing::CaseName<FigureCase>);

TEST(PadLeftTest, FillsWithSpacesUpToTheWidthOnly)
{
    EXPECT_EQ(PadLeft5("500"), "  500");
    EXPECT_EQ(PadLeft5("123456"), "123456");
    EXPECT_EQ(PadLeft("7", 3), "  7");
    EXPECT_EQ(PadLeft("1000", 3), "1000");
    EXPECT_EQ(PadLeft("", 0), "");
}

TEST(TreasuryNegativeTest, NaNCountsAsBelowZero)
{
    Treasury t{};
    EXPECT_FALSE(TreasuryNegative(t));
    t.gold = -0.5;
    EXPECT_TRUE(TreasuryNegative(t));
    t.gold = 0;
    t.mana = std::numeric_limits<double>::quiet_NaN();
    EXPECT_TRUE(TreasuryNegative(t));
}

}  // namespace
}  // namespace zef
