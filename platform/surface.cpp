// Surfaces, whatever the backend: what is selected into them, their stock objects, and the
// pixels of the colour bitmaps they hold, which the framework reads, writes and fills itself.

#include "platform/surface.h"

#include <cmath>
#include <utility>

#include "platform/backend.h"
#include "platform/flood_fill.h"

namespace kolvar {
namespace {

constexpr Colour kStockBrushColour = 0xFFFFFF;
constexpr Colour kStockPenColour = 0x000000;

Raster PixelsOf(Bitmap* bitmap) {
    return bitmap != nullptr && *bitmap ? NativeOf(*bitmap).Pixels() : Raster();
}

}  // namespace

Surface::Surface(std::unique_ptr<NativeSurface> native) : native_(std::move(native)) {}

Surface::~Surface() = default;

void Surface::HoldStockBitmap(Bitmap& stock) {
    stockBitmap_ = &stock;
    SelectObject(&stock);
}

// A null object puts the stock one back.
const Brush* Surface::SelectObject(const Brush* brush) {
    return std::exchange(brush_, brush);
}

const Pen* Surface::SelectObject(const Pen* pen) {
    return std::exchange(pen_, pen);
}

const Font* Surface::SelectObject(const Font* font) {
    native_->SelectFont(font != nullptr ? &NativeOf(*font) : nullptr);
    return std::exchange(font_, font);
}

// Only memory surfaces take bitmaps; elsewhere nothing is selected and nullptr comes back.
Bitmap* Surface::SelectObject(Bitmap* bitmap) {
    if (stockBitmap_ == nullptr) {
        return nullptr;
    }
    Bitmap* selected = bitmap != nullptr ? bitmap : stockBitmap_;
    native_->SelectBitmap(*selected ? &NativeOf(*selected) : nullptr);
    return std::exchange(bitmap_, selected);
}

int Surface::SetBkMode(int mode) {
    return native_->SetBkMode(mode);
}

Colour Surface::SetTextColor(Colour colour) {
    return native_->SetTextColor(colour);
}

Colour Surface::SetBkColor(Colour colour) {
    return native_->SetBkColor(colour);
}

int Surface::GetDeviceCaps(int index) const {
    return index == LOGPIXELSY ? native_->LogPixelsY() : 0;
}

int Surface::DeviceDpi(int dpi) const {
    return static_cast<int>(std::lround(dpi * native_->DevicePixelRatio()));
}

Colour Surface::BrushColour() const {
    return brush_ != nullptr ? brush_->colour() : kStockBrushColour;
}

void Surface::FillRect(const Rect& rect, const Brush& brush) {
    native_->FillRect(rect, brush.colour());
}

void Surface::Rectangle(int left, int top, int right, int bottom) {
    native_->Rectangle({left, top, right, bottom},
                       pen_ != nullptr ? pen_->colour() : kStockPenColour, BrushColour());
}

void Surface::BitBlt(int x, int y, int width, int height, const Surface& source, int sourceX,
                     int sourceY, unsigned rop) {
    if (rop == SRCCOPY) {
        native_->BitBlt({x, y, x + width, y + height}, *source.native_, {sourceX, sourceY});
    }
}

int Surface::SetStretchBltMode(int mode) {
    return native_->SetStretchBltMode(mode);
}

void Surface::StretchBlt(int x, int y, int width, int height, const Surface& source, int sourceX,
                         int sourceY, int sourceWidth, int sourceHeight, unsigned rop) {
    if (rop == SRCCOPY) {
        native_->StretchBlt({x, y, x + width, y + height}, *source.native_,
                            {sourceX, sourceY, sourceX + sourceWidth, sourceY + sourceHeight});
    }
}

Colour Surface::GetPixel(int x, int y) const {
    const Raster pixels = PixelsOf(bitmap_);
    if (pixels.bits == nullptr) {
        return native_->GetPixel({x, y});
    }
    return RasterColour(pixels, x, y);
}

void Surface::SetPixel(int x, int y, Colour colour) {
    SetRasterColour(PixelsOf(bitmap_), x, y, colour);
}

bool Surface::ExtFloodFill(int x, int y, Colour colour, FloodFillType type) {
    const Raster pixels = PixelsOf(bitmap_);
    return pixels.bits != nullptr && FloodFill(pixels, {x, y}, colour, BrushColour(), type);
}

int Surface::DrawText(std::string_view text, Rect& rect, unsigned format) {
    return native_->DrawText(text, rect, format);
}

Size Surface::GetTextExtentPoint32(std::string_view text) const {
    return native_->TextExtent(text);
}

bool DrawIcon(Surface& surface, int x, int y, const Icon& icon) {
    return icon && NativeOf(surface).DrawIcon({x, y}, NativeOf(icon));
}

NativeSurface& NativeOf(const Surface& surface) {
    return *surface.native_;
}

MemorySurface::MemorySurface() : MemorySurface(nullptr) {}

MemorySurface::MemorySurface(const Surface& compatibleWith)
    : MemorySurface(&NativeOf(compatibleWith)) {}

MemorySurface::MemorySurface(const NativeSurface* like)
    : Surface(CreateMemorySurface(like)), stock_(CreateOneBitBitmap(1, 1)) {
    HoldStockBitmap(stock_);
}

// The stock bitmap may go only once the surface has let go of it.
MemorySurface::~MemorySurface() {
    NativeOf(*this).SelectBitmap(nullptr);
}

CPaintDC::CPaintDC(CWnd& window) : Surface(CreatePaintSurface(window)) {}

CPaintDC::~CPaintDC() = default;

CClientDC::CClientDC(CWnd& window) : Surface(CreateClientSurface(window)) {}

CClientDC::~CClientDC() = default;

BorrowedSurface::BorrowedSurface(std::unique_ptr<NativeSurface> native)
    : Surface(std::move(native)) {}

BorrowedSurface::~BorrowedSurface() = default;

}  // namespace kolvar
