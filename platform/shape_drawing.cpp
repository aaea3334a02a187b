#include <QRect>
#include <algorithm>
#include <utility>

#include "platform/qt_conversions.h"
#include "platform/surface.h"
#include "platform/surface_painter.h"

namespace kolvar {
namespace {

void Fill(QPainter& painter, const QRect& area, Colour colour) {
    if (area.isValid()) {
        painter.fillRect(area, ToQColor(colour));
    }
}

// The outline lies on the rectangle's outermost pixels, as thick as the pen, inside its edges.
void DrawFrame(QPainter& painter, const QRect& area, int thickness, Colour colour) {
    const int across = std::min(thickness, area.height());
    const int down = std::min(thickness, area.width());
    Fill(painter, QRect(area.left(), area.top(), area.width(), across), colour);
    Fill(painter, QRect(area.left(), area.bottom() - across + 1, area.width(), across), colour);
    Fill(painter, QRect(area.left(), area.top(), down, area.height()), colour);
    Fill(painter, QRect(area.right() - down + 1, area.top(), down, area.height()), colour);
}

// The part of the source raster that exists, and where it lands on the destination.
struct BlitArea {
    QRect source;
    QPoint target;
};

BlitArea ClipToSource(const QImage& image, int x, int y, int width, int height, int sourceX,
                      int sourceY) {
    const QRect wanted(sourceX, sourceY, width, height);
    const QRect source = wanted.intersected(image.rect());
    return {source, QPoint(x + source.left() - sourceX, y + source.top() - sourceY)};
}

// A one-bit source takes the destination's colours: 0 bits its text colour, 1 bits its
// background colour.
QImage SourcePixels(const QImage& image, const QRect& area, const SurfaceState& destination) {
    QImage pixels = image.copy(area);
    if (pixels.format() == QImage::Format_Mono || pixels.format() == QImage::Format_MonoLSB) {
        pixels.setColorTable(
            {ToQRgb(destination.textColour), ToQRgb(destination.backgroundColour)});
    }
    return pixels.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

void Surface::FillRect(const Rect& rect, const Brush& brush) {
    if (SurfacePainter painter{state()}) {
        Fill(*painter, ToQRect(rect), brush.colour());
    }
}

void Surface::Rectangle(int left, int top, int right, int bottom) {
    const QRect area = ToQRect({std::min(left, right), std::min(top, bottom), std::max(left, right),
                                std::max(top, bottom)});
    SurfacePainter painter{state()};
    if (!painter || area.isEmpty()) {
        return;
    }
    const int thickness = PenWidth(state());
    Fill(*painter, area.adjusted(thickness, thickness, -thickness, -thickness),
         BrushColour(state()));
    DrawFrame(*painter, area, thickness, PenColour(state()));
}

void Surface::BitBlt(int x, int y, int width, int height, const Surface& source, int sourceX,
                     int sourceY, unsigned rop) {
    const QImage* image = SelectedImage(source.state());
    if (rop != SRCCOPY || image == nullptr) {
        return;
    }
    const BlitArea area = ClipToSource(*image, x, y, width, height, sourceX, sourceY);
    SurfacePainter painter{state()};
    if (!painter || area.source.isEmpty()) {
        return;
    }
    painter->setCompositionMode(QPainter::CompositionMode_Source);
    // A colour raster is drawn straight from its own pixels: copying it first cost more than
    // the rest of a view's paint. A one-bit one needs the destination's colours, and a copy
    // within one raster must read the pixels before it overwrites them.
    if (image->format() == QImage::Format_RGB32 && image != SelectedImage(state())) {
        painter->drawImage(area.target, *image, area.source);
        return;
    }
    painter->drawImage(area.target, SourcePixels(*image, area.source, state()));
}

}  // namespace kolvar
