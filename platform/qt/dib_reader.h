#pragma once

// Inside the platform only: the program's picture and icon, read straight from their bytes.
// Both formats are fixed and the files are the program's own, so a small reader does; Qt's image
// readers would first look through the image plugins and load one, which costs the start more
// than the decoding itself.

#include <QImage>
#include <cstddef>
#include <span>
#include <vector>

namespace kolvar {

// A BMP file, uncompressed, 1, 4, 8, 24 or 32 bits per pixel; a null image for anything else.
QImage ReadBmpFile(std::span<const std::byte> file);

// Every image of an icon file that is such a bitmap, in the file's order, each with an alpha
// channel: the image's own where a 32-bit image has one, otherwise made from its mask.
std::vector<QImage> ReadIconFile(std::span<const std::byte> file);

}  // namespace kolvar
