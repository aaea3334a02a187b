#pragma once

#include "platform/colour.h"

namespace kolvar {

// The picture's key colour: every fill of the picture stops at it.
inline constexpr Colour OUTLINE_GREY = Rgb(128, 128, 128);
// The resistor's body, laid anew on every paint; it also frames the menu's swatches.
inline constexpr Colour BODY_BEIGE = Rgb(220, 214, 160);

}  // namespace kolvar
