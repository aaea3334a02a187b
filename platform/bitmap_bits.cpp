#include "platform/bitmap_bits.h"

#include "platform/backend.h"
#include "platform/flood_fill.h"

namespace kolvar {

BitmapBits::BitmapBits(Bitmap& bitmap) {
    if (!bitmap) {
        return;
    }
    const Raster raster = NativeOf(bitmap).Pixels();
    bits_ = raster.bits;
    stride_ = raster.stride;
    width_ = raster.width;
    height_ = raster.height;
}

Colour BitmapBits::GetPixel(int x, int y) const {
    return Contains(x, y) ? ColourOfRasterPixel(Row(y)[x]) : CLR_INVALID;
}

void BitmapBits::SetPixel(int x, int y, Colour colour) {
    if (Contains(x, y)) {
        Row(y)[x] = RasterPixel(colour);
    }
}

bool BitmapBits::ExtFloodFill(int x, int y, Colour colour, FloodFillType type, const Brush& brush) {
    return bits_ != nullptr &&
           FloodFill(Raster{bits_, stride_, width_, height_}, {x, y}, colour, brush.colour(), type);
}

}  // namespace kolvar
