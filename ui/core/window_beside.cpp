#include "window_beside.h"

#include <algorithm>

namespace zef {

namespace {

constexpr int kGap = 8;

// `start` moved so that `length` from it lies within `from` and `from + room`
// as far as it can, the start winning where it cannot.
int Clamp(int start, int length, int from, int room) { return std::max(from, std::min(start, from + room - length)); }

bool Fits(const ScreenPoint& at, int width, int height, const ScreenRect& screen)
{
    return at.left >= screen.left && at.top >= screen.top && at.left + width <= screen.left + screen.width &&
           at.top + height <= screen.top + screen.height;
}

}  // namespace

ScreenPoint PlaceBeside(const ScreenRect& main, int width, int height, const ScreenRect& screen)
{
    const int top = Clamp(main.top, height, screen.top, screen.height);
    const int left = Clamp(main.left, width, screen.left, screen.width);
    const ScreenPoint right{main.left + main.width + kGap, top};
    const ScreenPoint candidates[] = {right,
                                      {main.left - width - kGap, top},
                                      {left, main.top + main.height + kGap},
                                      {left, main.top - height - kGap}};
    for (const ScreenPoint& at : candidates) {
        if (Fits(at, width, height, screen)) {
            return at;
        }
    }
    return {Clamp(right.left, width, screen.left, screen.width), top};
}

}  // namespace zef
