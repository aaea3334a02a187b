#pragma once

// Icon files (ICO) as Windows and the program read them: a directory of the images, then each
// image as a bitmap without its file header, whose height counts the rows of its colours and of
// its mask, rows bottom-up. The mask's set bits keep what is under the icon.

#include <functional>
#include <optional>
#include <vector>

#include "resources/generators/byte_buffer.h"
#include "resources/generators/standard_palette.h"

namespace kolvar {

// One square image of an icon. A pixel is a colour, or nothing where the icon is transparent.
struct IconImage {
    enum class Depth {
        // Indices into the standard palette: every colour must be one of its sixteen.
        FourBitStandardPalette,
        // Blue, green, red and alpha: opaque pixels have alpha 255, transparent ones are all 0.
        TrueColourWithAlpha,
        // The same pixels as a PNG file, which is how Windows takes a 256-pixel image.
        PngWithAlpha,
    };
    int size = 0;
    Depth depth = Depth::FourBitStandardPalette;
    std::function<std::optional<RgbColour>(int x, int y)> pixel;
};

// The icon file of the images, in their order.
ByteBuffer EncodeIco(const std::vector<IconImage>& images);

}  // namespace kolvar
