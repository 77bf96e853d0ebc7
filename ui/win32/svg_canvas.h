// A ChartCanvas that writes SVG: every drawing command becomes one element,
// so the export shows what the window shows. Texts are measured by the
// window's own faces (the measure given), so they stand where they stand on
// screen; the SVG names the same face.
#pragma once

#include "chart_canvas.h"

#include <functional>
#include <string>

namespace zef {

class SvgCanvas : public ChartCanvas {
public:
    using Measure = std::function<TextExtent(std::string_view utf8, const TextStyle& style)>;

    // `fontFamily` is the face the measure uses; `title` becomes the
    // document's title.
    SvgCanvas(double width, double height, std::string fontFamily, Measure measure, std::string_view title);

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
    std::string fontFamily_;
    Measure measure_;
};

// `text` with the five characters XML gives a meaning escaped.
std::string XmlEscaped(std::string_view text);

}  // namespace zef
