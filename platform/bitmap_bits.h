#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/colour.h"
#include "platform/surface.h"

namespace kolvar {

struct Raster;

// The pixels of a colour bitmap where they lie in the program's own memory, as a DIB section's
// bits do: read, written and filled in place, without a call to the drawing service for each
// pixel. Taken once the drawing service has finished with the bitmap (GdiFlush); meanwhile
// nothing else may draw on it. Empty for a missing or one-bit bitmap.
class BitmapBits {
public:
    explicit BitmapBits(Bitmap& bitmap);

    explicit operator bool() const { return bits_ != nullptr; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    // As on a surface that holds the bitmap: exact to 24 bits, CLR_INVALID outside it.
    Colour GetPixel(int x, int y) const;
    void SetPixel(int x, int y, Colour colour);
    // As ExtFloodFill on such a surface with the brush selected.
    bool ExtFloodFill(int x, int y, Colour colour, FloodFillType type, const Brush& brush);

private:
    // The same pixels as a surface's bitmap lends them.
    Raster Pixels() const;

    std::uint8_t* bits_ = nullptr;
    std::ptrdiff_t stride_ = 0;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace kolvar
