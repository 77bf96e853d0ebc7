// rekrut.txt with new plan lines: what is kept, what is replaced, what is added.
#include "plan_rewrite.h"
#include "case_name.h"

#include <gtest/gtest.h>

namespace zef {
namespace {

struct RewriteCase {
    std::string name;
    std::string plan;
    std::vector<WrittenLine> lines;
    bool fileOrder;
    std::string expected;
};

class RewritePlanTest : public ::testing::TestWithParam<RewriteCase> {};

TEST_P(RewritePlanTest, GivesTheNewFile)
{
    const RewriteCase& c = GetParam();
    EXPECT_EQ(RewritePlan(c.plan, c.lines, c.fileOrder), c.expected);
}

const std::vector<WrittenLine> kTwoLines{{9, 18399, "Drak"}, {6, 7040, "Zold"}};

INSTANTIATE_TEST_SUITE_P(
    Cases, RewritePlanTest,
    ::testing::Values(RewriteCase{"DirectivesAndCommentsStayWhereTheyStand",
                                  "@zl 120000\r\n; my plan\r\nKopi 1 3000\r\n@mnt 5000\r\nLuko 2 4000\r\n; end\r\n",
                                  kTwoLines, false,
                                  "@zl 120000\r\n; my plan\r\nDrak 9 18399\r\nZold 6 7040\r\n@mnt 5000\r\n; end\r\n"},
                      RewriteCase{"NoPlanLinesPutsThemAtTheEnd", "@zl 5\nx\n", kTwoLines, false,
                                  "@zl 5\r\nx\r\nDrak 9 18399\r\nZold 6 7040\r\n"},
                      RewriteCase{"FactorOtherThanOneBecomesOne", "@facktor 2\r\n1 10\r\n", kTwoLines, false,
                                  "@facktor 1\r\nDrak 9 18399\r\nZold 6 7040\r\n"},
                      RewriteCase{"FactorOfOneStaysAsWritten", "@facktor    1\r\n1 10\r\n", kTwoLines, false,
                                  "@facktor    1\r\nDrak 9 18399\r\nZold 6 7040\r\n"},
                      RewriteCase{"OrderThatMattersGetsFileOrder", "1 10\r\n", kTwoLines, true,
                                  "@skip\r\nDrak 9 18399\r\nZold 6 7040\r\n"},
                      RewriteCase{"FileOrderAlreadyThereIsNotRepeated", "@skip\r\n1 10\r\n", kTwoLines, true,
                                  "@skip\r\nDrak 9 18399\r\nZold 6 7040\r\n"},
                      // A name with a digit or a point, or one that would start a
                      // directive or a comment, would change how the line reads.
                      RewriteCase{"NameThatWouldReadAsANumberIsLeftOut",
                                  "1 10\r\n",
                                  {{2, 100, "Lu2k"}, {3, 100, "A.b"}, {4, 100, ";Ork"}, {5, 100, "@Elf"}},
                                  false,
                                  "2 100\r\n3 100\r\n4 100\r\n5 100\r\n"}),
    testing::CaseName<RewriteCase>);

TEST(RewritePlanTest, EveryOldPlanLineGoesPastTheTwentieth)
{
    std::string plan;
    for (int line = 1; line <= 25; ++line) {
        plan += "1 " + std::to_string(line) + "0\r\n";
    }
    EXPECT_EQ(RewritePlan(plan, kTwoLines, false), "Drak 9 18399\r\nZold 6 7040\r\n");
}

}  // namespace
}  // namespace zef
