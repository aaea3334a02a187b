#pragma once

#include <cstddef>
#include <span>

namespace kolvar {

// The bytes of the binary resource files, compiled into the program at build time.
std::span<const std::byte> EmbeddedPicture();  // picture.bmp
std::span<const std::byte> EmbeddedIcon();     // kolvar.ico

}  // namespace kolvar
