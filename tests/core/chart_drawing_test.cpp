// The treasury chart's drawing, on a canvas that records every command, and
// its SVG: what both windows show and save.
#include "chart_drawing.h"

#include "case_name.h"
#include "svg_canvas.h"
#include "window_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace zef {
namespace {

// Every text a face of 0.6 em a character, lines 1.2 em high.
TextExtent FakeMeasure(std::string_view text, const TextStyle& style)
{
    return {0.6 * style.size * double(text.size()), 1.2 * style.size, style.size};
}

class RecordingCanvas : public ChartCanvas {
public:
    struct Line {
        std::vector<CanvasPoint> points;
        Rgba colour;
        bool dashed;
    };
    struct Rectangle {
        double left, top, right, bottom;
    };
    std::vector<std::string> texts;
    std::vector<Line> lines;
    std::vector<std::vector<CanvasPoint>> polygons;
    std::vector<Rectangle> rectangles;

    void fillRectangle(double x, double y, double width, double height, Rgba) override
    {
        rectangles.push_back({x, y, x + width, y + height});
    }
    void fillPolygon(const std::vector<CanvasPoint>& points, Rgba) override { polygons.push_back(points); }
    void polyline(const std::vector<CanvasPoint>& points, Rgba colour, double, bool dashed) override
    {
        lines.push_back({points, colour, dashed});
    }
    void text(double, double, std::string_view utf8, const TextStyle&) override { texts.emplace_back(utf8); }
    TextExtent measure(std::string_view utf8, const TextStyle& style) override { return FakeMeasure(utf8, style); }

