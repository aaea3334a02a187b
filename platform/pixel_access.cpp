#include "platform/flood_fill.h"
#include "platform/qt_conversions.h"
#include "platform/surface.h"
#include "platform/surface_painter.h"

namespace kolvar {
namespace {

// One-bit rasters hold black as 0 and white as 1; a colour goes to the nearer of the two.
constexpr int kMidGrey = 128;

void WritePixel(QImage& image, int x, int y, Colour colour) {
    if (image.format() == QImage::Format_RGB32) {
        reinterpret_cast<QRgb*>(image.scanLine(y))[x] = ToQRgb(colour);
    } else {
        image.setPixel(x, y, qGray(ToQRgb(colour)) >= kMidGrey ? 1 : 0);
    }
}

}  // namespace

Colour Surface::GetPixel(int x, int y) const {
    const QImage* image = SelectedImage(state());
    if (image == nullptr || !image->rect().contains(x, y)) {
        return CLR_INVALID;
    }
    return FromQRgb(image->pixel(x, y));
}

void Surface::SetPixel(int x, int y, Colour colour) {
    QImage* image = SelectedImage(state());
    if (image != nullptr && image->rect().contains(x, y)) {
        WritePixel(*image, x, y, colour);
    }
}

bool Surface::ExtFloodFill(int x, int y, Colour colour, FloodFillType type) {
    QImage* image = SelectedImage(state());
    return image != nullptr && FloodFill(*image, {x, y}, colour, BrushColour(state()), type);
}

}  // namespace kolvar
