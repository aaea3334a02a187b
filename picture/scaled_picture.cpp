#include "picture/scaled_picture.h"

#include <cstddef>

#include "picture/band_picture.h"
#include "picture/picture_colours.h"
#include "platform/bitmap_bits.h"
#include "resources/picture_shape.h"
#include "resources/resource_ids.h"

namespace kolvar {
namespace {

// By PicturePart, in the stored picture's colours: blank, outline, lead.
constexpr Colour kColourOf[] = {Rgb(255, 255, 255), OUTLINE_GREY, Rgb(192, 192, 192)};

Colour PartColour(PicturePart part) {
    return kColourOf[static_cast<std::size_t>(part)];
}

// In the stored picture's colours, so that every fill treats it alike.
Bitmap DrawnPicture(int dpi) {
    const PictureParts parts = DrawPictureParts(dpi);
    const MemorySurface screen;
    Bitmap picture = CreateCompatibleBitmap(screen, parts.width, parts.height);
    if (BitmapBits pixels{picture}) {
        for (int y = 0; y < parts.height; ++y) {
            for (int x = 0; x < parts.width; ++x) {
                pixels.SetPixel(x, y, PartColour(parts.At(x, y)));
            }
        }
    }
    return picture;
}

}  // namespace

int PictureDpiFor(int pixelDpi) {
    return pixelDpi > 0 && pixelDpi % USER_DEFAULT_SCREEN_DPI == 0 ? USER_DEFAULT_SCREEN_DPI
                                                                   : pixelDpi;
}

Bitmap& ScaledPicture::For(int pixelDpi) {
    const int dpi = PictureDpiFor(pixelDpi);
    if (bitmap_ && dpi == dpi_) {
        return bitmap_;
    }
    bitmap_ = dpi == USER_DEFAULT_SCREEN_DPI ? LoadBitmap(IDB_PICTURE) : DrawnPicture(dpi);
    dpi_ = dpi;
    PreparePictureBackground(bitmap_, window_);
    return bitmap_;
}

void ScaledPicture::ChangeWindowColour(Colour window) {
    window_ = window;
    PreparePictureBackground(bitmap_, window_);
}

}  // namespace kolvar
