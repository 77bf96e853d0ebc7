// The chart's model: round ticks, amounts too large to draw as they are, and
// values that are not finite; the hover text of a turn.
#include "chart_model.h"

#include "case_name.h"
#include "report_format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace zef {
namespace {

struct TickCase {
    const char* name;
    double span;
    double interval;
};

class RoundTickIntervalTest : public ::testing::TestWithParam<TickCase> {};

TEST_P(RoundTickIntervalTest, IsOneTwoOrFiveTimesAPowerOfTen)
{
    EXPECT_DOUBLE_EQ(RoundTickInterval(GetParam().span, 6), GetParam().interval);
}

INSTANTIATE_TEST_SUITE_P(Spans, RoundTickIntervalTest,
                         ::testing::Values(TickCase{"ThirtyTurns", 30, 5}, TickCase{"Gold", 150000, 50000},
                                           TickCase{"Small", 7, 2}, TickCase{"Empty", 0, 1},
                                           TickCase{"ExactPowerOfTen", 6000, 1000}, TickCase{"BelowOne", 0.6, 0.1},
                                           TickCase{"Infinite", std::numeric_limits<double>::infinity(), 1},
                                           TickCase{"Largest", 1.7e308, 5e307}),
                         testing::CaseName<TickCase>);

TurnRecording RecordingOf(std::vector<std::pair<double, double>> goldAndMana)
{
    TurnRecording recording;
    std::int32_t turn = 0;
    for (const auto& [gold, mana] : goldAndMana) {
        recording.samples.push_back({++turn, 4, gold, mana, 0, 0, 0, 0, 0});
    }
    return recording;
}

struct ScaleCase {
    const char* name;
    double gold;
    double mana;
    double scale;
};

class AmountAxisTest : public ::testing::TestWithParam<ScaleCase> {};

// Whichever sign the largest amount has, the axis holds both values in a unit
// in which its span, and every coordinate worked out from it, is finite.
TEST_P(AmountAxisTest, HoldsEveryAmountOnAFiniteAxis)
{
    const ScaleCase& c = GetParam();
    const ChartModel model = MakeChartModel(RecordingOf({{c.gold, c.mana}}));
    const ChartAxis& axis = model.amounts;
    EXPECT_EQ(axis.scale, c.scale);
    EXPECT_TRUE(std::isfinite(axis.max - axis.min));
    EXPECT_LE(axis.min, std::min({c.gold, c.mana, 0.0}) / axis.scale);
    EXPECT_GE(axis.max, std::max({c.gold, c.mana, 0.0}) / axis.scale);
    EXPECT_EQ(axis.title, c.scale == 1 ? "zl / mn" : "zl / mn (× " + GeneralFigure(c.scale) + ")");
    EXPECT_TRUE(model.notes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Amounts, AmountAxisTest,
    ::testing::Values(ScaleCase{"OnlyPositives", 1500, 5, 1}, ScaleCase{"OnlyNegatives", -1500, -5, 1},
                      ScaleCase{"Both", 1500, -5, 1}, ScaleCase{"DebtJustBelowTheLimit", -999999999999, 5, 1},
                      ScaleCase{"DebtAtTheLimit", -1e12, 5, 1e10}, ScaleCase{"GoldAtTheLimit", 1e12, 5, 1e10},
                      ScaleCase{"OnlyAHugeDebt", -1.72e308, 5, 1e306},
                      ScaleCase{"OnlyHugeDebts", -1.7e308, -1.7e308, 1e306},
                      ScaleCase{"OnlyHugeGold", 1.7e308, 5, 1e306}, ScaleCase{"HugeBoth", 1.7e308, -1.7e308, 1e306}),
    testing::CaseName<ScaleCase>);

TEST(ChartModelTest, ValuesThatAreNotFiniteCutTheCurveAndAreNamed)
{
    const double inf = std::numeric_limits<double>::infinity();
    const ChartModel model =
        MakeChartModel(RecordingOf({{100, 5}, {inf, 5}, {50, -inf}, {-20, std::nan("")}, {10, 5}}));
    ASSERT_EQ(model.gold.size(), 2u);
    EXPECT_EQ(model.gold[0].size(), 1u);
    EXPECT_EQ(model.gold[1].size(), 3u);
    EXPECT_EQ(model.goldBelowZero[1][1].value, -20);
    EXPECT_EQ(model.goldBelowZero[1][0].value, 0);
    EXPECT_EQ(model.mana.size(), 2u);
    EXPECT_EQ(model.notes, (std::vector<std::string>{"zlato: nekonečno od tahu 2", "mana: minus nekonečno od tahu 3"}));
    EXPECT_EQ(model.amounts.scale, 1);
}

struct LabelCase {
    const char* name;
    std::vector<LabelSpan> labels;
    std::vector<int> rows;
};

class LabelRowsTest : public ::testing::TestWithParam<LabelCase> {};

TEST_P(LabelRowsTest, LabelsCloserThanTheirWidthGoToTheNextRow)
{
    EXPECT_EQ(LabelRows(GetParam().labels), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(Labels, LabelRowsTest,
                         ::testing::Values(LabelCase{"Apart", {{0, 10}, {20, 10}}, {0, 0}},
                                           LabelCase{"Touching", {{0, 10}, {10, 5}}, {0, 0}},
                                           LabelCase{"Close", {{0, 10}, {5, 10}, {8, 10}}, {0, 1, 2}},
                                           LabelCase{"BackToTheFirstRow", {{0, 10}, {5, 10}, {12, 10}}, {0, 1, 0}}),
                         testing::CaseName<LabelCase>);

TEST(ChartModelTest, DamageHasAnAxisOfItsOwnAndAPreviewSaysSo)
{
    TurnRecording recording = RecordingOf({{100, 5}, {50, 5}});
    recording.samples[1].damage = 2e12;
    const ChartModel model = MakeChartModel(recording, ChartSource::Preview);
    EXPECT_EQ(model.damage.title, "DMG (× 10000000000)");
    EXPECT_EQ(model.damageCurve[0][1].value, 200);
    EXPECT_EQ(model.amounts.scale, 1);
    EXPECT_EQ(model.title, "Zlato a mana po tazích – náhled plánu z editoru, ne poslední obnovení");
}

TEST(TurnTipTest, ShowsTheTurnsFiguresInCzechDigitGroups)
{
    const TurnSample sample{12, 7, -1500.5, 2000, 20, 100, 1000, 5000, 360};
    EXPECT_EQ(TurnTip(sample, "Čaro"),
              "tah 12, řádek 7 (Čaro)\nzl: -1\u00a0500   mn: 2\u00a0000\nzl/TU: 20   mn/TU: 100\n"
              "příjem zl: 1\u00a0000   mn: 5\u00a0000\nDMG: 360");
}

}  // namespace
}  // namespace zef
