#include "platform/qt/surface.h"

#include <QApplication>
#include <QRect>
#include <QRectF>
#include <QString>
#include <optional>
#include <utility>

#include "platform/drawing_rules.h"
#include "platform/qt/drawing_objects.h"
#include "platform/qt/qt_conversions.h"
#include "platform/qt/window.h"

namespace kolvar {
namespace {

// Only colour rasters are drawn on; a one-bit bitmap is only read.
QImage* DrawableImage(const QtSurface& surface) {
    QImage* image = surface.SelectedImage();
    return image != nullptr && image->format() == QImage::Format_RGB32 ? image : nullptr;
}

// What a fresh window or screen surface writes in: the application's font in bold, wider than
// the menu font, so that labels measured in it have room on both sides when drawn in that.
QFont DefaultSurfaceFont() {
    QFont font = QApplication::font();
    font.setBold(true);
    return font;
}

// For the length of one operation: the surface's own painter, its state saved and restored, or
// a painter opened on the selected colour bitmap and closed again, so that no painter outlives
// the operation on a bitmap that may be deselected or destroyed next. Pixel-exact: no
// antialiasing except for text.
class SurfacePainter {
public:
    explicit SurfacePainter(const QtSurface& surface) {
        if (surface.Painter() != nullptr) {
            painter_ = surface.Painter();
            borrowed_ = true;
            painter_->save();
        } else if (QImage* image = DrawableImage(surface)) {
            painter_ = &own_.emplace(image);
        }
        if (painter_ != nullptr) {
            painter_->setRenderHint(QPainter::Antialiasing, false);
            painter_->setRenderHint(QPainter::SmoothPixmapTransform, false);
            painter_->setRenderHint(QPainter::TextAntialiasing, true);
        }
    }
    ~SurfacePainter() {
        if (borrowed_) {
            painter_->restore();
        }
    }
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

void Fill(QPainter& painter, const QRect& area, Colour colour) {
    if (area.isValid()) {
        painter.fillRect(area, ToQColor(colour));
    }
}

// The outline lies on the rectangle's outermost pixels, one pixel wide, or on a device that
// spans several pixels per coordinate as many whole device pixels as the ratio rounds to, the
// same on every side: a coordinate's 1.5 pixels would make some sides one pixel, others two.
void DrawFrame(QPainter& painter, const QRect& area, Colour pen, Colour brush) {
    const qreal ratio = painter.device() != nullptr ? painter.device()->devicePixelRatio() : 1.0;
    const auto device = [ratio](int coordinate) { return qRound(coordinate * ratio); };
    const int left = device(area.left());
    const int top = device(area.top());
    const int right = device(area.left() + area.width());
    const int bottom = device(area.top() + area.height());
    const int stroke = qMax(1, qRound(ratio));
    const auto fill = [&](int x0, int y0, int x1, int y1, Colour colour) {
        if (x1 > x0 && y1 > y0) {
            painter.fillRect(QRectF(x0 / ratio, y0 / ratio, (x1 - x0) / ratio, (y1 - y0) / ratio),
                             ToQColor(colour));
        }
    };
    fill(left + stroke, top + stroke, right - stroke, bottom - stroke, brush);
    fill(left, top, right, top + stroke, pen);
    fill(left, bottom - stroke, right, bottom, pen);
    fill(left, top, left + stroke, bottom, pen);
    fill(right - stroke, top, right, bottom, pen);
}

// The part of the source raster that exists, and where it lands on the destination.
struct BlitArea {
    QRect source;
    QPoint target;
};

BlitArea ClipToSource(const QImage& image, const Rect& to, Point from) {
    const QRect wanted(from.x, from.y, to.Width(), to.Height());
    const QRect source = wanted.intersected(image.rect());
    return {source, QPoint(to.left + source.left() - from.x, to.top + source.top() - from.y)};
}

// A one-bit source takes the destination's colours: 0 bits its text colour, 1 bits its
// background colour.
QImage SourcePixels(const QImage& image, const QRect& area, Colour text, Colour background) {
    QImage pixels = image.copy(area);
    if (pixels.format() == QImage::Format_Mono || pixels.format() == QImage::Format_MonoLSB) {
        pixels.setColorTable({ToQRgb(text), ToQRgb(background)});
    }
    return pixels.convertToFormat(QImage::Format_RGB32);
}

// A source drawn for the device's own pixels lands on a whole target whose size in device pixels
// is a fraction off its own (353 coordinates are 529.5 pixels at 150 %); it is copied pixel for
// pixel rather than shrunk by that fraction, which would drop a column of it.
QRectF DevicePixelTarget(const QPainter& painter, const QRect& target, const QRect& source) {
    const qreal ratio = painter.device() != nullptr ? painter.device()->devicePixelRatio() : 1.0;
    const bool ownPixels = qAbs(target.width() * ratio - source.width()) < 1.0 &&
                           qAbs(target.height() * ratio - source.height()) < 1.0;
    if (!ownPixels) {
        return QRectF(target);
    }
    return QRectF(QPointF(target.topLeft()), QSizeF(source.size()) / ratio);
}

int WindowDpi(const CWnd& window) {
    const QtWindow* native = QtWindowOf(window);
    return native != nullptr && native->widget ? native->widget->logicalDpiY() : kDesignDpi;
}

}  // namespace

QtSurface::QtSurface(SurfaceKind kind, const QFont& defaultFont, int logPixelsY, QPainter* painter)
    : kind_(kind),
      painter_(painter),
      defaultFont_(defaultFont),
      logPixelsY_(logPixelsY > 0 ? logPixelsY : kDesignDpi) {}

double QtSurface::DevicePixelRatio() const {
    return painter_ != nullptr && painter_->device() != nullptr
               ? painter_->device()->devicePixelRatio()
               : 1.0;
}

QImage* QtSurface::SelectedImage() const {
    return bitmap_ != nullptr && !bitmap_->image.isNull() ? &bitmap_->image : nullptr;
}

const QFont& QtSurface::SelectedFont() const {
    return font_ != nullptr ? font_->font : defaultFont_;
}

// Metrics of the selected font on the device the surface draws on.
QFontMetrics QtSurface::SelectedFontMetrics() const {
    if (painter_ != nullptr && painter_->device() != nullptr) {
        return QFontMetrics(SelectedFont(), painter_->device());
    }
    if (const QImage* image = SelectedImage()) {
        return QFontMetrics(SelectedFont(), image);
    }
    return QFontMetrics(SelectedFont());
}

void QtSurface::SelectFont(const NativeFont* font) {
    font_ = static_cast<const QtFont*>(font);
}

void QtSurface::SelectBitmap(NativeBitmap* bitmap) {
    if (kind_ == SurfaceKind::memory) {
        bitmap_ = static_cast<QtBitmap*>(bitmap);
    }
}

int QtSurface::SetBkMode(int mode) {
    return std::exchange(backgroundMode_, mode);
}

Colour QtSurface::SetTextColor(Colour colour) {
    return std::exchange(textColour_, colour);
}

Colour QtSurface::SetBkColor(Colour colour) {
    return std::exchange(backgroundColour_, colour);
}

void QtSurface::FillRect(const Rect& rect, Colour colour) {
    if (SurfacePainter painter{*this}) {
        Fill(*painter, ToQRect(rect), colour);
    }
}

void QtSurface::Rectangle(const Rect& rect, Colour pen, Colour brush) {
    const QRect area = ToQRect(rect);
    SurfacePainter painter{*this};
    if (!painter || area.isEmpty()) {
        return;
    }
    DrawFrame(*painter, area, pen, brush);
}

void QtSurface::BitBlt(const Rect& to, const NativeSurface& source, Point from) {
    const QImage* image = static_cast<const QtSurface&>(source).SelectedImage();
    if (image == nullptr) {
        return;
    }
    const BlitArea area = ClipToSource(*image, to, from);
    SurfacePainter painter{*this};
    if (painter && !area.source.isEmpty()) {
        DrawSourcePixels(*painter, QRect(area.target, area.source.size()), *image, area.source);
    }
}

// Without smoothing, Qt samples the source pixel under each target pixel's centre.
void QtSurface::StretchBlt(const Rect& to, const NativeSurface& source, const Rect& from) {
    const QImage* image = static_cast<const QtSurface&>(source).SelectedImage();
    SurfacePainter painter{*this};
    if (image != nullptr && painter && to.Width() > 0 && to.Height() > 0) {
        DrawSourcePixels(*painter, ToQRect(to), *image, ToQRect(from));
    }
}

// A colour raster is drawn straight from its own pixels: copying it first cost more than the
// rest of a view's paint. A one-bit one needs the destination's colours, and a copy within one
// raster must read the pixels before it overwrites them.
void QtSurface::DrawSourcePixels(QPainter& painter, const QRect& target, const QImage& image,
                                 const QRect& source) const {
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const QRectF place = DevicePixelTarget(painter, target, source);
    if (image.format() == QImage::Format_RGB32 && &image != SelectedImage()) {
        painter.drawImage(place, image, QRectF(source));
        return;
    }
    painter.drawImage(place, SourcePixels(image, source, textColour_, backgroundColour_));
}

Colour QtSurface::GetPixel(Point point) const {
    const QImage* image = SelectedImage();
    if (image == nullptr || !image->rect().contains(point.x, point.y)) {
        return CLR_INVALID;
    }
    return FromQRgb(image->pixel(point.x, point.y));
}

int QtSurface::DrawText(std::string_view text, Rect& rect, unsigned format) {
    const QString line = FromUtf8(text);
    const QFontMetrics metrics = SelectedFontMetrics();
    const Size cell{metrics.horizontalAdvance(line), metrics.height()};
    SurfacePainter painter{*this};
    if (!painter) {
        return cell.cy;
    }
    const Point origin = TextCellOrigin(rect, cell, format);
    painter->setClipRect(ToQRect(rect), Qt::IntersectClip);
    if (backgroundMode_ == OPAQUE) {
        painter->fillRect(QRect(origin.x, origin.y, cell.cx, cell.cy), ToQColor(backgroundColour_));
    }
    painter->setFont(SelectedFont());
    painter->setPen(ToQColor(textColour_));
    painter->drawText(QPoint(origin.x, origin.y + metrics.ascent()), line);
    return cell.cy;
}

Size QtSurface::TextExtent(std::string_view text) const {
    const QFontMetrics metrics = SelectedFontMetrics();
    return {metrics.horizontalAdvance(FromUtf8(text)), metrics.height()};
}

// The mask became the alpha channel: where it is set, the surface shows through.
bool QtSurface::DrawIcon(Point at, const NativeIcon& icon) {
    const SurfacePainter painter(*this);
    if (!painter) {
        return false;
    }
    painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter->drawImage(QPoint(at.x, at.y), QtIconOf(icon).large);
    return true;
}

std::unique_ptr<NativeSurface> CreateMemorySurface(const NativeSurface* like) {
    if (like == nullptr) {
        return std::make_unique<QtSurface>(SurfaceKind::memory, DefaultSurfaceFont(), ScreenDpi());
    }
    const auto& surface = static_cast<const QtSurface&>(*like);
    return std::make_unique<QtSurface>(SurfaceKind::memory, surface.DefaultFont(),
                                       surface.LogPixelsY());
}

// Qt ends the paint when the paint event returns, after this surface is gone. Outside a paint
// there is nothing to draw on, but the surface still measures.
std::unique_ptr<NativeSurface> CreatePaintSurface(CWnd& window) {
    const QtWindow* native = QtWindowOf(window);
    QPainter* painter = native != nullptr ? native->painter : nullptr;
    const SurfaceKind kind = painter != nullptr ? SurfaceKind::paint : SurfaceKind::client;
    return std::make_unique<QtSurface>(kind, DefaultSurfaceFont(), WindowDpi(window), painter);
}

std::unique_ptr<NativeSurface> CreateClientSurface(CWnd& window) {
    return std::make_unique<QtSurface>(SurfaceKind::client, DefaultSurfaceFont(),
                                       WindowDpi(window));
}

}  // namespace kolvar
