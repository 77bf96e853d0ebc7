// What the treasury chart shows of a recorded run, worked out apart from any
// drawing, so that every front end draws the same chart: the two curves (cut
// where a value is not finite), their parts below zero, the plan lines'
// starts, the axes with round ticks, and a word on what cannot be drawn.
#pragma once

#include "turn_recorder.h"

#include <string>
#include <string_view>
#include <vector>

namespace zef {

struct ChartPoint {
    double turn;
    double value;  // in the axis's unit: the amount divided by ChartModel::amountScale
};
// A curve in pieces: a value that is not finite ends one piece, the next
// finite value starts another.
using ChartCurve = std::vector<std::vector<ChartPoint>>;

struct ChartAxis {
    double min = 0;
    double max = 1;
    double tickInterval = 1;  // ticks stand at whole multiples of it, 0 among them
};

struct ChartLineStart {
    double turn;
    std::string unit;  // UTF-8
    std::int32_t fileLine;
};

struct ChartModel {
    ChartAxis turns;
    ChartAxis amounts;
    // 1, or a power of ten when the amounts are too large to draw as they are;
    // the amount axis's title then says so.
    double amountScale = 1;
    std::string amountTitle;
    ChartCurve gold;
    ChartCurve mana;
    // The same curves cut off at zero from above: the upper edges of the
    // shading below zero.
    ChartCurve goldBelowZero;
    ChartCurve manaBelowZero;
    std::vector<ChartLineStart> lineStarts;
    // Where a curve has values that cannot be drawn, such as
    // "zlato: nekonečno od tahu 12".
    std::vector<std::string> notes;
};

ChartModel MakeChartModel(const TurnRecording& recording);

// A round step (1, 2 or 5 times a power of ten) that cuts `span` into about
// `parts` parts; 1 for an empty or unusable span.
double RoundTickInterval(double span, int parts);

// The recorded turn nearest `turn`, and the unit of its plan line (UTF-8).
const TurnSample* NearestSample(const TurnRecording& recording, double turn);
std::string UnitOfLine(const TurnRecording& recording, std::int32_t fileLine);

// What hovering over a turn shows: that turn's figures.
std::string TurnTip(const TurnSample& sample, std::string_view unit);

}  // namespace zef
