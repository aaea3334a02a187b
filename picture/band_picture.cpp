#include "picture/band_picture.h"

#include <cstddef>

#include "picture/picture_colours.h"
#include "platform/bitmap_bits.h"
#include "platform/geometry.h"

namespace kolvar {
namespace {

// Where the bands go in the picture at 100 %: the 200 columns from column 75 on. They start on
// the left cap's flat top (columns 63 to 102), cross the waist and end on the right cap's (250
// to 289), clear of the steep curves at the body's ends (columns 50 and 302).
constexpr int kBandAreaLeft = 75;
constexpr int kBandAreaWidth = 200;

// A window colour equal to the outline would make the outside a border of its own: the edge
// lines would find no outline and every band would flood the body. One step lighter looks the
// same and keeps the outline the only border.
Colour OutsideColour(Colour windowColour) {
    return windowColour == OUTLINE_GREY ? Rgb(129, 129, 129) : windowColour;
}

// Colours one column of the band between the outline's upper and lower edge, however many pixels
// the outline is thick there.
void PaintEdgeLine(BitmapBits& pixels, int x, Colour colour) {
    const int height = pixels.Height();
    int y = 0;
    while (y < height && pixels.GetPixel(x, y) != OUTLINE_GREY) {
        ++y;
    }
    while (y < height && pixels.GetPixel(x, y) == OUTLINE_GREY) {
        ++y;
    }
    for (; y < height && pixels.GetPixel(x, y) != OUTLINE_GREY; ++y) {
        pixels.SetPixel(x, y, colour);
    }
}

// Both edge lines first, so that the fill between them follows the outline's curve and stops.
void PaintBand(BitmapBits& pixels, SlotColumns columns, ColourCode code) {
    const Colour colour = ColourOf(code);
    PaintEdgeLine(pixels, columns.left, colour);
    PaintEdgeLine(pixels, columns.right, colour);
    const int fillX = columns.right - 1;
    const int middle = pixels.Height() / 2;
    const Colour inside = pixels.GetPixel(fillX, middle);
    pixels.ExtFloodFill(fillX, middle, inside, FLOODFILLSURFACE, Brush(colour));
}

// The body and the bands, on the picture's own pixels.
void LayBands(Bitmap& picture, const BandCode& code, int dpi) {
    BitmapBits pixels(picture);
    if (!pixels) {
        return;
    }
    pixels.ExtFloodFill(pixels.Width() / 2, pixels.Height() / 2, OUTLINE_GREY, FLOODFILLBORDER,
                        Brush(BODY_BEIGE));
    const BandSlots slots = BandsInDrawingOrder(code);
    const int bandCount = BandCount(code);
    for (int slot = 0; slot < bandCount; ++slot) {
        if (const auto band = slots[static_cast<std::size_t>(slot)]) {
            PaintBand(pixels, BandSlotColumns(bandCount, slot, dpi), *band);
        }
    }
}

}  // namespace

SlotColumns BandSlotColumns(int bandCount, int slot, int dpi) {
    const int edges = bandCount * 2;
    const int left = ScaledForDpi(kBandAreaLeft, dpi);
    const int width = ScaledForDpi(kBandAreaWidth, dpi);
    return {MulDiv(2 * slot, width, edges) + left, MulDiv(2 * slot + 1, width, edges) + left};
}

void PreparePictureBackground(Bitmap& picture, Colour windowColour) {
    BitmapBits pixels(picture);
    if (pixels) {
        pixels.ExtFloodFill(0, 0, OUTLINE_GREY, FLOODFILLBORDER,
                            Brush(OutsideColour(windowColour)));
    }
}

Rect PictureRect(const Bitmap& picture, const Rect& area, int dpi, int pictureDpi) {
    if (!picture) {
        return {};
    }
    const BitmapInfo info = GetObject(picture);
    const int width = MulDiv(info.width, dpi, pictureDpi);
    const int height = MulDiv(info.height, dpi, pictureDpi);
    const int left = area.left + (area.Width() - width) / 2;
    const int top = area.top + (area.Height() - height) / 2;
    return {left, top, left + width, top + height};
}

// The finished picture goes to the target in one copy.
void PaintPicture(Bitmap& picture, Surface& target, Rect& area, const BandCode& code, int dpi,
                  int pictureDpi) {
    if (!picture) {
        return;
    }
    const Rect place = PictureRect(picture, area, dpi, pictureDpi);
    OffsetRect(area, place.left - area.left, place.top - area.top);
    LayBands(picture, code, pictureDpi);

    const BitmapInfo info = GetObject(picture);
    auto memory = CreateCompatibleDC(target);
    Selected selectedPicture(memory, picture);
    const int previousMode = target.SetStretchBltMode(COLORONCOLOR);
    target.StretchBlt(place.left, place.top, place.Width(), place.Height(), memory, 0, 0,
                      info.width, info.height, SRCCOPY);
    target.SetStretchBltMode(previousMode);
}

}  // namespace kolvar
