// The face the SVG names for the chart's texts, and how wide its texts are in
// it, from a table of its own rather than from the fonts of the system that
// writes the file: the same chart is the same SVG bytes on every system.
#pragma once

#include "chart_canvas.h"

#include <string_view>

namespace zef {

inline constexpr std::string_view kChartFontFamily = "DejaVu Sans";

// One line of `utf8` in the face, regular or bold, `style.size` pixels high.
// A character that Windows-1250 cannot hold counts as wide as the face's box
// for a missing character.
TextExtent ChartFontExtent(std::string_view utf8, const TextStyle& style);

}  // namespace zef
