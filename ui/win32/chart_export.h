// The treasury chart as files: drawn by the same DrawChart as the window,
// through GDI into a picture for PNG (encoded by GDI+) and through the SVG
// canvas for SVG, with the texts measured in the window's own faces, so that
// both show what the window shows.
#pragma once

#include "chart_model.h"
#include "win32_api.h"

#include <optional>
#include <string>

namespace zef {

// The chart `width` x `height` pixels at `dpi`, as PNG bytes; nothing when
// no picture could be made or encoded.
std::optional<std::string> ChartPng(const ChartModel& model, int width, int height, UINT dpi);

// The same as an SVG document (UTF-8).
std::string ChartSvg(const ChartModel& model, int width, int height, UINT dpi);

}  // namespace zef
