#pragma once

#include <array>
#include <cstdint>

#include "resources/generators/byte_buffer.h"

namespace kolvar {

// A colour of 8 bits a channel.
struct RgbColour {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

// The sixteen colours every 4-bit image of the program is stored with, in their customary order.
inline constexpr std::array<RgbColour, 16> kStandardPalette{{
    {0, 0, 0},        // black
    {128, 0, 0},      // maroon
    {0, 128, 0},      // green
    {128, 128, 0},    // olive
    {0, 0, 128},      // navy
    {128, 0, 128},    // purple
    {0, 128, 128},    // teal
    {192, 192, 192},  // silver
    {128, 128, 128},  // grey
    {255, 0, 0},      // red
    {0, 255, 0},      // lime
    {255, 255, 0},    // yellow
    {0, 0, 255},      // blue
    {255, 0, 255},    // fuchsia
    {0, 255, 255},    // aqua
    {255, 255, 255},  // white
}};

enum PaletteIndex : std::uint8_t {
    kBlack = 0,
    kGreen = 2,
    kSilver = 7,
    kGrey = 8,
    kRed = 9,
    kYellow = 11,
    kAqua = 14,
    kWhite = 15,
};

// As a BMP colour table stores it: blue, green, red, reserved.
inline void AppendPalette(ByteBuffer& bytes) {
    for (const RgbColour& colour : kStandardPalette) {
        bytes.insert(bytes.end(), {colour.blue, colour.green, colour.red, 0});
    }
}

// A bottom-up 4-bit raster, each row padded to whole 32-bit words as BMP and ICO want it.
template <typename PixelAt>
void AppendFourBitRows(ByteBuffer& bytes, int width, int height, PixelAt pixelAt) {
    const int rowBytes = (width * 4 + 31) / 32 * 4;
    for (int y = height - 1; y >= 0; --y) {
        ByteBuffer row(static_cast<std::size_t>(rowBytes), 0);
        for (int x = 0; x < width; ++x) {
            const auto index = static_cast<std::uint8_t>(pixelAt(x, y) & 0x0F);
            const int shift = (x % 2 == 0) ? 4 : 0;
            row[static_cast<std::size_t>(x / 2)] |= static_cast<std::uint8_t>(index << shift);
        }
        bytes.insert(bytes.end(), row.begin(), row.end());
    }
}

inline std::uint32_t FourBitRasterSize(int width, int height) {
    return static_cast<std::uint32_t>((width * 4 + 31) / 32 * 4 * height);
}

}  // namespace kolvar
