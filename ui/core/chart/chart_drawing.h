// The treasury chart drawn on a ChartCanvas from the core's ChartModel: the
// title and legend, the shading below zero, the grid and the axes with the
// model's round ticks, the zero line, each plan line's start with its unit,
// the gold and mana curves, the damage on an axis of its own on the right,
// and the notes for what cannot be drawn; over it, the figures of the turn
// under the pointer. Plain C++: the windows draw it with QPainter or GDI, and
// the SVG canvas writes it as a file.
#pragma once

#include "chart_canvas.h"
#include "chart_model.h"

#include <optional>
#include <string>
#include <vector>

namespace zef {

// Where the plot landed, to map a pointer back to a turn.
struct ChartPlot {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
    ChartAxis turns;
    ChartAxis amounts;
    ChartAxis damage;

    double xOf(double turn) const;
    double yOf(double amount) const;
    double yOfDamage(double damage) const;
    double turnAt(double x) const;
    bool contains(double x, double y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

// Draws the chart over the whole `width` x `height` at `scale` (the DPI over
// 96). Nothing when the room is too small for a plot.
std::optional<ChartPlot> DrawChart(ChartCanvas& canvas, const ChartModel& model, double width, double height,
                                   double scale);

// The ticks of an axis: the whole multiples of its interval inside it.
std::vector<double> AxisTicks(const ChartAxis& axis);

// A tick's label: the value rounded half to even to a whole number.
std::string TickLabel(double value);

// `text` (its lines split at '\n') in a box beside the pointer at `at`, on
// whichever side keeps it inside the plot.
void DrawTurnTip(ChartCanvas& canvas, const ChartPlot& plot, CanvasPoint at, std::string_view text, double scale);

}  // namespace zef
