#pragma once

// Inside the platform only.

#include <QImage>

#include "platform/colour.h"
#include "platform/geometry.h"
#include "platform/surface.h"

namespace kolvar {

// Fills the area around the start that spreads through edge neighbours only, never diagonally:
// in border mode every pixel short of the key colour, in surface mode every pixel of exactly the
// key colour. False, with nothing changed, when the start is outside the raster or does not
// belong to the area, or the raster is not a 32-bit one.
bool FloodFill(QImage& image, Point start, Colour key, Colour fill, FloodFillType type);

}  // namespace kolvar
