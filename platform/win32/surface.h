#pragma once

// Inside the Win32 backend only: a surface on Win32, a device context.

#include "platform/backend.h"
#include "platform/win32/windows_api.h"

namespace kolvar {

// A memory surface owns its device context; a paint or client surface borrows one from the
// window until it ends; a borrowed one is the system's for the length of a request. Whatever
// the program selected into the context goes out again before the context is given back.
class Win32Surface : public NativeSurface {
public:
    Win32Surface(SurfaceKind kind, HDC hdc, HWND hwnd = nullptr);
    // A paint surface: begins the window's paint, which the surface's end ends.
    explicit Win32Surface(HWND hwnd);
    ~Win32Surface() override;

    void SelectFont(const NativeFont* font) override;
    void SelectBitmap(NativeBitmap* bitmap) override;
    int SetBkMode(int mode) override { return ::SetBkMode(hdc_, mode); }
    Colour SetTextColor(Colour colour) override { return ::SetTextColor(hdc_, colour); }
    Colour SetBkColor(Colour colour) override { return ::SetBkColor(hdc_, colour); }
    int LogPixelsY() const override { return ::GetDeviceCaps(hdc_, LOGPIXELSY); }
    void FillRect(const Rect& rect, Colour colour) override;
    void Rectangle(const Rect& rect, Colour pen, Colour brush) override;
    void BitBlt(const Rect& to, const NativeSurface& source, Point from) override {
        ::BitBlt(hdc_, to.left, to.top, to.Width(), to.Height(),
                 static_cast<const Win32Surface&>(source).hdc_, from.x, from.y, SRCCOPY);
    }
    int SetStretchBltMode(int mode) override { return ::SetStretchBltMode(hdc_, mode); }
    void StretchBlt(const Rect& to, const NativeSurface& source, const Rect& from) override {
        ::StretchBlt(hdc_, to.left, to.top, to.Width(), to.Height(),
                     static_cast<const Win32Surface&>(source).hdc_, from.left, from.top,
                     from.Width(), from.Height(), SRCCOPY);
    }
    // A one-bit bitmap's pixels are only the system's to read.
    Colour GetPixel(Point point) const override {
        return kind_ == SurfaceKind::memory ? ::GetPixel(hdc_, point.x, point.y) : CLR_INVALID;
    }
    int DrawText(std::string_view text, Rect& rect, unsigned format) override;
    Size TextExtent(std::string_view text) const override;
    bool DrawIcon(Point at, const NativeIcon& icon) override;

    HDC Handle() const { return hdc_; }

private:
    SurfaceKind kind_;
    HDC hdc_;
    HWND hwnd_;
    PAINTSTRUCT paint_{};
    // What the context held before the program first selected a font or bitmap into it.
    HGDIOBJ originalFont_ = nullptr;
    HGDIOBJ originalBitmap_ = nullptr;
};

}  // namespace kolvar
