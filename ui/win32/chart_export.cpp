#include "chart_export.h"

#include "chart_drawing.h"
#include "dpi.h"
#include "gdi_canvas.h"
#include "png_image.h"
#include "svg_canvas.h"
#include "win_handles.h"
#include "window_texts.h"

#include <cstdint>

namespace zef {

namespace {

double ScaleOf(UINT dpi) { return static_cast<double>(dpi) / kDesignDpi; }

}  // namespace

std::optional<std::string> ChartPng(const ChartModel& model, int width, int height, UINT dpi)
{
    if (width <= 0 || height <= 0) {
        return std::nullopt;
    }
    // The screen: texts measured and pictures made like it.
    const WindowDC screen(nullptr);
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const BitmapHandle picture(CreateDIBSection(screen.get(), &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!picture || bits == nullptr) {
        return std::nullopt;
    }
    {
        const MemoryDC memory(screen.get(), picture.get());
        GdiCanvas canvas(memory.get());
        DrawChart(canvas, model, width, height, ScaleOf(dpi));
    }
    GdiFlush();
    return EncodePng(static_cast<const std::uint8_t*>(bits), width, height);
}

std::string ChartSvg(const ChartModel& model, int width, int height, UINT dpi)
{
    const WindowDC screen(nullptr);
    GdiCanvas measuring(screen.get());
    SvgCanvas svg(
        width, height, measuring.fontFamily(),
        [&](std::string_view text, const TextStyle& style) { return measuring.measure(text, style); }, kChartTitle);
    DrawChart(svg, model, width, height, ScaleOf(dpi));
    return svg.document();
}

}  // namespace zef
