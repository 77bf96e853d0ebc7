#include "plan_reset.h"

#include "case_name.h"

#include <gtest/gtest.h>

namespace zef {
namespace {

struct ResetCase {
    const char* name;
    const char* editor;
    const char* kept;  // what follows DefaultDirectives
};

class ResetDirectivesTest : public ::testing::TestWithParam<ResetCase> {};

TEST_P(ResetDirectivesTest, KeepsThePlanLines)
{
    EXPECT_EQ(ResetDirectives(GetParam().editor), std::string(DefaultDirectives) + GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(Editors, ResetDirectivesTest,
                         ::testing::Values(ResetCase{"EmptyEditor", "", "\n"},
                                           ResetCase{"TheFiveLineExample", "  @zl 5\nabc\n\n   \n x", "abc\n\n \nx\n"},
                                           ResetCase{"DirectivesOnly", "@zl 1\n@zld 2\n", "\n"},
                                           ResetCase{"OrderKept", "3 10\n@mna 4\n1 20\n", "3 10\n1 20\n"},
                                           ResetCase{"FinalBreakStartsNoLine", "a\n", "a\n"},
                                           ResetCase{"OneEmptyLine", "\n", "\n"},
                                           ResetCase{"TabsStay", "\t@x\n \tb", "\t@x\n\tb\n"},
                                           ResetCase{"SingleSpaceLine", " ", " \n"},
                                           ResetCase{"AtSignAfterASpaceOnly", " @", "\n"},
                                           ResetCase{"AtSignLaterInTheLine", "a@b", "a@b\n"}),
                         testing::CaseName<ResetCase>);

}  // namespace
}  // namespace zef
