#pragma once

// Inside the platform only: the painter one drawing operation uses.

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <optional>

#include "platform/surface_state.h"

namespace kolvar {

// A memory surface has a stock bitmap of its own; window, menu-item and measuring surfaces
// have none.
bool IsMemorySurface(const SurfaceState& state);

// The raster of the bitmap selected into a memory surface, or nullptr.
QImage* SelectedImage(const SurfaceState& state);

Colour BrushColour(const SurfaceState& state);
Colour PenColour(const SurfaceState& state);
int PenWidth(const SurfaceState& state);
const QFont& SelectedFont(const SurfaceState& state);

// Metrics of the selected font on the device the surface draws on.
QFontMetrics SelectedFontMetrics(const SurfaceState& state);

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
