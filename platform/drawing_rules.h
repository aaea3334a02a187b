#pragma once

// Inside the platform only: rules of the drawing services that a backend whose toolkit lacks them
// follows when it draws itself.

#include <vector>

#include "platform/geometry.h"
#include "platform/system_metrics.h"

namespace kolvar {

// Sizes given in pixels are the program's design at this resolution and scale with the screen's
// (ScaledForDpi).
inline constexpr int kDesignDpi = USER_DEFAULT_SCREEN_DPI;

// The check mark's side at the screen's resolution: 13 pixels at 96 dpi, never less.
int CheckMarkSide(int dpi);

// The pixels of the check mark's tick in a square of the side; the rest of the square is blank.
std::vector<Point> CheckMarkPixels(int side);

// Where a line's cell (its advance by its ascent and descent) goes in the rectangle, as the
// DT_CENTER, DT_VCENTER and DT_BOTTOM flags of `format` place it; top left without them.
Point TextCellOrigin(const Rect& rect, Size cell, unsigned format);

}  // namespace kolvar
