#pragma once

// Inside the platform only: how a dialog of a template is laid out and placed, for a backend
// whose toolkit has no dialogs of templates.

#include "platform/geometry.h"

namespace kolvar {

// The average character width and height of a dialog's font, in pixels; dialog units are a
// quarter of the one and an eighth of the other.
struct DialogBaseUnits {
    int x = 6;
    int y = 13;
};

// Templates are laid out for 6 x 13 at 96 dpi whatever face the font resolves to, so the units
// follow the screen's logical resolution rather than the font's real metrics.
DialogBaseUnits DialogBaseUnitsForDpi(int logicalDpiX, int logicalDpiY);

// x * b / 4 and y * h / 8, rounded to nearest; each coordinate on its own, as templates give
// them.
int DialogXToPixels(int x, DialogBaseUnits units);
int DialogYToPixels(int y, DialogBaseUnits units);
Rect DialogRectToPixels(int x, int y, int cx, int cy, DialogBaseUnits units);

// Where a dialog's window of the size goes: centred over `over` (its owner's window, or the work
// area for a dialog without an owner), then moved into the work area as far as it fits there.
Point CentredWindowPosition(Size window, const Rect& over, const Rect& workArea);

}  // namespace kolvar
