#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "resources/generators/icon_drawing.h"
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

// The shapes of the same resistor for the sizes Windows asks a program file for: 16, 24, 32, 48
// and 256 pixels at the usual scale, 20, 40 and 64 at 125 %, 150 % and 200 %. Each size has its
// own whole-pixel measures, so that no edge is smeared; the bands are placed symmetrically. The
// 16- and 32-pixel shapes draw the art above pixel for pixel. From 40 pixels on, the body and
// the leads are lit from above.
// clang-format off
inline constexpr std::array<IconShapes, 8> kWindowsIconShapes{{
    // size outline corner shading  left cap  middle  right cap  cap rows middle rows lead rows
    {16, 1, 1, 0, {2, 5}, {5, 10}, {10, 13}, {3, 12}, {5, 10}, {7, 8},
     {{{3, 3}, {6, 6}, {8, 8}, {12, 12}}}},
    {20, 1, 1, 0, {3, 7}, {7, 12}, {12, 16}, {5, 14}, {7, 12}, {9, 10},
     {{{5, 5}, {8, 8}, {11, 11}, {14, 14}}}},
    {24, 1, 1, 0, {4, 8}, {8, 15}, {15, 19}, {6, 17}, {8, 15}, {10, 13},
     {{{5, 6}, {9, 10}, {13, 14}, {17, 18}}}},
    {32, 1, 1, 0, {5, 11}, {11, 20}, {20, 26}, {8, 23}, {10, 21}, {14, 17},
     {{{7, 8}, {13, 14}, {17, 18}, {23, 24}}}},
    {40, 1, 2, 1, {6, 14}, {14, 25}, {25, 33}, {10, 29}, {13, 26}, {18, 21},
     {{{8, 10}, {15, 17}, {22, 24}, {29, 31}}}},
    {48, 1, 2, 1, {7, 17}, {17, 30}, {30, 40}, {12, 35}, {15, 32}, {22, 25},
     {{{10, 12}, {18, 20}, {27, 29}, {35, 37}}}},
    {64, 1, 3, 2, {10, 23}, {23, 40}, {40, 53}, {16, 47}, {20, 43}, {29, 34},
     {{{13, 16}, {25, 28}, {35, 38}, {47, 50}}}},
    {256, 4, 12, 8, {40, 95}, {92, 163}, {160, 215}, {64, 191}, {80, 175}, {116, 139},
     {{{52, 67}, {100, 115}, {140, 155}, {188, 203}}}},
}};
// clang-format on

}  // namespace kolvar
