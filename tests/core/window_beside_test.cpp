// A second window opens beside the main one and inside the screen.
#include "window_beside.h"

#include "case_name.h"

#include <gtest/gtest.h>

namespace zef {
namespace {

struct PlaceCase {
    const char* name;
    ScreenRect main;
    int width;
    int height;
    int left;
    int top;
};

class PlaceBesideTest : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(PlaceBesideTest, StaysOffTheMainWindowAndOnTheScreen)
{
    const PlaceCase& c = GetParam();
    const ScreenPoint at = PlaceBeside(c.main, c.width, c.height, {0, 0, 1280, 1024});
    EXPECT_EQ(at.left, c.left);
    EXPECT_EQ(at.top, c.top);
}

INSTANTIATE_TEST_SUITE_P(Screens, PlaceBesideTest,
                         ::testing::Values(PlaceCase{"Right", {100, 100, 579, 385}, 400, 300, 687, 100},
                                           PlaceCase{"Left", {800, 100, 400, 300}, 500, 300, 292, 100},
                                           PlaceCase{"Below", {100, 100, 579, 385}, 800, 500, 100, 493},
                                           PlaceCase{"AboveAtTheScreensFoot", {300, 700, 579, 300}, 800, 500, 300, 192},
                                           PlaceCase{"NearTheBottomEdge", {100, 900, 579, 100}, 400, 300, 687, 724},
                                           PlaceCase{"LargerThanTheScreen", {100, 100, 579, 385}, 1300, 1100, 0, 0}),
                         testing::CaseName<PlaceCase>);

}  // namespace
}  // namespace zef
