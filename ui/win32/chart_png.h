// The treasury chart as PNG: drawn by the same DrawChart as the window,
// through GDI into a picture, and encoded by GDI+.
#pragma once

#include "chart_model.h"
#include "win32_api.h"

#include <optional>
#include <string>

namespace zef {

// The chart `width` x `height` pixels at `dpi`, as PNG bytes; nothing when
// no picture could be made or encoded.
std::optional<std::string> ChartPng(const ChartModel& model, int width, int height, UINT dpi);

}  // namespace zef
