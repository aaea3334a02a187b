#pragma once

// Inside the platform only.

#include <QImage>

namespace kolvar {

// A one-bit tick, side by side pixels: the mark is 0 bits, the rest 1 bits.
QImage CheckMarkImage(int side);

// The tick's side for the screen's resolution.
int CheckMarkSide();

}  // namespace kolvar
