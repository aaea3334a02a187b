#pragma once

// Inside the platform only: rules of the drawing services that a backend whose toolkit lacks them
// follows when it draws itself.

#include <vector>

#include "platform/geometry.h"

namespace kolvar {

// Sizes given in pixels are the program's design at this resolution and scale with the screen's.
inline constexpr int kDesignDpi = 96;

// A size of the design, rounded to nearest at the resolution.
inline int ScaledForDpi(int pixelsAtDesignDpi, int dpi) {
    return MulDiv(pixelsAtDesignDpi, dpi, kDesignDpi);
}

// The check mark's side at the screen's resolution: 13 pixels at 96 dpi, never less.
int CheckMarkSide(int dpi);

// The pixels of the check mark's tick in a square of the side; the rest of the square is blank.
std::vector<Point> CheckMarkPixels(int side);

// Where a line's cell (its advance by its ascent and descent) goes in the rectangle, as the
// DT_CENTER, DT_VCENTER and DT_BOTTOM flags of `format` place it; top left without them.
Point TextCellOrigin(const Rect& rect, Size cell, unsigned format);

}  // namespace kolvar
