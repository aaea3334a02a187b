#pragma once

#include <functional>
#include <optional>

#include "resources/generators/byte_buffer.h"
#include "resources/generators/standard_palette.h"

namespace kolvar {

// A square PNG of 8-bit RGBA pixels, deflated; a pixel is a colour, or nothing where the image
// is transparent.
ByteBuffer EncodePng(int size, const std::function<std::optional<RgbColour>(int x, int y)>& pixel);

}  // namespace kolvar