    bool wrote(std::string_view text) const { return std::find(texts.begin(), texts.end(), text) != texts.end(); }
    std::size_t linesIn(Rgba colour, bool dashed = false) const
    {
        return std::size_t(std::count_if(lines.begin(), lines.end(), [&](const Line& l) {
            return l.colour.r == colour.r && l.colour.g == colour.g && l.colour.b == colour.b && l.dashed == dashed;
        }));
    }
};

constexpr Rgba kGold{0xc0, 0x90, 0x00};
constexpr Rgba kMana{0x20, 0x60, 0xd0};

// Ten turns of two plan lines; the gold falls below zero from turn 6.
TurnRecording Recording(double lastGold = -500)
{
    TurnRecording recording;
    for (int turn = 1; turn <= 10; ++turn) {
        TurnSample sample;
        sample.turn = turn;
        sample.fileLine = turn <= 4 ? 3 : 4;
        sample.gold = turn < 10 ? 1000 - 250 * (turn - 1) : lastGold;
        sample.mana = 100.0 * turn;
        recording.samples.push_back(sample);
    }
    recording.lines.push_back({3, "Kopi", recording.samples[0], recording.samples[3]});
    recording.lines.push_back({4, "\x8A\x61m", recording.samples[4], recording.samples[9]});  // "Šam" in Windows-1250
    return recording;
}

TEST(ChartDrawing, TicksAreTheIntervalsMultiplesInsideTheAxis)
{
    EXPECT_EQ(AxisTicks({-3, 11, 5}), (std::vector<double>{0, 5, 10}));
    EXPECT_EQ(AxisTicks({0, 1, 0}), std::vector<double>{});
}

TEST(ChartDrawing, TickLabelsAreWholeNumbers)
{
    EXPECT_EQ(TickLabel(1500), "1500");
    EXPECT_EQ(TickLabel(-0.2), "0");
    EXPECT_EQ(TickLabel(2.5), "2");
    EXPECT_EQ(TickLabel(-2000), "-2000");
}

TEST(ChartDrawing, DrawsTitleAxesLegendLineStartsAndCurves)
{
    const ChartModel model = MakeChartModel(Recording());
    RecordingCanvas canvas;
    const std::optional<ChartPlot> plot = DrawChart(canvas, model, 800, 460, 1.0);
    ASSERT_TRUE(plot);
    for (const std::string_view text : {kChartTitle, kTurnAxisTitle, kGoldCurveName, kManaCurveName, kBelowZeroName}) {
        EXPECT_TRUE(canvas.wrote(text)) << text;
    }
    EXPECT_TRUE(canvas.wrote(model.amounts.title));
    EXPECT_TRUE(canvas.wrote("Kopi"));
    EXPECT_TRUE(canvas.wrote("Šam"));
    for (const double tick : AxisTicks(model.amounts)) {
        EXPECT_TRUE(canvas.wrote(TickLabel(tick))) << tick;
    }
    // One line each and its legend sample; a dashed marker per plan line.
    EXPECT_EQ(canvas.linesIn(kGold), 2u);
    EXPECT_EQ(canvas.linesIn(kMana), 2u);
    EXPECT_EQ(canvas.linesIn({0x80, 0x80, 0x80}, true), 2u);
    // The gold's stretch below zero is shaded; the mana never is.
    EXPECT_EQ(canvas.polygons.size(), 1u);
    EXPECT_GT(plot->right, plot->left);
    EXPECT_DOUBLE_EQ(plot->xOf(model.turns.min), plot->left);
    EXPECT_DOUBLE_EQ(plot->turnAt(plot->right), model.turns.max);
}

TEST(ChartDrawing, NamesWhatCannotBeDrawnAndCutsTheCurve)
{
    const ChartModel model = MakeChartModel(Recording(std::numeric_limits<double>::infinity()));
    ASSERT_EQ(model.notes.size(), 1u);
    RecordingCanvas canvas;
    ASSERT_TRUE(DrawChart(canvas, model, 800, 460, 1.0));
    EXPECT_TRUE(canvas.wrote(model.notes.front()));
    for (const RecordingCanvas::Line& line : canvas.lines) {
        for (const CanvasPoint& p : line.points) {
            ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
        }
    }
}

TEST(ChartDrawing, NoPlotInTooLittleRoom)
{
    RecordingCanvas canvas;
    EXPECT_FALSE(DrawChart(canvas, MakeChartModel(Recording()), 60, 40, 1.0));
}

struct TipCase {
    const char* name;
    double across;  // where the pointer is, as a share of the plot's width
    double down;    // and of its height
};

class TurnTipPlacementTest : public ::testing::TestWithParam<TipCase> {};

// Expected: the figures' box stays inside the plot and leaves the pointer free.
TEST_P(TurnTipPlacementTest, BoxStaysInsideThePlotBesideThePointer)
{
    RecordingCanvas canvas;
    const ChartPlot plot = *DrawChart(canvas, MakeChartModel(Recording()), 800, 460, 1.0);
    const CanvasPoint at{plot.left + GetParam().across * (plot.right - plot.left),
                         plot.top + GetParam().down * (plot.bottom - plot.top)};
    canvas.texts.clear();
    DrawTurnTip(canvas, plot, at, "tah 12, řádek 4 (Šam)\nzl: 100", 1.0);
    EXPECT_EQ(canvas.texts, (std::vector<std::string>{"tah 12, řádek 4 (Šam)", "zl: 100"}));
    const RecordingCanvas::Rectangle box = canvas.rectangles.back();
    EXPECT_GE(box.left, plot.left);
    EXPECT_LE(box.right, plot.right);
    EXPECT_GE(box.top, plot.top);
    EXPECT_LE(box.bottom, plot.bottom);
    EXPECT_FALSE(at.x >= box.left && at.x <= box.right && at.y >= box.top && at.y <= box.bottom);
}

INSTANTIATE_TEST_SUITE_P(Corners, TurnTipPlacementTest,
                         ::testing::Values(TipCase{"TopLeft", 0, 0}, TipCase{"TopRight", 1, 0},
                                           TipCase{"BottomLeft", 0, 1}, TipCase{"BottomRight", 1, 1},
                                           TipCase{"Middle", 0.5, 0.5}),
                         testing::CaseName<TipCase>);

TEST(SvgCanvas, EscapesText) { EXPECT_EQ(XmlEscaped("a<b & \"c\""), "a&lt;b &amp; &quot;c&quot;"); }

TEST(SvgCanvas, WritesOneElementPerCommand)
{
    const ChartModel model = MakeChartModel(Recording());
    RecordingCanvas recorded;
    DrawChart(recorded, model, 800, 460, 1.0);
    SvgCanvas svg(800, 460, kChartTitle);
    DrawChart(svg, model, 800, 460, 1.0);
    const std::string document = svg.document();
    const auto count = [&](std::string_view element) {
        std::size_t n = 0;
        for (std::size_t at = document.find(element); at != std::string::npos; at = document.find(element, at + 1)) {
            ++n;
        }
        return n;
    };
    EXPECT_EQ(document.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg ", 0), 0u);
    EXPECT_NE(document.find("width=\"800\" height=\"460\" viewBox=\"0 0 800 460\""), std::string::npos);
    EXPECT_NE(document.find("<title>Zlato a mana po tazích</title>"), std::string::npos);
    EXPECT_EQ(count("<polyline "), recorded.lines.size());
    EXPECT_EQ(count("<polygon "), recorded.polygons.size());
    EXPECT_EQ(count("<text "), recorded.texts.size());
    EXPECT_NE(document.find("fill=\"#e03030\" fill-opacity=\"0.31\""), std::string::npos);
    EXPECT_NE(document.find(">Šam</text>"), std::string::npos);
    EXPECT_EQ(document.substr(document.size() - 7), "</svg>\n");
}

}  // namespace
}  // namespace zef
