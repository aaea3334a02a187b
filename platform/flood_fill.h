#pragma once

// Inside the platform only: colour rasters in memory, and the flood fill on them. Both backends
// keep their colour bitmaps in this layout, so pixels are read, written and filled the same way.

#include <cstddef>
#include <cstdint>

#include "platform/colour.h"
#include "platform/geometry.h"
#include "platform/surface.h"

namespace kolvar {

// The pixels of a colour bitmap: 32 bits each, red, green and blue in bits 16, 8 and 0, the top
// byte unused; rows `stride` bytes apart from the top one.
struct Raster {
    std::uint8_t* bits = nullptr;
    std::ptrdiff_t stride = 0;
    int width = 0;
    int height = 0;

    std::uint32_t* Row(int y) const { return reinterpret_cast<std::uint32_t*>(bits + stride * y); }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
};

constexpr std::uint32_t RasterPixel(Colour colour) {
    return 0xFF000000u | std::uint32_t{RedOf(colour)} << 16 | std::uint32_t{GreenOf(colour)} << 8 |
           BlueOf(colour);
}

constexpr Colour ColourOfRasterPixel(std::uint32_t pixel) {
    return Rgb(static_cast<std::uint8_t>(pixel >> 16), static_cast<std::uint8_t>(pixel >> 8),
               static_cast<std::uint8_t>(pixel));
}

// A pixel as a surface holding the raster reads it: exact to 24 bits, CLR_INVALID outside.
inline Colour RasterColour(const Raster& raster, int x, int y) {
    return raster.Contains(x, y) ? ColourOfRasterPixel(raster.Row(y)[x]) : CLR_INVALID;
}

// Writes a pixel inside the raster; one outside is left alone.
inline void SetRasterColour(const Raster& raster, int x, int y, Colour colour) {
    if (raster.Contains(x, y)) {
        raster.Row(y)[x] = RasterPixel(colour);
    }
}

// Fills the area around the start that spreads through edge neighbours only, never diagonally:
// in border mode every pixel short of the key colour, in surface mode every pixel of exactly
// the key colour. False, with nothing changed, when the start is outside the raster or does not
// belong to the area.
bool FloodFill(const Raster& raster, Point start, Colour key, Colour fill, FloodFillType type);

}  // namespace kolvar
