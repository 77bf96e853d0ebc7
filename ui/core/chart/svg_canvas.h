// A ChartCanvas that writes SVG: every drawing command becomes one element,
// so the file shows what the window shows. Texts are measured by the chart
// font's own table and numbers are written without the C library's printf,
// so the same drawing gives the same bytes on every system.
#pragma once

#include "chart_canvas.h"

#include <string>

namespace zef {

class SvgCanvas : public ChartCanvas {
public:
    // `title` becomes the document's title.
    SvgCanvas(double width, double height, std::string_view title);

    void fillRectangle(double x, double y, double width, double height, Rgba colour) override;
    void fillPolygon(const std::vector<CanvasPoint>& points, Rgba colour) override;
    void polyline(const std::vector<CanvasPoint>& points, Rgba colour, double width, bool dashed) override;
    void text(double x, double y, std::string_view utf8, const TextStyle& style) override;
    TextExtent measure(std::string_view utf8, const TextStyle& style) override;

    // The whole document, UTF-8.
    std::string document() const;

private:
    std::string body_;
    std::string head_;
};

// `text` with the five characters XML gives a meaning escaped.
std::string XmlEscaped(std::string_view text);

}  // namespace zef
