#pragma once

// Inside the platform only: what a Surface and its drawing objects are made of on Qt.

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <memory>
#include <optional>

#include "platform/surface.h"

namespace kolvar {

struct BitmapData {
    QImage image;  // Format_RGB32 for colour bitmaps, Format_Mono for one-bit ones
};

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

// The one way to make a surface's state; a painter surface needs its painter.
std::unique_ptr<SurfaceState> NewSurfaceState(SurfaceKind kind, const QFont& defaultFont,
                                              int logPixelsY, QPainter* painter = nullptr);

// What a fresh window or screen surface writes in: the application's font in bold, wider than
// the menu font, so that labels measured in it have room on both sides when drawn in that.
QFont DefaultSurfaceFont();

SurfaceState& StateOf(const Surface& surface);
BitmapData& DataOf(const Bitmap& bitmap);
const FontData& DataOf(const Font& font);
const IconData& DataOf(const Icon& icon);

// The raster of the bitmap selected into a memory surface, or nullptr.
QImage* SelectedImage(const SurfaceState& state);

// A surface over a painter, as a concrete object.
class PainterSurface : public Surface {
public:
    PainterSurface(QPainter& painter, const QFont& defaultFont, int logPixelsY)
        : Surface(NewSurfaceState(SurfaceKind::painter, defaultFont, logPixelsY, &painter)) {}
};

// For the length of one operation: the surface's own painter, its state saved and restored, or
// a painter opened on the selected colour bitmap and closed again, so that no painter outlives
// the operation on a bitmap that may be deselected or destroyed next. Pixel-exact: no
// antialiasing except for text.
class SurfacePainter {
public:
    explicit SurfacePainter(const SurfaceState& state);
    ~SurfacePainter();
    SurfacePainter(const SurfacePainter&) = delete;
    SurfacePainter& operator=(const SurfacePainter&) = delete;

    explicit operator bool() const { return painter_ != nullptr; }
    QPainter* operator->() const { return painter_; }
    QPainter& operator*() const { return *painter_; }

private:
    std::optional<QPainter> own_;
    QPainter* painter_ = nullptr;
    bool borrowed_ = false;
};

}  // namespace kolvar
