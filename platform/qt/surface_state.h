#pragma once

// Inside the platform only: what a Surface and its drawing objects are made of on Qt.

#include <QFont>
#include <QImage>
#include <QPainter>

#include "platform/drawing_access.h"
#include "platform/surface.h"

namespace kolvar {

struct BitmapData {
    QImage image;  // Format_RGB32 for colour bitmaps, Format_Mono for one-bit ones
};

// A one-bit raster as a bitmap keeps it, all 0 bits: read alone, 0 is black and 1 white; copied
// onto a surface, the bits take that surface's colours instead.
inline QImage OneBitImage(int width, int height) {
    QImage image(width, height, QImage::Format_Mono);
    image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    image.fill(0);
    return image;
}

struct FontData {
    QFont font;
};

// Both with an alpha channel made from the icon's mask.
struct IconData {
    QImage large;  // SM_CXICON x SM_CYICON
    QImage small;  // for title bars and task bars
};

// Memory surfaces draw into the bitmap selected into them, painter surfaces through a painter
// that someone else owns, and measuring surfaces only measure text.
enum class SurfaceKind { memory, painter, measuring };

struct SurfaceState {
    SurfaceKind kind = SurfaceKind::measuring;
    QPainter* painter = nullptr;  // a painter surface's
    Bitmap* bitmap = nullptr;     // a memory surface's
    Bitmap stockBitmap;           // what a fresh memory surface holds: one pixel, one bit

    const Brush* brush = nullptr;
    const Pen* pen = nullptr;
    const Font* font = nullptr;  // nullptr: the surface's default font
    QFont defaultFont;

    Colour textColour = 0x000000;
    Colour backgroundColour = 0xFFFFFF;
    int backgroundMode = OPAQUE;
    int logPixelsY = 96;
};

// A surface over a painter that someone else owns, as a concrete object.
class PainterSurface : public Surface {
public:
    PainterSurface(QPainter& painter, const QFont& defaultFont, int logPixelsY);
};

}  // namespace kolvar
