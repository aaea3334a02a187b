#pragma once

// Inside the platform only: the program's picture and icons, read straight from their bytes, for
// every backend. Both formats are fixed and the files are the program's own, so a small reader
// does; a toolkit's image readers would first look through their plugins and load one, which
// costs the start more than the decoding itself.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace kolvar {

// Decoded pixels, row by row from the top, 0xAARRGGBB: alpha 255 where a pixel is opaque.
struct DibImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    std::uint32_t At(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
};

// A BMP file, uncompressed, 1, 4, 8, 24 or 32 bits per pixel, every pixel opaque; nothing for
// anything else.
std::optional<DibImage> ReadBmpFile(std::span<const std::byte> file);

// One image of an icon file as the file keeps it: its side as the directory gives it, and its
// bitmap's bytes.
struct IconFileImage {
    int side = 0;
    std::span<const std::byte> bytes;
};

// The images of an icon file, in the file's order, up to the first whose bytes are not all in
// the file; none when it is no icon file.
std::vector<IconFileImage> IconFileImages(std::span<const std::byte> file);

// Which image of an icon file shows the icon at a side: the one of exactly that side, else the
// smallest larger one, else the largest, to be scaled to the side. None for a file without one.
std::optional<IconFileImage> IconImageFor(std::span<const std::byte> file, int side);

// An icon file's image, decoded, with an alpha channel: the image's own where a 32-bit image has
// one, otherwise made from its mask. Nothing when it is no such bitmap.
std::optional<DibImage> ReadIconImage(std::span<const std::byte> image);

}  // namespace kolvar
