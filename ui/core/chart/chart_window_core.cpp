#include "chart_window_core.h"

#include "svg_canvas.h"

namespace zef {

std::string ChartSvg(const ChartModel& model, double width, double height, double scale)
{
    SvgCanvas svg(width, height, model.title);
    DrawChart(svg, model, width, height, scale);
    return svg.document();
}

void ChartWindowCore::show(const TurnRecording& recording, ChartSource source)
{
    recording_ = recording;
    model_ = MakeChartModel(recording, source);
}

void ChartWindowCore::paint(ChartCanvas& canvas, double width, double height, double scale)
{
    plot_ = DrawChart(canvas, model_, width, height, scale);
    const std::string text = hoverText();
    if (!text.empty()) {
        DrawTurnTip(canvas, *plot_, *pointer_, text, scale);
    }
}

bool ChartWindowCore::pointerMoved(CanvasPoint at) { return !pinned_ && PointerAt(at); }

bool ChartWindowCore::clicked(CanvasPoint at)
{
    const bool changed = PointerAt(at);
    pinned_ = !pinned_ && !hoverText().empty();
    return changed;
}

bool ChartWindowCore::pointerLeft() { return !pinned_ && PointerAt(std::nullopt); }

bool ChartWindowCore::PointerAt(std::optional<CanvasPoint> at)
{
    const bool shown = !hoverText().empty();
    pointer_ = at;
    return shown || !hoverText().empty();
}

std::string ChartWindowCore::hoverText() const
{
    if (!plot_ || !pointer_ || !plot_->contains(pointer_->x, pointer_->y)) {
        return {};
    }
    const TurnSample* nearest = NearestSample(recording_, plot_->turnAt(pointer_->x));
    return nearest ? TurnTip(*nearest, UnitOfLine(recording_, nearest->fileLine)) : std::string();
}

}  // namespace zef
