// A ChartCanvas that draws with GDI on a device context: the chart window's
// paint and the picture saved as PNG. It also measures texts for the SVG
// export, in the same faces, so both lay the chart out alike.
#pragma once

#include "chart_canvas.h"
#include "win_handles.h"

#include <map>
#include <string>
#include <tuple>

namespace zef {

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

    // The face every text is drawn in: the system's message face.
    const std::string& fontFamily() const { return fontFamily_; }

private:
    HFONT font(const TextStyle& style);

    HDC dc_;
    int savedState_;
    std::wstring face_;
    std::string fontFamily_;
    std::map<std::tuple<int, bool, bool>, FontHandle> fonts_;
};

}  // namespace zef
