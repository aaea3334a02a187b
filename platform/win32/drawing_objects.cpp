// The objects a surface draws with on Win32: fonts, bitmaps and icons as GDI and USER objects.

#include "platform/win32/drawing_objects.h"

#include <cstring>
#include <vector>

#include "platform/scope_exit.h"
#include "platform/win32/wide_text.h"

namespace kolvar {
namespace {

// The system reads the image in place but wants it writable.
HICON IconOfSide(const IconFileImage& image, int side) {
    std::vector<BYTE> copy(image.bytes.size());
    std::memcpy(copy.data(), image.bytes.data(), image.bytes.size());
    return CreateIconFromResourceEx(copy.data(), static_cast<DWORD>(copy.size()), TRUE, 0x00030000,
                                    side, side, LR_DEFAULTCOLOR);
}

}  // namespace

Win32Font::~Win32Font() {
    DeleteObject(handle);
}

Win32Bitmap::~Win32Bitmap() {
    DeleteObject(handle);
}

BitmapInfo Win32Bitmap::Info() const {
    BITMAP info{};
    if (GetObjectW(handle, sizeof info, &info) == 0) {
        return {};
    }
    return {info.bmWidth, info.bmHeight, info.bmBitsPixel};
}

// GDI may still be drawing on them.
Raster Win32Bitmap::Pixels() {
    if (pixels.bits != nullptr) {
        GdiFlush();
    }
    return pixels;
}

Win32Icon::~Win32Icon() {
    DestroyIcon(large);
    DestroyIcon(small);
}

std::unique_ptr<Win32Bitmap> DibSection(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP handle = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (handle == nullptr) {
        return nullptr;
    }
    return std::make_unique<Win32Bitmap>(
        handle, Raster{static_cast<std::uint8_t*>(bits), std::ptrdiff_t{width} * 4, width, height});
}

std::unique_ptr<NativeFont> CreateNativeFont(const LogFont& request) {
    LOGFONTW font{};
    font.lfHeight = request.height;
    font.lfWeight = request.weight;
    font.lfCharSet = static_cast<BYTE>(request.charSet);
    const std::wstring face = Widen(request.faceName);
    wcsncpy(font.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    return std::make_unique<Win32Font>(CreateFontIndirectW(&font));
}

// A DIB section starts all 0: black.
std::unique_ptr<NativeBitmap> CreateColourBitmap(int width, int height, int /*logPixelsY*/) {
    return DibSection(width, height);
}

std::unique_ptr<NativeBitmap> CreateOneBitBitmap(int width, int height) {
    const std::vector<WORD> zeros(static_cast<std::size_t>((width + 15) / 16 * height));
    HBITMAP handle = CreateBitmap(width, height, 1, 1, zeros.data());
    return handle != nullptr ? std::make_unique<Win32Bitmap>(handle, Raster()) : nullptr;
}

// The decoded pixels' layout is the DIB section's own.
std::unique_ptr<NativeBitmap> CreateColourBitmap(const DibImage& image) {
    std::unique_ptr<Win32Bitmap> bitmap = DibSection(image.width, image.height);
    if (bitmap != nullptr) {
        std::memcpy(bitmap->pixels.bits, image.pixels.data(),
                    image.pixels.size() * sizeof(std::uint32_t));
    }
    return bitmap;
}

// The check mark is the system's own, one bit deep.
std::unique_ptr<NativeBitmap> CreateCheckMarkBitmap() {
    HBITMAP handle = LoadBitmapW(nullptr, MAKEINTRESOURCEW(OBM_CHECK));
    return handle != nullptr ? std::make_unique<Win32Bitmap>(handle, Raster()) : nullptr;
}

// The system's bitmap is drawn for the system's dpi only; for another, the system draws its
// menus' mark at that dpi's size, black on white, into a one-bit bitmap as it requires.
std::unique_ptr<NativeBitmap> CreateCheckMarkBitmap(int dpi) {
    if (dpi == SystemDpi()) {
        return CreateCheckMarkBitmap();
    }
    RECT area{0, 0, GetSystemMetricsForDpi(SM_CXMENUCHECK, dpi),
              GetSystemMetricsForDpi(SM_CYMENUCHECK, dpi)};
    HBITMAP handle = CreateBitmap(area.right, area.bottom, 1, 1, nullptr);
    if (handle == nullptr) {
        return nullptr;
    }
    auto mark = std::make_unique<Win32Bitmap>(handle, Raster());
    HDC memory = ::CreateCompatibleDC(nullptr);
    const ScopeExit release([memory] { DeleteDC(memory); });
    const HGDIOBJ previous = ::SelectObject(memory, handle);
    PatBlt(memory, 0, 0, area.right, area.bottom, WHITENESS);
    const bool drawn = DrawFrameControl(memory, &area, DFC_MENU, DFCS_MENUCHECK) != FALSE;
    ::SelectObject(memory, previous);
    return drawn ? std::move(mark) : nullptr;
}

int SystemDpi() {
    HDC screen = GetDC(nullptr);
    const ScopeExit release([screen] { ReleaseDC(nullptr, screen); });
    return GetDeviceCaps(screen, LOGPIXELSY);
}

std::unique_ptr<NativeIcon> CreateNativeIcon(const IconFileImage& large, int largeSide,
                                             const IconFileImage& small, int smallSide) {
    auto icon =
        std::make_unique<Win32Icon>(IconOfSide(large, largeSide), IconOfSide(small, smallSide));
    return icon->large != nullptr && icon->small != nullptr ? std::move(icon) : nullptr;
}

}  // namespace kolvar
