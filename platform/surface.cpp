#include "platform/surface.h"

#include <QGuiApplication>
#include <QScreen>

#include "platform/surface_painter.h"
#include "platform/surface_state.h"

namespace kolvar {
namespace {

constexpr int kUnknownDpi = 96;

Bitmap StockBitmap() {
    QImage image(1, 1, QImage::Format_Mono);
    image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    image.fill(0);
    return Bitmap(std::make_unique<BitmapData>(BitmapData{std::move(image)}));
}

std::unique_ptr<SurfaceState> MemorySurfaceState(const QFont& defaultFont, int logPixelsY) {
    auto state = std::make_unique<SurfaceState>();
    state->stockBitmap = StockBitmap();
    state->bitmap = &state->stockBitmap;
    state->defaultFont = defaultFont;
    state->logPixelsY = logPixelsY;
    return state;
}

std::unique_ptr<SurfaceState> MemorySurfaceState(const Surface& compatibleWith) {
    return MemorySurfaceState(compatibleWith.state().defaultFont,
                              compatibleWith.state().logPixelsY);
}

std::unique_ptr<SurfaceState> ScreenMemorySurfaceState() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int dpi = screen != nullptr ? qRound(screen->logicalDotsPerInchY()) : kUnknownDpi;
    return MemorySurfaceState(QGuiApplication::font(), dpi);
}

template <class Value>
Value Exchange(Value& slot, Value value) {
    const Value previous = slot;
    slot = value;
    return previous;
}

}  // namespace

std::unique_ptr<SurfaceState> PainterSurfaceState(QPainter& painter, const QFont& defaultFont,
                                                  int logPixelsY) {
    auto state = MeasuringSurfaceState(defaultFont, logPixelsY);
    state->painter = &painter;
    return state;
}

std::unique_ptr<SurfaceState> MeasuringSurfaceState(const QFont& defaultFont, int logPixelsY) {
    auto state = std::make_unique<SurfaceState>();
    state->defaultFont = defaultFont;
    state->logPixelsY = logPixelsY > 0 ? logPixelsY : kUnknownDpi;
    return state;
}

Surface::Surface(std::unique_ptr<SurfaceState> state) : state_(std::move(state)) {}

Surface::~Surface() = default;

// A null object puts the stock one back.
const Brush* Surface::SelectObject(const Brush* brush) {
    return Exchange(state_->brush, brush);
}

const Pen* Surface::SelectObject(const Pen* pen) {
    return Exchange(state_->pen, pen);
}

const Font* Surface::SelectObject(const Font* font) {
    return Exchange(state_->font, font);
}

// Only memory surfaces take bitmaps; elsewhere nothing is selected and nullptr comes back.
Bitmap* Surface::SelectObject(Bitmap* bitmap) {
    if (!IsMemorySurface(*state_)) {
        return nullptr;
    }
    return Exchange(state_->bitmap, bitmap != nullptr ? bitmap : &state_->stockBitmap);
}

int Surface::SetBkMode(int mode) {
    return Exchange(state_->backgroundMode, mode);
}

Colour Surface::SetTextColor(Colour colour) {
    return Exchange(state_->textColour, colour);
}

Colour Surface::SetBkColor(Colour colour) {
    return Exchange(state_->backgroundColour, colour);
}

int Surface::GetDeviceCaps(int index) const {
    return index == LOGPIXELSY ? state_->logPixelsY : 0;
}

MemorySurface::MemorySurface() : Surface(ScreenMemorySurfaceState()) {}

MemorySurface::MemorySurface(const Surface& compatibleWith)
    : Surface(MemorySurfaceState(compatibleWith)) {}

MemorySurface::~MemorySurface() = default;

}  // namespace kolvar
