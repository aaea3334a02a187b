#pragma once

// Inside the Win32 backend only: what fonts, bitmaps and icons are made of on Win32, GDI and
// USER objects that die with them.

#include <memory>

#include "platform/backend.h"
#include "platform/win32/windows_api.h"

namespace kolvar {

class Win32Font : public NativeFont {
public:
    explicit Win32Font(HFONT font) : handle(font) {}
    ~Win32Font() override;
    HFONT handle;
};

// A colour bitmap is a top-down 32-bit DIB section, whose pixels the program reads and fills in
// place; a one-bit bitmap has no such pixels.
class Win32Bitmap : public NativeBitmap {
public:
    Win32Bitmap(HBITMAP bitmap, Raster bits) : handle(bitmap), pixels(bits) {}
    ~Win32Bitmap() override;
    BitmapInfo Info() const override;
    Raster Pixels() override;

    HBITMAP handle;
    Raster pixels;
};

class Win32Icon : public NativeIcon {
public:
    Win32Icon(HICON largeIcon, HICON smallIcon) : large(largeIcon), small(smallIcon) {}
    ~Win32Icon() override;
    HICON large;  // SM_CXICON x SM_CYICON
    HICON small;  // SM_CXSMICON x SM_CYSMICON
};

// A top-down 32-bit DIB section, its pixels the program's to read and write; null if the system
// has no room for it.
std::unique_ptr<Win32Bitmap> DibSection(int width, int height);

// The dpi of the screen's device context, which the system's own bitmaps are drawn for.
int SystemDpi();

inline const Win32Icon& Win32IconOf(const NativeIcon& icon) {
    return static_cast<const Win32Icon&>(icon);
}

}  // namespace kolvar
