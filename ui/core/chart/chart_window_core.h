// The treasury chart window's work without a toolkit, the same for both
// windows: the recording it shows and its model, where the last drawing put
// the plot, and the figures under the pointer. They are those of the
// recorded turn nearest the pointer while it is over the plot; a click pins
// them where they are, and the next click lets them follow the pointer again.
#pragma once

#include "chart_drawing.h"
#include "chart_model.h"
#include "turn_recorder.h"

#include <optional>
#include <string>
#include <string_view>

namespace zef {

// The drawing when the window opens, at 96 dpi; zef-plan --chart's size.
inline constexpr int kChartWidth = 800;
inline constexpr int kChartHeight = 460;
// The name the save dialogs offer, before its suffix.
inline constexpr std::string_view kChartFileStem = "graf";

// The chart `width` x `height` pixels at `scale` (the DPI over 96) as an SVG
// document (UTF-8): the same bytes on every system.
std::string ChartSvg(const ChartModel& model, double width, double height, double scale = 1);

class ChartWindowCore {
public:
    void show(const TurnRecording& recording, ChartSource source = ChartSource::Refresh);
    const TurnRecording& recording() const { return recording_; }
    const ChartModel& model() const { return model_; }

    // Draws the chart over `width` x `height` pixels at `scale`, and the
    // figures under the pointer over it.
    void paint(ChartCanvas& canvas, double width, double height, double scale);

    // What the pointer did, at a point of the drawing; each is true when the
    // chart must be drawn again.
    bool pointerMoved(CanvasPoint at);
    bool clicked(CanvasPoint at);
    bool pointerLeft();

    // The figures shown; empty when none are.
    std::string hoverText() const;
    bool hoverPinned() const { return pinned_; }
    // Where the last drawing put the plot: nothing before the first drawing
    // or when the room was too small.
    const std::optional<ChartPlot>& plot() const { return plot_; }

private:
    // Puts the pointer at `at`, or nowhere; true when figures were or are shown.
    bool PointerAt(std::optional<CanvasPoint> at);

    TurnRecording recording_;
    ChartModel model_ = MakeChartModel({});
    std::optional<ChartPlot> plot_;
    std::optional<CanvasPoint> pointer_;
    bool pinned_ = false;
};

}  // namespace zef
