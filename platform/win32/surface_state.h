#pragma once

// Inside the Win32 backend only: what a Surface and its drawing objects are made of on Win32.

#include "platform/drawing_access.h"
#include "platform/flood_fill.h"
#include "platform/surface.h"
#include "platform/win32/windows_api.h"

namespace kolvar {

// A colour bitmap is a top-down 32-bit DIB section, whose pixels the program reads and fills
// in place; the system's check mark is a one-bit bitmap without such pixels.
struct BitmapData {
    HBITMAP handle = nullptr;
    Raster pixels;  // empty for a one-bit bitmap
    ~BitmapData();
};

struct FontData {
    HFONT handle = nullptr;
    ~FontData();
};

struct IconData {
    HICON large = nullptr;  // SM_CXICON x SM_CYICON
    HICON small = nullptr;  // SM_CXSMICON x SM_CYSMICON
    ~IconData();
};

// Memory surfaces own their device context, window surfaces borrow one from the window until
// they end, and a menu item's surface is the system's for the length of the request.
enum class SurfaceKind { memory, paint, client, borrowed };

struct SurfaceState {
    SurfaceKind kind = SurfaceKind::borrowed;
    HDC hdc = nullptr;
    HWND hwnd = nullptr;
    PAINTSTRUCT paint{};

    const Brush* brush = nullptr;
    const Pen* pen = nullptr;
    const Font* font = nullptr;
    Bitmap* bitmap = nullptr;
    // What the context held before the program first selected a font or bitmap into it.
    HGDIOBJ originalFont = nullptr;
    HGDIOBJ originalBitmap = nullptr;

    SurfaceState() = default;
    SurfaceState(const SurfaceState&) = delete;
    SurfaceState& operator=(const SurfaceState&) = delete;
    // Puts the original objects back and gives the context back.
    ~SurfaceState();
};

// A surface over a device context that someone else owns.
class HandleSurface : public Surface {
public:
    explicit HandleSurface(HDC hdc);
};

// A top-down 32-bit DIB section, its pixels the program's to read and write; empty if the
// system has no room for it.
Bitmap ColourBitmap(int width, int height);

HICON IconHandle(const Icon* icon);
HFONT FontHandle(const Font* font);

}  // namespace kolvar
