#include "fade_in.h"

#include "case_name.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace zef {
namespace {

TEST(FadeIn, FromTransparentTakesFiveFrames)
{
    std::vector<FadeStep> steps;
    std::int32_t alpha = 0;
    while (const std::optional<FadeStep> step = NextFadeStep(alpha)) {
        steps.push_back(*step);
        alpha = step->alpha;
        ASSERT_LE(steps.size(), 10u) << "the fade never ends";
    }
    const std::vector<FadeStep> expected = {{55, true}, {110, true}, {165, true}, {220, true}, {255, false}};
    EXPECT_EQ(steps, expected);
}

struct FadeCase {
    const char* name;
    std::int32_t from;
    std::optional<FadeStep> step;
};

class FadeStepTest : public ::testing::TestWithParam<FadeCase> {};

TEST_P(FadeStepTest, Follows) { EXPECT_EQ(NextFadeStep(GetParam().from), GetParam().step); }

// Only a step past 255 switches blending off; one that lands on 255 exactly
// leaves it on, and an opaque window is left alone.
INSTANTIATE_TEST_SUITE_P(
    Steps, FadeStepTest,
    ::testing::Values(FadeCase{"From0", 0, FadeStep{55, true}}, FadeCase{"From220", 220, FadeStep{255, false}},
                      FadeCase{"From199", 199, FadeStep{254, true}}, FadeCase{"From200", 200, FadeStep{255, true}},
                      FadeCase{"From201", 201, FadeStep{255, false}}, FadeCase{"From254", 254, FadeStep{255, false}},
                      FadeCase{"Opaque", 255, std::nullopt}),
    testing::CaseName<FadeCase>);

}  // namespace
}  // namespace zef
