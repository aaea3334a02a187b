#include "platform/surface.h"

#include <utility>

#include "platform/win32/surface_state.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_window.h"

namespace kolvar {
namespace {

constexpr Colour kStockBrushColour = 0xFFFFFF;
constexpr Colour kStockPenColour = 0x000000;
// The system's fill types, whose names the framework's own stand for here.
constexpr UINT kSystemBorderFill = 0;
constexpr UINT kSystemSurfaceFill = 1;

std::unique_ptr<SurfaceState> NewState(SurfaceKind kind, HDC hdc, HWND hwnd = nullptr) {
    auto state = std::make_unique<SurfaceState>();
    state->kind = kind;
    state->hdc = hdc;
    state->hwnd = hwnd;
    return state;
}

// The pixels of the colour bitmap selected into a memory surface, once GDI has finished
// drawing on them; none elsewhere.
const Raster* PixelsOf(const SurfaceState& state) {
    if (state.bitmap == nullptr || !*state.bitmap || DataOf(*state.bitmap).pixels.bits == nullptr) {
        return nullptr;
    }
    GdiFlush();
    return &DataOf(*state.bitmap).pixels;
}

// Puts `object` into the context, first noting what the context held before the program's own.
template <class Handle>
void SelectHandle(HDC hdc, Handle object, HGDIOBJ& original) {
    HGDIOBJ previous = ::SelectObject(hdc, object != nullptr ? object : original);
    if (original == nullptr) {
        original = previous;
    }
}

// For one drawing call, the context's brush and pen in the colours of the selected ones.
class ShapeColours {
public:
    explicit ShapeColours(const SurfaceState& state)
        : hdc_(state.hdc),
          brush_(::SelectObject(hdc_, GetStockObject(DC_BRUSH))),
          pen_(::SelectObject(hdc_, GetStockObject(DC_PEN))) {
        SetDCBrushColor(hdc_, state.brush != nullptr ? state.brush->colour() : kStockBrushColour);
        SetDCPenColor(hdc_, state.pen != nullptr ? state.pen->colour() : kStockPenColour);
    }
    ~ShapeColours() {
        ::SelectObject(hdc_, brush_);
        ::SelectObject(hdc_, pen_);
    }
    ShapeColours(const ShapeColours&) = delete;
    ShapeColours& operator=(const ShapeColours&) = delete;

private:
    HDC hdc_;
    HGDIOBJ brush_;
    HGDIOBJ pen_;
};

}  // namespace

SurfaceState::~SurfaceState() {
    if (originalFont != nullptr) {
        ::SelectObject(hdc, originalFont);
    }
    if (originalBitmap != nullptr) {
        ::SelectObject(hdc, originalBitmap);
    }
    switch (kind) {
        case SurfaceKind::memory:
            DeleteDC(hdc);
            break;
        case SurfaceKind::paint:
            EndPaint(hwnd, &paint);
            break;
        case SurfaceKind::client:
            ReleaseDC(hwnd, hdc);
            break;
        case SurfaceKind::borrowed:
            break;
    }
}

Surface::Surface(std::unique_ptr<SurfaceState> state) : state_(std::move(state)) {}

Surface::~Surface() = default;

const Brush* Surface::SelectObject(const Brush* brush) {
    return std::exchange(state_->brush, brush);
}

const Pen* Surface::SelectObject(const Pen* pen) {
    return std::exchange(state_->pen, pen);
}

const Font* Surface::SelectObject(const Font* font) {
    SelectHandle(state_->hdc, FontHandle(font), state_->originalFont);
    return std::exchange(state_->font, font);
}

// Only memory surfaces take bitmaps; elsewhere nothing is selected and nullptr comes back.
Bitmap* Surface::SelectObject(Bitmap* bitmap) {
    if (state_->kind != SurfaceKind::memory) {
        return nullptr;
    }
    HBITMAP handle = bitmap != nullptr && *bitmap ? DataOf(*bitmap).handle : nullptr;
    SelectHandle(state_->hdc, handle, state_->originalBitmap);
    return std::exchange(state_->bitmap, bitmap);
}

int Surface::SetBkMode(int mode) {
    return ::SetBkMode(state_->hdc, mode);
}

Colour Surface::SetTextColor(Colour colour) {
    return ::SetTextColor(state_->hdc, colour);
}

Colour Surface::SetBkColor(Colour colour) {
    return ::SetBkColor(state_->hdc, colour);
}

int Surface::GetDeviceCaps(int index) const {
    return ::GetDeviceCaps(state_->hdc, index);
}

void Surface::FillRect(const Rect& rect, const Brush& brush) {
    const RECT area{rect.left, rect.top, rect.right, rect.bottom};
    const COLORREF previous = SetDCBrushColor(state_->hdc, brush.colour());
    ::FillRect(state_->hdc, &area, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    SetDCBrushColor(state_->hdc, previous);
}

void Surface::Rectangle(int left, int top, int right, int bottom) {
    const ShapeColours colours(*state_);
    ::Rectangle(state_->hdc, left, top, right, bottom);
}

void Surface::BitBlt(int x, int y, int width, int height, const Surface& source, int sourceX,
                     int sourceY, unsigned rop) {
    ::BitBlt(state_->hdc, x, y, width, height, source.state_->hdc, sourceX, sourceY, rop);
}

Colour Surface::GetPixel(int x, int y) const {
    if (const Raster* pixels = PixelsOf(*state_)) {
        return pixels->Contains(x, y) ? ColourOfRasterPixel(pixels->Row(y)[x]) : CLR_INVALID;
    }
    return ::GetPixel(state_->hdc, x, y);
}

void Surface::SetPixel(int x, int y, Colour colour) {
    if (const Raster* pixels = PixelsOf(*state_)) {
        if (pixels->Contains(x, y)) {
            pixels->Row(y)[x] = RasterPixel(colour);
        }
        return;
    }
    ::SetPixel(state_->hdc, x, y, colour);
}

// The system's own fill recurses once per row and is slow on large areas; the program's
// colour rasters get the framework's, with the same contract.
bool Surface::ExtFloodFill(int x, int y, Colour colour, FloodFillType type) {
    const Colour fill = state_->brush != nullptr ? state_->brush->colour() : kStockBrushColour;
    if (const Raster* pixels = PixelsOf(*state_)) {
        return FloodFill(*pixels, {x, y}, colour, fill, type);
    }
    const ShapeColours colours(*state_);
    const UINT mode = type == FLOODFILLBORDER ? kSystemBorderFill : kSystemSurfaceFill;
    return ::ExtFloodFill(state_->hdc, x, y, colour, mode) != FALSE;
}

int Surface::DrawText(std::string_view text, Rect& rect, unsigned format) {
    const std::wstring wide = Widen(text);
    RECT area{rect.left, rect.top, rect.right, rect.bottom};
    return ::DrawTextW(state_->hdc, wide.c_str(), static_cast<int>(wide.size()), &area, format);
}

Size Surface::GetTextExtentPoint32(std::string_view text) const {
    const std::wstring wide = Widen(text);
    SIZE size{};
    ::GetTextExtentPoint32W(state_->hdc, wide.c_str(), static_cast<int>(wide.size()), &size);
    return {size.cx, size.cy};
}

bool DrawIcon(Surface& surface, int x, int y, const Icon& icon) {
    return icon && DrawIconEx(StateOf(surface).hdc, x, y, IconHandle(&icon), 0, 0, 0, nullptr,
                              DI_NORMAL) != FALSE;
}

MemorySurface::MemorySurface()
    : Surface(NewState(SurfaceKind::memory, ::CreateCompatibleDC(nullptr))) {}

MemorySurface::MemorySurface(const Surface& compatibleWith)
    : Surface(NewState(SurfaceKind::memory, ::CreateCompatibleDC(StateOf(compatibleWith).hdc))) {}

MemorySurface::~MemorySurface() = default;

CPaintDC::CPaintDC(CWnd& window)
    : Surface(NewState(SurfaceKind::paint, nullptr, HandleOf(&window))) {
    SurfaceState& state = StateOf(*this);
    state.hdc = BeginPaint(state.hwnd, &state.paint);
}

CPaintDC::~CPaintDC() = default;

CClientDC::CClientDC(CWnd& window)
    : Surface(NewState(SurfaceKind::client, GetDC(HandleOf(&window)), HandleOf(&window))) {}

CClientDC::~CClientDC() = default;

HandleSurface::HandleSurface(HDC hdc) : Surface(NewState(SurfaceKind::borrowed, hdc)) {}

}  // namespace kolvar
