#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "platform/colour.h"

namespace kolvar {

// The colour of one band, shared by digits, multiplier and tolerance: -2 silver, -1 gold,
// 0 black ... 9 white.
using ColourCode = std::int32_t;

inline constexpr ColourCode kSilver = -2;
inline constexpr ColourCode kGold = -1;
inline constexpr ColourCode kWhite = 9;

// Drawing colours by code + 2. Blue is drawn cyan-like and silver lighter than grey on purpose:
// both must stand out against the beige body.
inline constexpr std::array<Colour, 12> kBandColours = {
    0xF0F0F0, 0x68E0FF, 0x000000, 0x004080, 0x0000FF, 0x0080FF,
    0x00FFFF, 0x00FF00, 0xFFFF00, 0xFF0080, 0xC0C0C0, 0xFFFFFF,
};

constexpr bool IsColourCode(std::int64_t value) {
    return value >= kSilver && value <= kWhite;
}

// Only defined for codes from -2 to 9; the settings loader keeps every other value out.
Colour ColourOf(ColourCode code);

// The colour's name in words, for those who cannot see the drawing: "красный". Code 6 is
// "синий", as the colour code calls it, though it is drawn cyan-like. Codes from -2 to 9 only.
std::string_view ColourName(ColourCode code);

}  // namespace kolvar
