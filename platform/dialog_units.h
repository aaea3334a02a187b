#pragma once

#include "platform/geometry.h"

namespace kolvar {

// The average character width and height of a dialog's font, in pixels; dialog units are a
// quarter of the one and an eighth of the other.
struct DialogBaseUnits {
    int x = 6;
    int y = 13;
};

// Templates are laid out for 6 x 13 at 96 dpi whatever face the font resolves to here, so the
// units follow the screen's logical resolution rather than the font's real metrics.
DialogBaseUnits DialogBaseUnitsForDpi(int logicalDpiX, int logicalDpiY);

// x * b / 4 and y * h / 8, rounded to nearest; each coordinate on its own, as templates give
// them.
int DialogXToPixels(int x, DialogBaseUnits units);
int DialogYToPixels(int y, DialogBaseUnits units);
Rect DialogRectToPixels(int x, int y, int cx, int cy, DialogBaseUnits units);

}  // namespace kolvar
