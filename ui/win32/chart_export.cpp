#include "chart_export.h"

#include "chart_drawing.h"
#include "dib_picture.h"
#include "dpi.h"
#include "gdi_canvas.h"
#include "png_image.h"
#include "svg_canvas.h"
#include "win_handles.h"
#include "window_texts.h"

#include <cstdint>

namespace zef {

std::optional<std::string> ChartPng(const ChartModel& model, int width, int height, UINT dpi)
{
    if (width <= 0 || height <= 0) {
        return std::nullopt;
    }
    // The screen: texts measured and pictures made like it.
    const WindowDC screen(nullptr);
    const DibPicture picture = MakeDibPicture(screen.get(), width, height);
    if (!picture.bitmap || picture.pixels == nullptr) {
        return std::nullopt;
    }
    {
        const MemoryDC memory(screen.get(), picture.bitmap.get());
        GdiCanvas canvas(memory.get());
        DrawChart(canvas, model, width, height, ScaleOf(dpi));
    }
    GdiFlush();
    return EncodePng(picture.pixels, width, height);
}

std::string ChartSvg(const ChartModel& model, int width, int height, UINT dpi)
{
    const WindowDC screen(nullptr);
    GdiCanvas measuring(screen.get());
    SvgCanvas svg(
        width, height, measuring.fontFamily(),
        [&](std::string_view text, const TextStyle& style) { return measuring.measure(text, style); }, model.title);
    DrawChart(svg, model, width, height, ScaleOf(dpi));
    return svg.document();
}

}  // namespace zef
