#include "platform/drawing_rules.h"

#include <algorithm>

#include "platform/surface.h"

namespace kolvar {
namespace {

// The tick is laid out on a 13-pixel grid, its size at 96 dots per inch, and scaled from there.
constexpr int kGrid = 13;

int Scaled(int gridValue, int side) {
    return MulDiv(gridValue, side, kGrid);
}

int RowOnSegment(Point from, Point to, int x) {
    if (to.x == from.x) {
        return from.y;
    }
    return from.y + MulDiv(to.y - from.y, x - from.x, to.x - from.x);
}

}  // namespace

int CheckMarkSide(int dpi) {
    return std::max(kGrid, ScaledForDpi(kGrid, dpi));
}

std::vector<Point> CheckMarkPixels(int side) {
    const Point start{Scaled(3, side), Scaled(6, side)};
    const Point bottom{Scaled(5, side), Scaled(8, side)};
    const Point end{Scaled(10, side), Scaled(3, side)};
    const int thickness = std::max(2, Scaled(3, side));
    std::vector<Point> pixels;
    for (int x = start.x; x <= end.x; ++x) {
        const int top =
            x <= bottom.x ? RowOnSegment(start, bottom, x) : RowOnSegment(bottom, end, x);
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
