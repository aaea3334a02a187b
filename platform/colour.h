#pragma once

#include <cstdint>

namespace kolvar {

// A 24-bit RGB colour held in 32 bits as 0x00BBGGRR.
using Colour = std::uint32_t;

constexpr Colour Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return Colour{red} | Colour{green} << 8 | Colour{blue} << 16;
}

constexpr std::uint8_t RedOf(Colour colour) {
    return static_cast<std::uint8_t>(colour);
}
constexpr std::uint8_t GreenOf(Colour colour) {
    return static_cast<std::uint8_t>(colour >> 8);
}
constexpr std::uint8_t BlueOf(Colour colour) {
    return static_cast<std::uint8_t>(colour >> 16);
}

}  // namespace kolvar
