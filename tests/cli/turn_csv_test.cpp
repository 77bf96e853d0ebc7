// The CSV writer on its own: quoting, numbers that read back exactly, the
// unit name in UTF-8, and a failed write.
#include "turn_csv.h"

#include "case_name.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <string>

namespace zef {
namespace {

struct FieldCase {
    const char* name;
    const char* text;
    const char* field;
};

class CsvFieldTest : public ::testing::TestWithParam<FieldCase> {};

TEST_P(CsvFieldTest, QuotesOnlyWhatNeedsIt) { EXPECT_EQ(CsvField(GetParam().text), GetParam().field); }

INSTANTIATE_TEST_SUITE_P(Rfc4180, CsvFieldTest,
                         ::testing::Values(FieldCase{"Plain", "Kopi", "Kopi"}, FieldCase{"Empty", "", ""},
                                           FieldCase{"Spaces", " a b", " a b"}, FieldCase{"Comma", "a,b", "\"a,b\""},
                                           FieldCase{"Quote", "a\"b", "\"a\"\"b\""},
                                           FieldCase{"LineFeed", "a\nb", "\"a\nb\""},
                                           FieldCase{"CarriageReturn", "a\rb", "\"a\rb\""}),
                         testing::CaseName<FieldCase>);

// Runs `observe` on a writer and returns what it wrote.
template <typename Rows>
std::string Written(Rows rows)
{
    std::string text;
    TurnCsvWriter writer([&](std::string_view bytes) { text += bytes; });
    rows(writer);
    return text;
}

struct GuardCase {
    const char* name;
    const char* unit;
    const char* field;
};

class SpreadsheetTextTest : public ::testing::TestWithParam<GuardCase> {};

// A unit name from someone else's catalogue must not run as a formula.
TEST_P(SpreadsheetTextTest, FormulaStartsGetAnApostrophe)
{
    EXPECT_EQ(Written([](TurnCsvWriter& w) {
                  w.observe({1, 2, GetParam().unit, 0, 0, 0, 0, 0, 0, 0});
              }),
              std::string("1,2,") + GetParam().field + ",0,0,0,0,0,0,0\r\n");
}

INSTANTIATE_TEST_SUITE_P(Units, SpreadsheetTextTest,
                         ::testing::Values(GuardCase{"Equals", "=A:A", "'=A:A"}, GuardCase{"Plus", "+cmd", "'+cmd"},
                                           GuardCase{"Minus", "-B:B", "'-B:B"}, GuardCase{"At", "@SUM", "'@SUM"},
                                           GuardCase{"Tab", "\tx", "'\tx"},
                                           GuardCase{"CarriageReturn", "\rx", "\"'\rx\""},
                                           GuardCase{"PlainName", "Kopi", "Kopi"},
                                           GuardCase{"SignInside", "K-1", "K-1"}),
                         testing::CaseName<GuardCase>);

class SmallestCsvTest : public ::testing::TestWithParam<std::int32_t> {};

// The bound is what the writer writes when every field is as short as it gets,
// so that a CSV that would fit its disk is never refused.
TEST_P(SmallestCsvTest, IsTheSizeOfTheShortestRows)
{
    const std::int32_t turns = GetParam();
    const std::string written = Written([&](TurnCsvWriter& writer) {
        writer.writeHeader();
        for (std::int32_t turn = 1; turn <= turns; ++turn) {
            writer.observe({turn, 1, "", 0, 0, 0, 0, 0, 0, 0});
        }
    });
    EXPECT_EQ(SmallestCsvBytes(static_cast<std::uint64_t>(turns)), written.size());
}

INSTANTIATE_TEST_SUITE_P(Turns, SmallestCsvTest, ::testing::Values(0, 1, 9, 10, 11, 99, 100, 1234));

TEST(TurnCsvWriterTest, HeaderNamesTheColumns)
{
    EXPECT_EQ(Written([](TurnCsvWriter& w) { w.writeHeader(); }),
              "turn,line,unit,gold,mana,gold_upkeep,mana_upkeep,gold_income,mana_income,damage\r\n");
}

TEST(TurnCsvWriterTest, RowHoldsEveryFigureExactly)
{
    const double third = 1.0 / 3.0;
    const std::string row = Written([&](TurnCsvWriter& w) {
        w.observe({7, 12, "Kopi", -140750, third, 1e300, 0.1, -0.375, 5e-324, 15328});
    });
    EXPECT_EQ(row, "7,12,Kopi,-140750,0.3333333333333333,1e+300,0.1,-0.375,5e-324,15328\r\n");
    EXPECT_EQ(std::strtod("0.3333333333333333", nullptr), third);
}

TEST(TurnCsvWriterTest, NotANumberAndInfinityAreSpelledOut)
{
    const double inf = std::numeric_limits<double>::infinity();
    const std::string row = Written([&](TurnCsvWriter& w) {
        w.observe({1, 2, "X", std::numeric_limits<double>::quiet_NaN(), -inf, 0, 0, 0, 0, inf});
    });
    EXPECT_EQ(row, "1,2,X,nan,-inf,0,0,0,0,inf\r\n");
}

TEST(TurnCsvWriterTest, UnitNameIsUtf8AndQuotedWhenNeeded)
{
    // "Čar," in Windows-1250: Č is 0xC8.
    const std::string rows = Written([](TurnCsvWriter& w) {
        w.observe({1, 3,
                   "\xC8"
                   "ar,",
                   0, 0, 0, 0, 0, 0, 0});
        w.observe({2, 4, "Elf", 0, 0, 0, 0, 0, 0, 0});
    });
    EXPECT_EQ(rows, "1,3,\"\xC4\x8C"
                    "ar,\",0,0,0,0,0,0,0\r\n2,4,Elf,0,0,0,0,0,0,0\r\n");
}

}  // namespace
}  // namespace zef
