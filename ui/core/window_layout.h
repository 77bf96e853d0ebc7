// The main window's designed layout, in pixels at 96 dpi, that both front
// ends build their window from: the client area, each control's rectangle in
// its parent (the calculator group, but for the picture and the group
// itself), the faces, and how far a caption may shrink. The controls do not
// follow resizing.
#pragma once

#include "chart_canvas.h"

#include <string_view>

namespace zef::layout {

struct DesignedRect {
    int left;
    int top;
    int width;
    int height;
};

// The designed outer size is 579 x 385 with a 4-pixel frame and a 30-pixel
// caption: a client area of 571 x 351.
inline constexpr int kClientWidth = 571;
inline constexpr int kClientHeight = 351;

inline constexpr DesignedRect kImage1{80, 74, 256, 256};
inline constexpr DesignedRect kGroupBox3{9, 9, 551, 336};
inline constexpr DesignedRect kButton6{5, 15, 56, 16};
inline constexpr DesignedRect kButton3{65, 15, 71, 16};
inline constexpr DesignedRect kIntroSwitch{150, 13, 97, 17};
// In the free end of the top row, flush with the report view's right edge.
inline constexpr DesignedRect kButton7{490, 15, 56, 16};
// The preview line, in the free part of the top row between the switch and "Graf".
inline constexpr DesignedRect kLabel1{251, 15, 235, 16};
inline constexpr DesignedRect kMemo4{5, 35, 131, 296};
inline constexpr DesignedRect kMemo3{145, 35, 401, 296};

// The list of the unit types of arm.txt, beside the window.
inline constexpr int kUnitListWidth = 500;
inline constexpr int kUnitListHeight = 230;

// The search for the best plan, beside the window.
inline constexpr int kBestPlanWidth = 720;
inline constexpr int kBestPlanHeight = 360;

// The window's face, and the report view's own. The refresh button was
// designed with a 5-pixel face of its own; the window's face is a bitmap face
// whose smallest size is 11 pixels, so the caption was seen at 11 pixels, and
// so it is drawn.
inline constexpr std::string_view kWindowFace = "MS Sans Serif";
inline constexpr int kWindowFontPixels = 11;
inline constexpr std::string_view kReportFace = "Lucida Console";
inline constexpr int kReportFontPixels = 13;

// A caption that would not fit its control in the window's face is drawn a
// pixel at a time smaller, down to this; below it text is no longer read.
inline constexpr int kSmallestCaptionPixels = 8;

// The preview line's text when the line under the caret has a warning, and
// the wave under each line of the editor that has one.
inline constexpr Rgba kWarningColour{0xb0, 0x00, 0x00};
inline constexpr Rgba kWarningWaveColour{0xff, 0x00, 0x00};

}  // namespace zef::layout
