#include "picture/band_picture.h"

#include <cstddef>

#include "picture/picture_colours.h"
#include "platform/geometry.h"

namespace kolvar {
namespace {

// Where the bands go in the generated picture: the 200 columns from column 75 on. They start on
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

// Colours one column of the band between the outline's upper and lower edge.
void PaintEdgeLine(Surface& surface, int x, int height, Colour colour) {
    int y = 0;
    while (y < height && surface.GetPixel(x, y) != OUTLINE_GREY) {
        ++y;
    }
    for (++y; y < height && surface.GetPixel(x, y) != OUTLINE_GREY; ++y) {
        surface.SetPixel(x, y, colour);
    }
}

// Both edge lines first, so that the fill between them follows the outline's curve and stops.
void PaintBand(Surface& surface, SlotColumns columns, int height, ColourCode code) {
    const Colour colour = ColourOf(code);
    PaintEdgeLine(surface, columns.left, height, colour);
    PaintEdgeLine(surface, columns.right, height, colour);
    const int fillX = columns.right - 1;
    const Colour inside = surface.GetPixel(fillX, height / 2);
    Brush brush(colour);
    Selected selectedBrush(surface, brush);
    surface.ExtFloodFill(fillX, height / 2, inside, FLOODFILLSURFACE);
}

}  // namespace

SlotColumns BandSlotColumns(int bandCount, int slot) {
    const int edges = bandCount * 2;
    return {MulDiv(2 * slot, kBandAreaWidth, edges) + kBandAreaLeft,
            MulDiv(2 * slot + 1, kBandAreaWidth, edges) + kBandAreaLeft};
}

void PreparePictureBackground(Bitmap& picture, const Surface& compatibleWith, Colour windowColour) {
    if (!picture) {
        return;
    }
    auto memory = CreateCompatibleDC(compatibleWith);
    Selected selectedPicture(memory, picture);
    Brush brush(OutsideColour(windowColour));
    Selected selectedBrush(memory, brush);
    memory.ExtFloodFill(0, 0, OUTLINE_GREY, FLOODFILLBORDER);
}

void PaintPicture(Bitmap& picture, Surface& target, Rect& area, const BandCode& code) {
    if (!picture) {
        return;
    }
    const BitmapInfo info = GetObject(picture);
    OffsetRect(area, (area.Width() - info.width) / 2, (area.Height() - info.height) / 2);

    auto memory = CreateCompatibleDC(target);
    Selected selectedPicture(memory, picture);
    Brush body(BODY_BEIGE);
    Selected selectedBody(memory, body);
    memory.ExtFloodFill(info.width / 2, info.height / 2, OUTLINE_GREY, FLOODFILLBORDER);

    const BandSlots slots = BandsInDrawingOrder(code);
    const int bandCount = BandCount(code);
    for (int slot = 0; slot < bandCount; ++slot) {
        if (const auto band = slots[static_cast<std::size_t>(slot)]) {
            PaintBand(memory, BandSlotColumns(bandCount, slot), info.height, *band);
        }
    }
    target.BitBlt(area.left, area.top, info.width, info.height, memory, 0, 0, SRCCOPY);
}

}  // namespace kolvar
