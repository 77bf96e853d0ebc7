#include "gdi_canvas.h"

#include "win_text.h"

#include <algorithm>
#include <cmath>

namespace zef {

COLORREF Colour(Rgba colour) { return RGB(colour.r, colour.g, colour.b); }

namespace {

int Pixel(double value) { return static_cast<int>(std::lround(value)); }

// GDI fills opaquely; the chart's translucent fills lie on its white
// background, so their colour is mixed with white instead.
COLORREF OverWhite(Rgba colour)
{
    const auto mix = [&](std::uint8_t channel) {
        return static_cast<BYTE>(std::lround((channel * colour.a + 255.0 * (255 - colour.a)) / 255.0));
    };
    return RGB(mix(colour.r), mix(colour.g), mix(colour.b));
}

std::vector<POINT> Pixels(const std::vector<CanvasPoint>& points)
{
    std::vector<POINT> pixels;
    pixels.reserve(points.size());
    for (const CanvasPoint& p : points) {
        pixels.push_back({Pixel(p.x), Pixel(p.y)});
    }
    return pixels;
}

}  // namespace

GdiCanvas::GdiCanvas(HDC dc) : dc_(dc), savedState_(SaveDC(dc))
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    face_ = metrics.lfMessageFont.lfFaceName;
    SetBkMode(dc_, TRANSPARENT);
}

GdiCanvas::~GdiCanvas() { RestoreDC(dc_, savedState_); }

void GdiCanvas::fillRectangle(double x, double y, double width, double height, Rgba colour)
{
    const RECT area{Pixel(x), Pixel(y), Pixel(x + width), Pixel(y + height)};
    const BrushHandle brush(CreateSolidBrush(OverWhite(colour)));
    FillRect(dc_, &area, brush.get());
}

void GdiCanvas::fillPolygon(const std::vector<CanvasPoint>& points, Rgba colour)
{
    const std::vector<POINT> pixels = Pixels(points);
    const BrushHandle brush(CreateSolidBrush(OverWhite(colour)));
    const Selected selectedBrush(dc_, brush.get());
    const Selected noPen(dc_, GetStockObject(NULL_PEN));
    Polygon(dc_, pixels.data(), static_cast<int>(pixels.size()));
}

void GdiCanvas::polyline(const std::vector<CanvasPoint>& points, Rgba colour, double width, bool dashed)
{
    const std::vector<POINT> pixels = Pixels(points);
    LOGBRUSH brush{BS_SOLID, Colour(colour), 0};
    const DWORD penWidth = static_cast<DWORD>(std::max(1L, std::lround(width)));
    // The same dashes as the SVG's: four widths on, three off.
    const DWORD dashes[] = {4 * penWidth, 3 * penWidth};
    const PenHandle pen(ExtCreatePen(PS_GEOMETRIC | (dashed ? PS_USERSTYLE : PS_SOLID) | PS_ENDCAP_FLAT | PS_JOIN_ROUND,
                                     penWidth, &brush, dashed ? 2 : 0, dashed ? dashes : nullptr));
    const Selected selectedPen(dc_, pen.get());
    Polyline(dc_, pixels.data(), static_cast<int>(pixels.size()));
}

HFONT GdiCanvas::font(const TextStyle& style)
{
    const auto key = std::make_tuple(Pixel(style.size), style.bold, style.vertical);
    auto found = fonts_.find(key);
    if (found == fonts_.end()) {
        LOGFONTW description{};
        description.lfHeight = -Pixel(style.size);
        description.lfWeight = style.bold ? FW_BOLD : FW_NORMAL;
        description.lfEscapement = style.vertical ? 900 : 0;
        description.lfOrientation = description.lfEscapement;
        description.lfCharSet = DEFAULT_CHARSET;
        description.lfOutPrecision = OUT_TT_PRECIS;
        description.lfQuality = DEFAULT_QUALITY;
        wcsncpy(description.lfFaceName, face_.c_str(), LF_FACESIZE - 1);
        found = fonts_.emplace(key, FontHandle(CreateFontIndirectW(&description))).first;
    }
    return found->second.get();
}

void GdiCanvas::text(double x, double y, std::string_view utf8, const TextStyle& style)
{
    const std::wstring text = Wide(utf8);
    const Selected selectedFont(dc_, font(style));
    SetTextColor(dc_, Colour(style.colour));
    UINT align = TA_TOP | TA_NOUPDATECP;
    align |= style.anchor == TextAnchor::Middle ? TA_CENTER : style.anchor == TextAnchor::End ? TA_RIGHT : TA_LEFT;
    SetTextAlign(dc_, align);
    TextOutW(dc_, Pixel(x), Pixel(y), text.c_str(), static_cast<int>(text.size()));
}

TextExtent GdiCanvas::measure(std::string_view utf8, const TextStyle& style)
{
    const std::wstring text = Wide(utf8);
    TextStyle upright = style;
    upright.vertical = false;
    const Selected selectedFont(dc_, font(upright));
    SIZE size{};
    GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &size);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc_, &metrics);
    return {double(size.cx), double(metrics.tmHeight), double(metrics.tmAscent)};
}

}  // namespace zef
