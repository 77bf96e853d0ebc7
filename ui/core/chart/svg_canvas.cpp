#include "svg_canvas.h"

#include "chart_font.h"

#include <charconv>
#include <cmath>

namespace zef {

namespace {

// Two decimals at most, a '.' whatever the locale, no trailing zeros.
std::string Number(double value)
{
    if (!std::isfinite(value)) {
        return "0";
    }
    const double rounded = std::round(value * 100) / 100;
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, rounded == 0 ? 0.0 : rounded);
    return std::string(text, result.ptr);
}

std::string Colour(Rgba colour)
{
    constexpr char kDigits[] = "0123456789abcdef";
    std::string text = "#";
    for (const std::uint8_t channel : {colour.r, colour.g, colour.b}) {
        text += kDigits[channel >> 4];
        text += kDigits[channel & 15];
    }
    return text;
}

std::string Opacity(const char* attribute, Rgba colour)
{
    if (colour.a == 255) {
        return {};
    }
    return std::string(" ") + attribute + "=\"" + Number(colour.a / 255.0) + "\"";
}

std::string Points(const std::vector<CanvasPoint>& points)
{
    std::string text;
    for (const CanvasPoint& p : points) {
        if (!text.empty()) {
            text += ' ';
        }
        text += Number(p.x) + ',' + Number(p.y);
    }
    return text;
}

const char* Anchor(TextAnchor anchor)
{
    switch (anchor) {
    case TextAnchor::Middle: return "middle";
    case TextAnchor::End: return "end";
    case TextAnchor::Start: break;
    }
    return "start";
}

}  // namespace

std::string XmlEscaped(std::string_view text)
{
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&': escaped += "&amp;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        case '"': escaped += "&quot;"; break;
        case '\'': escaped += "&apos;"; break;
        default: escaped += c;
        }
    }
    return escaped;
}

SvgCanvas::SvgCanvas(double width, double height, std::string_view title)
{
    head_ = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" "
            "width=\"" +
            Number(width) + "\" height=\"" + Number(height) + "\" viewBox=\"0 0 " + Number(width) + " " +
            Number(height) + "\">\n<title>" + XmlEscaped(title) + "</title>\n";
}

void SvgCanvas::fillRectangle(double x, double y, double width, double height, Rgba colour)
{
    body_ += "<rect x=\"" + Number(x) + "\" y=\"" + Number(y) + "\" width=\"" + Number(width) + "\" height=\"" +
             Number(height) + "\" fill=\"" + Colour(colour) + "\"" + Opacity("fill-opacity", colour) + "/>\n";
}

void SvgCanvas::fillPolygon(const std::vector<CanvasPoint>& points, Rgba colour)
{
    body_ += "<polygon points=\"" + Points(points) + "\" fill=\"" + Colour(colour) + "\"" +
             Opacity("fill-opacity", colour) + " stroke=\"none\"/>\n";
}

void SvgCanvas::polyline(const std::vector<CanvasPoint>& points, Rgba colour, double width, bool dashed)
{
    body_ += "<polyline points=\"" + Points(points) + "\" fill=\"none\" stroke=\"" + Colour(colour) + "\"" +
             Opacity("stroke-opacity", colour) + " stroke-width=\"" + Number(width) + "\"";
    if (dashed) {
        body_ += " stroke-dasharray=\"" + Number(4 * width) + " " + Number(3 * width) + "\"";
    }
    body_ += "/>\n";
}

void SvgCanvas::text(double x, double y, std::string_view utf8, const TextStyle& style)
{
    const double ascent = measure(utf8, style).ascent;
    std::string element = "<text";
    if (style.vertical) {
        // Turned about its anchor: the baseline lies `ascent` to the right of x.
        element += " transform=\"translate(" + Number(x) + "," + Number(y) + ") rotate(-90)\" x=\"0\" y=\"" +
                   Number(ascent) + "\"";
    } else {
        element += " x=\"" + Number(x) + "\" y=\"" + Number(y + ascent) + "\"";
    }
    element += " font-family=\"" + std::string(kChartFontFamily) + ", sans-serif\" font-size=\"" + Number(style.size) +
               "\" fill=\"" + Colour(style.colour) + "\"";
    if (style.bold) {
        element += " font-weight=\"bold\"";
    }
    if (style.anchor != TextAnchor::Start) {
        element += std::string(" text-anchor=\"") + Anchor(style.anchor) + "\"";
    }
    body_ += element + " xml:space=\"preserve\">" + XmlEscaped(utf8) + "</text>\n";
}

TextExtent SvgCanvas::measure(std::string_view utf8, const TextStyle& style) { return ChartFontExtent(utf8, style); }

std::string SvgCanvas::document() const { return head_ + body_ + "</svg>\n"; }

}  // namespace zef
