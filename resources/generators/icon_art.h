#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "resources/generators/standard_palette.h"

namespace kolvar {

// The application icon's two images, drawn as text: the resistor lying horizontally with its leads,
// one character per pixel.
//   .  transparent      o  grey outline and wire      s  silver body and wire core
//   c  cyan band        g  green band                 r  red band       y  yellow band
struct IconArt {
    int size;
    std::array<std::string_view, 32> rows;  // the first `size` rows are used
};

// clang-format off
inline constexpr IconArt kLargeIconArt{32, {
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "......ooooo..........ooooo......",
    ".....osccsso........ossyyso.....",
    ".....osccssoooooooooossyyso.....",
    ".....osccssssggssrrssssyyso.....",
    ".....osccssssggssrrssssyyso.....",
    ".....osccssssggssrrssssyyso.....",
    "oooooosccssssggssrrssssyysoooooo",
    "ossssosccssssggssrrssssyysosssso",
    "ossssosccssssggssrrssssyysosssso",
    "oooooosccssssggssrrssssyysoooooo",
    ".....osccssssggssrrssssyyso.....",
    ".....osccssssggssrrssssyyso.....",
    ".....osccssssggssrrssssyyso.....",
    ".....osccssoooooooooossyyso.....",
    ".....osccsso........ossyyso.....",
    "......ooooo..........ooooo......",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
}};
// clang-format on

// At 16 pixels the four bands still fit, one pixel wide each.
// clang-format off
inline constexpr IconArt kSmallIconArt{16, {
    "................",
    "................",
    "................",
    "...oo......oo...",
    "..ocso....osyo..",
    "..ocsoooooosyo..",
    "..ocssgsrsssyo..",
    "ooocssgsrsssyooo",
    "ooocssgsrsssyooo",
    "..ocssgsrsssyo..",
    "..ocsoooooosyo..",
    "..ocso....osyo..",
    "...oo......oo...",
    "................",
    "................",
    "................",
}};
// clang-format on

// The palette index a character of the art stands for; none for transparent pixels.
inline std::optional<std::uint8_t> IconPixel(const IconArt& art, int x, int y) {
    switch (art.rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]) {
        case 'o':
            return kGrey;
        case 's':
            return kSilver;
        case 'c':
            return kAqua;
        case 'g':
            return kGreen;
        case 'r':
            return kRed;
        case 'y':
            return kYellow;
        default:
            return std::nullopt;
    }
}

}  // namespace kolvar
