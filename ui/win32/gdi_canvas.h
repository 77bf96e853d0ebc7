// A ChartCanvas that draws with GDI on a device context, in the system's
// message face: the chart window's paint and the picture saved as PNG.
#pragma once

#include "chart_canvas.h"
#include "win_handles.h"

#include <map>
#include <string>
#include <tuple>

namespace zef {

// A colour of the core's drawing, or of its layout, as GDI's; opaque.
COLORREF Colour(Rgba colour);

class GdiCanvas : public ChartCanvas {
public:
    explicit GdiCanvas(HDC dc);
    ~GdiCanvas() override;
    GdiCanvas(const GdiCanvas&) = delete;
    GdiCanvas& operator=(const GdiCanvas&) = delete;

    void fillRectangle(double x, double y, double width, double height, Rgba colour) override;
    void fillPolygon(const std::vector<CanvasPoint>& points, Rgba colour) override;
    void polyline(const std::vector<CanvasPoint>& points, Rgba colour, double width, bool dashed) override;
    void text(double x, double y, std::string_view utf8, const TextStyle& style) override;
    TextExtent measure(std::string_view utf8, const TextStyle& style) override;

private:
    HFONT font(const TextStyle& style);

    HDC dc_;
    int savedState_;
    std::wstring face_;
    std::map<std::tuple<int, bool, bool>, FontHandle> fonts_;
};

}  // namespace zef
