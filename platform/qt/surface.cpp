#include "platform/surface.h"

#include <QApplication>
#include <QFontMetrics>
#include <QRect>
#include <QString>
#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "platform/flood_fill.h"
#include "platform/qt/qt_conversions.h"
#include "platform/qt/surface_state.h"
#include "platform/qt/window_widget.h"

namespace kolvar {
namespace {

constexpr Colour kStockBrushColour = 0xFFFFFF;
constexpr Colour kStockPenColour = 0x000000;

Bitmap StockBitmap() {
    QImage image(1, 1, QImage::Format_Mono);
    image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    image.fill(0);
    return MakeBitmap(std::make_unique<BitmapData>(BitmapData{std::move(image)}));
}

QImage* SelectedImage(const SurfaceState& state) {
    if (state.bitmap == nullptr || !*state.bitmap || DataOf(*state.bitmap).image.isNull()) {
        return nullptr;
    }
    return &DataOf(*state.bitmap).image;
}

// Only colour rasters are drawn on; the one-bit stock bitmap is only read.
QImage* DrawableImage(const SurfaceState& state) {
    QImage* image = SelectedImage(state);
    return image != nullptr && image->format() == QImage::Format_RGB32 ? image : nullptr;
}

// What a fresh window or screen surface writes in: the application's font in bold, wider than
// the menu font, so that labels measured in it have room on both sides when drawn in that.
QFont DefaultSurfaceFont() {
    QFont font = QApplication::font();
    font.setBold(true);
    return font;
}

// The one way to make a surface's state; a painter surface needs its painter.
std::unique_ptr<SurfaceState> NewSurfaceState(SurfaceKind kind, const QFont& defaultFont,
                                              int logPixelsY, QPainter* painter = nullptr) {
    auto state = std::make_unique<SurfaceState>();
    state->kind = kind;
    state->defaultFont = defaultFont;
    state->logPixelsY = logPixelsY > 0 ? logPixelsY : kDesignDpi;
    if (kind == SurfaceKind::painter) {
        state->painter = painter;
    } else if (kind == SurfaceKind::memory) {
        state->stockBitmap = StockBitmap();
        state->bitmap = &state->stockBitmap;
    }
    return state;
}

// For the length of one operation: the surface's own painter, its state saved and restored, or
// a painter opened on the selected colour bitmap and closed again, so that no painter outlives
// the operation on a bitmap that may be deselected or destroyed next. Pixel-exact: no
// antialiasing except for text.
class SurfacePainter {
public:
    explicit SurfacePainter(const SurfaceState& state) {
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

Colour BrushColour(const SurfaceState& state) {
    return state.brush != nullptr ? state.brush->colour() : kStockBrushColour;
}

Colour PenColour(const SurfaceState& state) {
    return state.pen != nullptr ? state.pen->colour() : kStockPenColour;
}

const QFont& SelectedFont(const SurfaceState& state) {
    return state.font != nullptr ? DataOf(*state.font).font : state.defaultFont;
}

// Metrics of the selected font on the device the surface draws on.
QFontMetrics SelectedFontMetrics(const SurfaceState& state) {
    if (state.painter != nullptr && state.painter->device() != nullptr) {
        return QFontMetrics(SelectedFont(state), state.painter->device());
    }
    if (const QImage* image = SelectedImage(state)) {
        return QFontMetrics(SelectedFont(state), image);
    }
    return QFontMetrics(SelectedFont(state));
}

void Fill(QPainter& painter, const QRect& area, Colour colour) {
    if (area.isValid()) {
        painter.fillRect(area, ToQColor(colour));
    }
}

// The one-pixel outline lies on the rectangle's outermost pixels.
void DrawFrame(QPainter& painter, const QRect& area, Colour colour) {
    Fill(painter, QRect(area.left(), area.top(), area.width(), 1), colour);
    Fill(painter, QRect(area.left(), area.bottom(), area.width(), 1), colour);
    Fill(painter, QRect(area.left(), area.top(), 1, area.height()), colour);
    Fill(painter, QRect(area.right(), area.top(), 1, area.height()), colour);
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

// Where the one line's cell (advance by ascent + descent) goes in the rectangle.
QPoint CellOrigin(const Rect& rect, QSize cell, unsigned format) {
    int x = rect.left;
    if (format & DT_CENTER) {
        x += (rect.Width() - cell.width()) / 2;
    }
    int y = rect.top;
    if (format & DT_VCENTER) {
        y += (rect.Height() - cell.height()) / 2;
    } else if (format & DT_BOTTOM) {
        y = rect.bottom - cell.height();
    }
    return {x, y};
}

Raster RasterOf(QImage& image) {
    return {image.bits(), image.bytesPerLine(), image.width(), image.height()};
}

int WindowDpi(const CWnd& window) {
    const QtWindow* native = QtWindowOf(window);
    return native != nullptr && native->widget ? native->widget->logicalDpiY() : kDesignDpi;
}

// Outside a paint there is nothing to draw on, but the surface still measures.
std::unique_ptr<SurfaceState> PaintState(const CWnd& window) {
    const QtWindow* native = QtWindowOf(window);
    QPainter* painter = native != nullptr ? native->painter : nullptr;
    const SurfaceKind kind = painter != nullptr ? SurfaceKind::painter : SurfaceKind::measuring;
    return NewSurfaceState(kind, DefaultSurfaceFont(), WindowDpi(window), painter);
}

}  // namespace

Surface::Surface(std::unique_ptr<SurfaceState> state) : state_(std::move(state)) {}

Surface::~Surface() = default;

// A null object puts the stock one back.
const Brush* Surface::SelectObject(const Brush* brush) {
    return std::exchange(state_->brush, brush);
}

const Pen* Surface::SelectObject(const Pen* pen) {
    return std::exchange(state_->pen, pen);
}

const Font* Surface::SelectObject(const Font* font) {
    return std::exchange(state_->font, font);
}

// Only memory surfaces take bitmaps; elsewhere nothing is selected and nullptr comes back.
Bitmap* Surface::SelectObject(Bitmap* bitmap) {
    if (state_->kind != SurfaceKind::memory) {
        return nullptr;
    }
    return std::exchange(state_->bitmap, bitmap != nullptr ? bitmap : &state_->stockBitmap);
}

int Surface::SetBkMode(int mode) {
    return std::exchange(state_->backgroundMode, mode);
}

Colour Surface::SetTextColor(Colour colour) {
    return std::exchange(state_->textColour, colour);
}

Colour Surface::SetBkColor(Colour colour) {
    return std::exchange(state_->backgroundColour, colour);
}

int Surface::GetDeviceCaps(int index) const {
    return index == LOGPIXELSY ? state_->logPixelsY : 0;
}

void Surface::FillRect(const Rect& rect, const Brush& brush) {
    if (SurfacePainter painter{*state_}) {
        Fill(*painter, ToQRect(rect), brush.colour());
    }
}

void Surface::Rectangle(int left, int top, int right, int bottom) {
    const QRect area = ToQRect({left, top, right, bottom});
    SurfacePainter painter{*state_};
    if (!painter || area.isEmpty()) {
        return;
    }
    Fill(*painter, area.adjusted(1, 1, -1, -1), BrushColour(*state_));
    DrawFrame(*painter, area, PenColour(*state_));
}

void Surface::BitBlt(int x, int y, int width, int height, const Surface& source, int sourceX,
                     int sourceY, unsigned rop) {
    const QImage* image = SelectedImage(*source.state_);
    if (rop != SRCCOPY || image == nullptr) {
        return;
    }
    const BlitArea area = ClipToSource(*image, x, y, width, height, sourceX, sourceY);
    SurfacePainter painter{*state_};
    if (!painter || area.source.isEmpty()) {
        return;
    }
    painter->setCompositionMode(QPainter::CompositionMode_Source);
    // A colour raster is drawn straight from its own pixels: copying it first cost more than
    // the rest of a view's paint. A one-bit one needs the destination's colours, and a copy
    // within one raster must read the pixels before it overwrites them.
    if (image->format() == QImage::Format_RGB32 && image != SelectedImage(*state_)) {
        painter->drawImage(area.target, *image, area.source);
        return;
    }
    painter->drawImage(area.target, SourcePixels(*image, area.source, *state_));
}

Colour Surface::GetPixel(int x, int y) const {
    const QImage* image = SelectedImage(*state_);
    if (image == nullptr || !image->rect().contains(x, y)) {
        return CLR_INVALID;
    }
    return FromQRgb(image->pixel(x, y));
}

// Only colour rasters take pixels.
void Surface::SetPixel(int x, int y, Colour colour) {
    QImage* image = DrawableImage(*state_);
    if (image != nullptr && image->rect().contains(x, y)) {
        reinterpret_cast<QRgb*>(image->scanLine(y))[x] = ToQRgb(colour);
    }
}

bool Surface::ExtFloodFill(int x, int y, Colour colour, FloodFillType type) {
    QImage* image = DrawableImage(*state_);
    return image != nullptr &&
           FloodFill(RasterOf(*image), {x, y}, colour, BrushColour(*state_), type);
}

int Surface::DrawText(std::string_view text, Rect& rect, unsigned format) {
    const QString line = FromUtf8(text);
    const QFontMetrics metrics = SelectedFontMetrics(*state_);
    const QSize cell(metrics.horizontalAdvance(line), metrics.height());
    SurfacePainter painter{*state_};
    if (!painter) {
        return cell.height();
    }
    const QPoint origin = CellOrigin(rect, cell, format);
    painter->setClipRect(ToQRect(rect), Qt::IntersectClip);
    if (state_->backgroundMode == OPAQUE) {
        painter->fillRect(QRect(origin, cell), ToQColor(state_->backgroundColour));
    }
    painter->setFont(SelectedFont(*state_));
    painter->setPen(ToQColor(state_->textColour));
    painter->drawText(origin + QPoint(0, metrics.ascent()), line);
    return cell.height();
}

Size Surface::GetTextExtentPoint32(std::string_view text) const {
    const QFontMetrics metrics = SelectedFontMetrics(*state_);
    return {metrics.horizontalAdvance(FromUtf8(text)), metrics.height()};
}

// The mask became the alpha channel: where it is set, the surface shows through.
bool DrawIcon(Surface& surface, int x, int y, const Icon& icon) {
    if (!icon) {
        return false;
    }
    const SurfacePainter painter(StateOf(surface));
    if (!painter) {
        return false;
    }
    painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter->drawImage(QPoint(x, y), DataOf(icon).large);
    return true;
}

MemorySurface::MemorySurface()
    : Surface(NewSurfaceState(SurfaceKind::memory, DefaultSurfaceFont(), ScreenDpi())) {}

MemorySurface::MemorySurface(const Surface& compatibleWith)
    : Surface(NewSurfaceState(SurfaceKind::memory, StateOf(compatibleWith).defaultFont,
                              StateOf(compatibleWith).logPixelsY)) {}

MemorySurface::~MemorySurface() = default;

// Qt ends the paint when the paint event returns, after this surface is gone.
CPaintDC::CPaintDC(CWnd& window) : Surface(PaintState(window)) {}

CPaintDC::~CPaintDC() = default;

CClientDC::CClientDC(CWnd& window)
    : Surface(NewSurfaceState(SurfaceKind::measuring, DefaultSurfaceFont(), WindowDpi(window))) {}

CClientDC::~CClientDC() = default;

PainterSurface::PainterSurface(QPainter& painter, const QFont& defaultFont, int logPixelsY)
    : Surface(NewSurfaceState(SurfaceKind::painter, defaultFont, logPixelsY, &painter)) {}

}  // namespace kolvar
