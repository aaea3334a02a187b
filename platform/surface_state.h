#pragma once

// Inside the platform only: what a Surface is made of on Qt.

#include <QFont>
#include <QImage>
#include <QPainter>
#include <memory>

#include "platform/surface.h"

namespace kolvar {

struct BitmapData {
    QImage image;  // Format_RGB32 for colour bitmaps, Format_Mono for one-bit ones
};

struct FontData {
    QFont font;
};

struct SurfaceState {
    // Window and menu-item surfaces draw through a painter that someone else owns; memory
    // surfaces draw into the bitmap selected into them.
    QPainter* painter = nullptr;
    Bitmap* bitmap = nullptr;
    Bitmap stockBitmap;  // what a fresh memory surface holds: one pixel, one bit

    const Brush* brush = nullptr;
    const Pen* pen = nullptr;
    const Font* font = nullptr;  // nullptr: the surface's default font
    QFont defaultFont;

    Colour textColour = 0x000000;
    Colour backgroundColour = 0xFFFFFF;
    int backgroundMode = OPAQUE;
    int logPixelsY = 96;
};

// A surface that draws through an active painter, e.g. a window's paint event or a menu item.
std::unique_ptr<SurfaceState> PainterSurfaceState(QPainter& painter, const QFont& defaultFont,
                                                  int logPixelsY);

// For surfaces that only measure text: no painter, no bitmap.
std::unique_ptr<SurfaceState> MeasuringSurfaceState(const QFont& defaultFont, int logPixelsY);

// A surface over a painter, as a concrete object.
class PainterSurface : public Surface {
public:
    PainterSurface(QPainter& painter, const QFont& defaultFont, int logPixelsY)
        : Surface(PainterSurfaceState(painter, defaultFont, logPixelsY)) {}
};

}  // namespace kolvar
