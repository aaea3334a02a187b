#include "platform/win32/surface.h"

#include "platform/win32/drawing_objects.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window.h"

namespace kolvar {
namespace {

// Puts `object` into the context, first noting what the context held before the program's own;
// null puts that back.
void SelectHandle(HDC hdc, HGDIOBJ object, HGDIOBJ& original) {
    HGDIOBJ previous = ::SelectObject(hdc, object != nullptr ? object : original);
    if (original == nullptr) {
        original = previous;
    }
}

// For one drawing call, the context's brush and pen in the colours given.
class ShapeColours {
public:
    ShapeColours(HDC hdc, Colour pen, Colour brush)
        : hdc_(hdc),
          brush_(::SelectObject(hdc_, GetStockObject(DC_BRUSH))),
          pen_(::SelectObject(hdc_, GetStockObject(DC_PEN))) {
        SetDCBrushColor(hdc_, brush);
        SetDCPenColor(hdc_, pen);
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

Win32Surface::Win32Surface(SurfaceKind kind, HDC hdc, HWND hwnd)
    : kind_(kind), hdc_(hdc), hwnd_(hwnd) {}

Win32Surface::Win32Surface(HWND hwnd) : kind_(SurfaceKind::paint), hdc_(nullptr), hwnd_(hwnd) {
    hdc_ = BeginPaint(hwnd_, &paint_);
}

Win32Surface::~Win32Surface() {
    if (originalFont_ != nullptr) {
        ::SelectObject(hdc_, originalFont_);
    }
    if (originalBitmap_ != nullptr) {
        ::SelectObject(hdc_, originalBitmap_);
    }
    switch (kind_) {
        case SurfaceKind::memory:
            DeleteDC(hdc_);
            break;
        case SurfaceKind::paint:
            EndPaint(hwnd_, &paint_);
            break;
        case SurfaceKind::client:
            ReleaseDC(hwnd_, hdc_);
            break;
        case SurfaceKind::borrowed:
            break;
    }
}

void Win32Surface::SelectFont(const NativeFont* font) {
    HFONT handle = font != nullptr ? static_cast<const Win32Font*>(font)->handle : nullptr;
    SelectHandle(hdc_, handle, originalFont_);
}

void Win32Surface::SelectBitmap(NativeBitmap* bitmap) {
    if (kind_ == SurfaceKind::memory) {
        HBITMAP handle = bitmap != nullptr ? static_cast<Win32Bitmap*>(bitmap)->handle : nullptr;
        SelectHandle(hdc_, handle, originalBitmap_);
    }
}

void Win32Surface::FillRect(const Rect& rect, Colour colour) {
    const RECT area{rect.left, rect.top, rect.right, rect.bottom};
    const COLORREF previous = SetDCBrushColor(hdc_, colour);
    ::FillRect(hdc_, &area, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    SetDCBrushColor(hdc_, previous);
}

void Win32Surface::Rectangle(const Rect& rect, Colour pen, Colour brush) {
    const ShapeColours colours(hdc_, pen, brush);
    ::Rectangle(hdc_, rect.left, rect.top, rect.right, rect.bottom);
}

int Win32Surface::DrawText(std::string_view text, Rect& rect, unsigned format) {
    const std::wstring wide = Widen(text);
    RECT area{rect.left, rect.top, rect.right, rect.bottom};
    return ::DrawTextW(hdc_, wide.c_str(), static_cast<int>(wide.size()), &area, format);
}

Size Win32Surface::TextExtent(std::string_view text) const {
    const std::wstring wide = Widen(text);
    SIZE size{};
    ::GetTextExtentPoint32W(hdc_, wide.c_str(), static_cast<int>(wide.size()), &size);
    return {size.cx, size.cy};
}

bool Win32Surface::DrawIcon(Point at, const NativeIcon& icon) {
    return DrawIconEx(hdc_, at.x, at.y, Win32IconOf(icon).large, 0, 0, 0, nullptr, DI_NORMAL) !=
           FALSE;
}

std::unique_ptr<NativeSurface> CreateMemorySurface(const NativeSurface* like) {
    HDC likeHandle = like != nullptr ? static_cast<const Win32Surface*>(like)->Handle() : nullptr;
    return std::make_unique<Win32Surface>(SurfaceKind::memory, ::CreateCompatibleDC(likeHandle));
}

std::unique_ptr<NativeSurface> CreatePaintSurface(CWnd& window) {
    return std::make_unique<Win32Surface>(HandleOf(&window));
}

std::unique_ptr<NativeSurface> CreateClientSurface(CWnd& window) {
    HWND hwnd = HandleOf(&window);
    return std::make_unique<Win32Surface>(SurfaceKind::client, GetDC(hwnd), hwnd);
}

}  // namespace kolvar
