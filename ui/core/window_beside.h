// Where a second window of the program (the chart, the catalogue list) opens:
// beside the main window, not over it, and wholly on the screen where it can.
// Rectangles are in screen pixels and include the windows' frames.
#pragma once

namespace zef {

struct ScreenRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct ScreenSize {
    int width = 0;
    int height = 0;
};

struct ScreenPoint {
    int left = 0;
    int top = 0;
    bool operator==(const ScreenPoint&) const = default;
};

// The top-left corner for a window of `width` x `height`: right of `main`,
// else left of it, else below, else above; where none of these has room,
// as far right of it as the screen allows. Always inside `screen` as far as
// the window's size lets it be.
ScreenPoint PlaceBeside(const ScreenRect& main, int width, int height, const ScreenRect& screen);

}  // namespace zef
