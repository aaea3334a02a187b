// The objects a surface draws with, whatever the backend: fonts, bitmaps and icons, the program's
// own read from its resources.

#include <utility>

#include "platform/application.h"
#include "platform/backend.h"
#include "platform/system_metrics.h"

namespace kolvar {

Font::Font(const LogFont& request) : native_(CreateNativeFont(request)) {}
Font::Font(Font&&) noexcept = default;
Font& Font::operator=(Font&&) noexcept = default;
Font::~Font() = default;

const NativeFont& NativeOf(const Font& font) {
    return *font.native_;
}

Bitmap::Bitmap() = default;
Bitmap::Bitmap(std::unique_ptr<NativeBitmap> native) : native_(std::move(native)) {}
Bitmap::Bitmap(Bitmap&&) noexcept = default;
Bitmap& Bitmap::operator=(Bitmap&&) noexcept = default;
Bitmap::~Bitmap() = default;

NativeBitmap& NativeOf(const Bitmap& bitmap) {
    return *bitmap.native_;
}

Bitmap CreateCompatibleBitmap(const Surface& surface, int width, int height) {
    if (width <= 0 || height <= 0) {
        return Bitmap();
    }
    return Bitmap(CreateColourBitmap(width, height, surface.GetDeviceCaps(LOGPIXELSY)));
}

// Colours are compared exactly later on, so the picture keeps all 24 bits of its file's colours.
Bitmap LoadBitmap(unsigned id) {
    if (id == OBM_CHECK) {
        return Bitmap(CreateCheckMarkBitmap());
    }
    const std::optional<DibImage> image = ReadBmpFile(AfxGetResourceModule().bitmap(id));
    return image ? Bitmap(CreateColourBitmap(*image)) : Bitmap();
}

Bitmap LoadBitmap(unsigned id, int dpi) {
    return id == OBM_CHECK ? Bitmap(CreateCheckMarkBitmap(dpi)) : LoadBitmap(id);
}

BitmapInfo GetObject(const Bitmap& bitmap) {
    return bitmap ? NativeOf(bitmap).Info() : BitmapInfo();
}

Icon::Icon() = default;
Icon::Icon(Icon&&) noexcept = default;
Icon& Icon::operator=(Icon&&) noexcept = default;
Icon::~Icon() = default;

const NativeIcon& NativeOf(const Icon& icon) {
    return *icon.native_;
}

Icon LoadIconOfSides(unsigned id, int largeSide, int smallSide) {
    const std::span<const std::byte> file = AfxGetResourceModule().icon(id);
    const std::optional<IconFileImage> large = IconImageFor(file, largeSide);
    const std::optional<IconFileImage> small = IconImageFor(file, smallSide);
    Icon icon;
    if (large && small) {
        icon.native_ = CreateNativeIcon(*large, largeSide, *small, smallSide);
    }
    return icon;
}

Icon LoadIcon(unsigned id) {
    return LoadIconOfSides(id, GetSystemMetrics(SM_CXICON), SmallIconSide());
}

Icon LoadIcon(unsigned id, int dpi) {
    return LoadIconOfSides(id, GetSystemMetricsForDpi(SM_CXICON, dpi),
                           GetSystemMetricsForDpi(SM_CXSMICON, dpi));
}

}  // namespace kolvar
