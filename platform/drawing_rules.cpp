#include "platform/drawing_rules.h"

#include <algorithm>
#include <cstdlib>

#include "platform/surface.h"

namespace kolvar {
namespace {

// The tick is laid out on a 13-pixel grid, its size at 96 dots per inch, and scaled from there.
constexpr int kGrid = 13;

int Scaled(int gridValue, int side) {
    return MulDiv(gridValue, side, kGrid);
}

}  // namespace

int CheckMarkSide(int dpi) {
    return std::max(kGrid, ScaledForDpi(kGrid, dpi));
}

// Both strokes run at 45 degrees, so that each column steps one pixel from its neighbour and every
// column is as deep: the lengths of the strokes scale, not their ends.
std::vector<Point> CheckMarkPixels(int side) {
    const Point bottom{Scaled(5, side), Scaled(8, side)};
    const int first = bottom.x - Scaled(2, side);
    const int last = bottom.x + Scaled(5, side);
    const int thickness = std::max(2, Scaled(3, side));
    std::vector<Point> pixels;
    for (int x = first; x <= last; ++x) {
        const int top = bottom.y - std::abs(x - bottom.x);
        for (int y = top; y < std::min(top + thickness, side); ++y) {
            pixels.push_back({x, y});
        }
    }
    return pixels;
}

Point TextCellOrigin(const Rect& rect, Size cell, unsigned format) {
    int x = rect.left;
    if ((format & DT_CENTER) != 0) {
        x += (rect.Width() - cell.cx) / 2;
    }
    int y = rect.top;
    if ((format & DT_VCENTER) != 0) {
        y += (rect.Height() - cell.cy) / 2;
    } else if ((format & DT_BOTTOM) != 0) {
        y = rect.bottom - cell.cy;
    }
    return {x, y};
}

}  // namespace kolvar
