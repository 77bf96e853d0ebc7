// What the treasury chart shows of a recorded run, worked out apart from any
// drawing, so that every front end draws the same chart: the gold and mana
// curves (cut where a value is not finite) and their parts below zero, the
// damage on an axis of its own, the plan lines' starts and the rows of their
// labels, the axes with round ticks, and a word on what cannot be drawn.
#pragma once

#include "turn_recorder.h"

#include <string>
#include <string_view>
#include <vector>

namespace zef {

struct ChartPoint {
    double turn;
    double value;  // in the axis's unit: the value divided by its axis's scale
};
// A curve in pieces: a value that is not finite ends one piece, the next
// finite value starts another.
using ChartCurve = std::vector<std::vector<ChartPoint>>;

struct ChartAxis {
    double min = 0;
    double max = 1;
    double tickInterval = 1;  // ticks stand at whole multiples of it, 0 among them
    // 1, or a power of ten when the values are too large to draw as they are;
    // the title then says so.
    double scale = 1;
    std::string title{};
};

// Whether the chart shows the last refresh, a preview of the editor's text or
// the best plan a search found.
enum class ChartSource { Refresh, Preview, BestPlan };

struct ChartLineStart {
    double turn;
    std::string unit;  // UTF-8
    std::int32_t fileLine;
};

struct ChartModel {
    std::string title;
    ChartAxis turns;
    ChartAxis amounts;  // gold and mana
    ChartAxis damage;
    ChartCurve gold;
    ChartCurve mana;
    ChartCurve damageCurve;
    // The same curves cut off at zero from above: the upper edges of the
    // shading below zero.
    ChartCurve goldBelowZero;
    ChartCurve manaBelowZero;
    std::vector<ChartLineStart> lineStarts;
    // Where a curve has values that cannot be drawn, such as
    // "zlato: nekonečno od tahu 12".
    std::vector<std::string> notes;
};

ChartModel MakeChartModel(const TurnRecording& recording, ChartSource source = ChartSource::Refresh);

// A plan line's label along the turn axis, in any unit of length.
struct LabelSpan {
    double left;
    double width;
};
// The row (0 first) of each label, taken in the order given: a label that
// would reach into one before it goes to the first row where it would not.
std::vector<int> LabelRows(const std::vector<LabelSpan>& labels);

// A round step (1, 2 or 5 times a power of ten) that cuts `span` into about
// `parts` parts; 1 for an empty or unusable span.
double RoundTickInterval(double span, int parts);

// The recorded turn nearest `turn`, and the unit of its plan line (UTF-8).
const TurnSample* NearestSample(const TurnRecording& recording, double turn);
std::string UnitOfLine(const TurnRecording& recording, std::int32_t fileLine);

// What hovering over a turn shows: that turn's figures.
std::string TurnTip(const TurnSample& sample, std::string_view unit);

}  // namespace zef
