#include "platform/surface_painter.h"

#include <algorithm>

namespace kolvar {
namespace {

constexpr Colour kStockBrushColour = 0xFFFFFF;
constexpr Colour kStockPenColour = 0x000000;

// Only colour rasters are drawn on; the one-bit stock bitmap takes pixels only.
QImage* DrawableImage(const SurfaceState& state) {
    QImage* image = SelectedImage(state);
    return image != nullptr && image->format() == QImage::Format_RGB32 ? image : nullptr;
}

}  // namespace

bool IsMemorySurface(const SurfaceState& state) {
    return static_cast<bool>(state.stockBitmap);
}

QImage* SelectedImage(const SurfaceState& state) {
    if (state.bitmap == nullptr || !*state.bitmap || state.bitmap->data().image.isNull()) {
        return nullptr;
    }
    return &state.bitmap->data().image;
}

Colour BrushColour(const SurfaceState& state) {
    return state.brush != nullptr ? state.brush->colour() : kStockBrushColour;
}

Colour PenColour(const SurfaceState& state) {
    return state.pen != nullptr ? state.pen->colour() : kStockPenColour;
}

int PenWidth(const SurfaceState& state) {
    return state.pen != nullptr ? std::max(1, state.pen->width()) : 1;
}

const QFont& SelectedFont(const SurfaceState& state) {
    return state.font != nullptr ? state.font->data().font : state.defaultFont;
}

QFontMetrics SelectedFontMetrics(const SurfaceState& state) {
    if (state.painter != nullptr && state.painter->device() != nullptr) {
        return QFontMetrics(SelectedFont(state), state.painter->device());
    }
    if (const QImage* image = SelectedImage(state)) {
        return QFontMetrics(SelectedFont(state), image);
    }
    return QFontMetrics(SelectedFont(state));
}

SurfacePainter::SurfacePainter(const SurfaceState& state) {
    if (state.painter != nullptr) {
        painter_ = state.painter;
        borrowed_ = true;
        painter_->save();
    } else if (QImage* image = DrawableImage(state)) {
        painter_ = &own_.emplace(image);
    }
    if (painter_ != nullptr) {
        painter_->setRenderHint(QPainter::Antialiasing, false);
        painter_->setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter_->setRenderHint(QPainter::TextAntialiasing, true);
    }
}

SurfacePainter::~SurfacePainter() {
    if (borrowed_) {
        painter_->restore();
    }
}

}  // namespace kolvar
