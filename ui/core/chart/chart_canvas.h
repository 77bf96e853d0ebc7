// What drawing the treasury chart asks of a surface, so that both windows
// (QPainter, GDI), their PNG and the SVG draw it through the same commands
// and cannot drift apart. Coordinates are pixels from the top-left corner.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace zef {

struct Rgba {
    std::uint8_t r;
    std::uint8_t g;
    std::uint8_t b;
    std::uint8_t a = 255;
};

struct CanvasPoint {
    double x;
    double y;
};

enum class TextAnchor { Start, Middle, End };

struct TextStyle {
    double size;  // the face's height in pixels
    Rgba colour;
    bool bold = false;
    TextAnchor anchor = TextAnchor::Start;
    // Turned a quarter to the left, reading upwards; its top faces left.
    bool vertical = false;
};

struct TextExtent {
    double width = 0;
    double height = 0;  // of a line
    double ascent = 0;  // from the line's top to its baseline
};

class ChartCanvas {
public:
    virtual ~ChartCanvas() = default;

    virtual void fillRectangle(double x, double y, double width, double height, Rgba colour) = 0;
    // A translucent fill is drawn over what is already there.
    virtual void fillPolygon(const std::vector<CanvasPoint>& points, Rgba colour) = 0;
    virtual void polyline(const std::vector<CanvasPoint>& points, Rgba colour, double width, bool dashed) = 0;
    // One line of text; (x, y) is the top of its line at the anchor.
    virtual void text(double x, double y, std::string_view utf8, const TextStyle& style) = 0;
    virtual TextExtent measure(std::string_view utf8, const TextStyle& style) = 0;
};

}  // namespace zef
