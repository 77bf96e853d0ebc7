// A ChartCanvas on a QPainter: the chart window's paint and its PNG.
#pragma once

#include "chart_canvas.h"

#include <QColor>

class QPainter;

namespace zef {

// A colour of the core's drawing, or of its layout, as Qt's.
QColor Colour(Rgba colour);

class PainterCanvas : public ChartCanvas {
public:
    explicit PainterCanvas(QPainter& painter) : painter_(painter) {}

    void fillRectangle(double x, double y, double width, double height, Rgba colour) override;
    void fillPolygon(const std::vector<CanvasPoint>& points, Rgba colour) override;
    void polyline(const std::vector<CanvasPoint>& points, Rgba colour, double width, bool dashed) override;
    void text(double x, double y, std::string_view utf8, const TextStyle& style) override;
    TextExtent measure(std::string_view utf8, const TextStyle& style) override;

private:
    QPainter& painter_;
};

}  // namespace zef
