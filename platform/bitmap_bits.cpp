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

Raster BitmapBits::Pixels() const {
    return {bits_, stride_, width_, height_};
}

Colour BitmapBits::GetPixel(int x, int y) const {
    return RasterColour(Pixels(), x, y);
}

void BitmapBits::SetPixel(int x, int y, Colour colour) {
    SetRasterColour(Pixels(), x, y, colour);
}

bool BitmapBits::ExtFloodFill(int x, int y, Colour colour, FloodFillType type, const Brush& brush) {
    return bits_ != nullptr && FloodFill(Pixels(), {x, y}, colour, brush.colour(), type);
}

}  // namespace kolvar
