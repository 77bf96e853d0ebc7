// The chart window's rules for the figures under the pointer: the nearest
// turn's while over the plot, pinned by a click, let go by the next; and when
// the chart must be drawn again.
#include "chart_window_core.h"

#include "case_name.h"
#include "svg_canvas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zef {
namespace {

// Ten turns of one plan line, gold `step` more each turn.
TurnRecording Recording(double step = 100)
{
    TurnRecording recording;
    for (int turn = 1; turn <= 10; ++turn) {
        recording.samples.push_back({turn, 3, step * turn, 50, 0, 0, 0, 0, 0});
    }
    recording.lines.push_back({3, "Kopi", recording.samples.front(), recording.samples.back()});
    return recording;
}

// A chart drawn once at the size the window opens with, so that it has a plot.
struct DrawnChart {
    explicit DrawnChart(const TurnRecording& recording = Recording())
    {
        core.show(recording);
        draw();
    }
    void draw()
    {
        SvgCanvas canvas(kChartWidth, kChartHeight, "");
        core.paint(canvas, kChartWidth, kChartHeight, 1);
        document = canvas.document();
    }
    // The point over `turn`, half way up the plot; a turn of 0 is left of the plot.
    CanvasPoint over(double turn) const
    {
        const ChartPlot& plot = *core.plot();
        return {turn == 0 ? plot.left - 5 : plot.xOf(turn), (plot.top + plot.bottom) / 2};
    }

    ChartWindowCore core;
    std::string document;
};

enum class Action { Move, Click, Leave };
struct Step {
    Action action;
    double turn;  // where, as the turn it is over; 0 is beside the plot
};

struct HoverCase {
    const char* name;
    std::vector<Step> steps;
    const char* shown;  // the start of the figures shown, empty for none
    bool pinned;
};

class ChartHoverTest : public ::testing::TestWithParam<HoverCase> {};

TEST_P(ChartHoverTest, ShowsTheNearestTurnsFiguresUntilLetGo)
{
    DrawnChart chart;
    for (const Step& step : GetParam().steps) {
        switch (step.action) {
        case Action::Move: chart.core.pointerMoved(chart.over(step.turn)); break;
        case Action::Click: chart.core.clicked(chart.over(step.turn)); break;
        case Action::Leave: chart.core.pointerLeft(); break;
        }
    }
    EXPECT_EQ(chart.core.hoverText().substr(0, std::string(GetParam().shown).size()), GetParam().shown);
    EXPECT_EQ(chart.core.hoverText().empty(), std::string(GetParam().shown).empty());
    EXPECT_EQ(chart.core.hoverPinned(), GetParam().pinned);
}

using enum Action;
INSTANTIATE_TEST_SUITE_P(
    Pointer, ChartHoverTest,
    ::testing::Values(HoverCase{"Nothing", {}, "", false}, HoverCase{"OverThePlot", {{Move, 4.4}}, "tah 4,", false},
                      HoverCase{"BesideThePlot", {{Move, 4}, {Move, 0}}, "", false},
                      HoverCase{"Left", {{Move, 4}, {Leave, 0}}, "", false},
                      HoverCase{"ClickPins", {{Move, 4}, {Click, 4}, {Move, 9}}, "tah 4,", true},
                      HoverCase{"PinnedStaysWhenTheMouseLeaves", {{Click, 4}, {Leave, 0}}, "tah 4,", true},
                      HoverCase{"SecondClickLetsGo", {{Click, 4}, {Move, 9}, {Click, 7.6}}, "tah 8,", false},
                      HoverCase{"ClickBesideThePlotPinsNothing", {{Click, 0}, {Move, 6}}, "tah 6,", false}),
    testing::CaseName<HoverCase>);

TEST(ChartWindowCoreTest, SaysWhenTheChartMustBeDrawnAgain)
{
    DrawnChart chart;
    EXPECT_FALSE(chart.core.pointerMoved(chart.over(0)));
    EXPECT_FALSE(chart.core.clicked(chart.over(0)));
    EXPECT_TRUE(chart.core.pointerMoved(chart.over(3)));
    EXPECT_TRUE(chart.core.pointerMoved(chart.over(0)));
    EXPECT_FALSE(chart.core.pointerLeft());
    EXPECT_TRUE(chart.core.clicked(chart.over(3)));
    EXPECT_FALSE(chart.core.pointerMoved(chart.over(5)));
    EXPECT_FALSE(chart.core.pointerLeft());
    EXPECT_TRUE(chart.core.clicked(chart.over(0)));
}

TEST(ChartWindowCoreTest, TheFiguresAreDrawnOverTheChart)
{
    DrawnChart chart;
    chart.core.pointerMoved(chart.over(5));
    chart.draw();
    EXPECT_NE(chart.document.find(">tah 5, řádek 3 (Kopi)</text>"), std::string::npos);
    EXPECT_NE(chart.document.find(">zl: 500   mn: 50</text>"), std::string::npos);
}

// State: the figures pinned over turn 5.  Action: a new run is shown.
// Expected: the new run's figures of turn 5.
TEST(ChartWindowCoreTest, ANewRecordingShowsItsFiguresOfThePinnedTurn)
{
    DrawnChart chart;
    chart.core.clicked(chart.over(5));
    chart.core.show(Recording(-7));
    chart.draw();
    EXPECT_TRUE(chart.core.hoverPinned());
    EXPECT_EQ(chart.core.hoverText().rfind("tah 5, řádek 3 (Kopi)\nzl: -35   ", 0), 0u);
}

}  // namespace
}  // namespace zef
