// The chart font's own measure: the face's advance widths for every
// Windows-1250 character, whatever fonts the system has.
#include "chart_font.h"

#include "case_name.h"

#include <gtest/gtest.h>

namespace zef {
namespace {

struct ExtentCase {
    const char* name;
    const char* text;
    bool bold;
    int units;  // the advances' sum, in 1/2048 em
};

class ChartFontTest : public ::testing::TestWithParam<ExtentCase> {};

TEST_P(ChartFontTest, IsTheFacesAdvancesAtTheSize)
{
    const ExtentCase& row = GetParam();
    const TextExtent extent = ChartFontExtent(row.text, {11, {}, row.bold});
    EXPECT_DOUBLE_EQ(extent.width, row.units * 11 / 2048.0);
    EXPECT_DOUBLE_EQ(extent.height, 2384 * 11 / 2048.0);
    EXPECT_DOUBLE_EQ(extent.ascent, 1901 * 11 / 2048.0);
}

INSTANTIATE_TEST_SUITE_P(Texts, ChartFontTest,
                         ::testing::Values(ExtentCase{"Empty", "", false, 0},
                                           ExtentCase{"FirstAndLastAscii", " ~", false, 651 + 1716},
                                           ExtentCase{"Czech", "Šař", false, 1300 + 1255 + 842},
                                           ExtentCase{"NoBreakSpaceAndLastByte", "\u00a0\u02d9", false, 651 + 1024},
                                           ExtentCase{"Bold", "0Ž", true, 1425 + 1485},
                                           ExtentCase{"UndefinedByteIsTheMissingBox", "\u0081", false, 1229},
                                           ExtentCase{"NotInWindows1250", "→", false, 1229},
                                           ExtentCase{"ControlCharacter", "\t", false, 1229}),
                         testing::CaseName<ExtentCase>);

}  // namespace
}  // namespace zef
