#include "chart_png.h"

#include "chart_drawing.h"
#include "dib_picture.h"
#include "dpi.h"
#include "gdi_canvas.h"
#include "png_image.h"
#include "win_handles.h"

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

}  // namespace zef
