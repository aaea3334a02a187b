// The objects a Surface draws with on Win32: fonts, bitmaps and icons as GDI and USER objects.

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/application.h"
#include "platform/system_metrics.h"
#include "platform/win32/surface_state.h"
#include "platform/win32/wide_text.h"

namespace kolvar {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kIconDirectorySize = 6;
constexpr std::size_t kIconEntrySize = 16;

unsigned ByteAt(std::span<const std::byte> bytes, std::size_t at) {
    return std::to_integer<unsigned>(bytes[at]);
}

std::uint32_t Read32(std::span<const std::byte> bytes, std::size_t at) {
    return ByteAt(bytes, at) | ByteAt(bytes, at + 1) << 8 | ByteAt(bytes, at + 2) << 16 |
           ByteAt(bytes, at + 3) << 24;
}

// The picture as a colour bitmap of its own pixels, whatever its depth in the file: the system
// turns the packed bitmap after the file header into 32 bits, each colour exactly as written.
Bitmap BitmapFromFile(std::span<const std::byte> file) {
    if (file.size() <= kFileHeaderSize + sizeof(BITMAPINFOHEADER) || ByteAt(file, 0) != 'B' ||
        ByteAt(file, 1) != 'M') {
        return Bitmap();
    }
    const auto* info = reinterpret_cast<const BITMAPINFO*>(file.data() + kFileHeaderSize);
    const std::uint32_t bitsAt = Read32(file, 10);
    const LONG width = info->bmiHeader.biWidth;
    const LONG height = std::abs(info->bmiHeader.biHeight);
    if (bitsAt >= file.size() || width <= 0 || height <= 0) {
        return Bitmap();
    }
    Bitmap bitmap = ColourBitmap(width, height);
    HDC screen = GetDC(nullptr);
    const int rows = bitmap ? SetDIBits(screen, DataOf(bitmap).handle, 0, static_cast<UINT>(height),
                                        file.data() + bitsAt, info, DIB_RGB_COLORS)
                            : 0;
    ReleaseDC(nullptr, screen);
    return rows == height ? std::move(bitmap) : Bitmap();
}

// The image of an icon file nearest the size, not smaller where one is large enough.
std::span<const std::byte> IconImage(std::span<const std::byte> file, int size) {
    if (file.size() < kIconDirectorySize) {
        return {};
    }
    const std::size_t count = ByteAt(file, 4) | ByteAt(file, 5) << 8;
    std::span<const std::byte> best;
    int bestSide = 0;
    for (std::size_t index = 0; index < count; ++index) {
        const std::size_t entry = kIconDirectorySize + index * kIconEntrySize;
        if (entry + kIconEntrySize > file.size()) {
            break;
        }
        const int side = ByteAt(file, entry) == 0 ? 256 : static_cast<int>(ByteAt(file, entry));
        const std::uint32_t length = Read32(file, entry + 8);
        const std::uint32_t offset = Read32(file, entry + 12);
        if (offset > file.size() || length > file.size() - offset) {
            continue;
        }
        const bool better = best.empty() ||
                            (side >= size && (bestSide < size || side < bestSide)) ||
                            (bestSide < size && side > bestSide);
        if (better) {
            best = file.subspan(offset, length);
            bestSide = side;
        }
    }
    return best;
}

HICON IconOfSize(std::span<const std::byte> file, int size) {
    std::span<const std::byte> image = IconImage(file, size);
    if (image.empty()) {
        return nullptr;
    }
    // The system reads the image in place but wants it writable.
    std::vector<BYTE> copy(image.size());
    std::memcpy(copy.data(), image.data(), image.size());
    return CreateIconFromResourceEx(copy.data(), static_cast<DWORD>(copy.size()), TRUE, 0x00030000,
                                    size, size, LR_DEFAULTCOLOR);
}

}  // namespace

Bitmap ColourBitmap(int width, int height) {
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
        return Bitmap();
    }
    auto data = std::make_unique<BitmapData>();
    data->handle = handle;
    data->pixels = {static_cast<std::uint8_t*>(bits), std::ptrdiff_t{width} * 4, width, height};
    return MakeBitmap(std::move(data));
}

BitmapData::~BitmapData() {
    DeleteObject(handle);
}

FontData::~FontData() {
    DeleteObject(handle);
}

IconData::~IconData() {
    DestroyIcon(large);
    DestroyIcon(small);
}

HICON IconHandle(const Icon* icon) {
    return icon != nullptr && *icon ? DataOf(*icon).large : nullptr;
}

HFONT FontHandle(const Font* font) {
    return font != nullptr ? DataOf(*font).handle : nullptr;
}

Font::Font(const LogFont& request) : data_(std::make_unique<FontData>()) {
    LOGFONTW font{};
    font.lfHeight = request.height;
    font.lfWeight = request.weight;
    font.lfCharSet = static_cast<BYTE>(request.charSet);
    const std::wstring face = Widen(request.faceName);
    wcsncpy(font.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    data_->handle = CreateFontIndirectW(&font);
}

Font::Font(Font&&) noexcept = default;
Font& Font::operator=(Font&&) noexcept = default;
Font::~Font() = default;

Bitmap::Bitmap() = default;
Bitmap::Bitmap(std::unique_ptr<BitmapData> data) : data_(std::move(data)) {}
Bitmap::Bitmap(Bitmap&&) noexcept = default;
Bitmap& Bitmap::operator=(Bitmap&&) noexcept = default;
Bitmap::~Bitmap() = default;

Bitmap CreateCompatibleBitmap(const Surface& /*surface*/, int width, int height) {
    if (width <= 0 || height <= 0) {
        return Bitmap();
    }
    return ColourBitmap(width, height);
}

// The check mark is the system's own, one bit deep.
Bitmap LoadBitmap(unsigned id) {
    if (id == OBM_CHECK) {
        HBITMAP handle = LoadBitmapW(nullptr, MAKEINTRESOURCEW(OBM_CHECK));
        if (handle == nullptr) {
            return Bitmap();
        }
        auto data = std::make_unique<BitmapData>();
        data->handle = handle;
        return MakeBitmap(std::move(data));
    }
    return BitmapFromFile(AfxGetResourceModule().bitmap(id));
}

BitmapInfo GetObject(const Bitmap& bitmap) {
    BITMAP info{};
    if (!bitmap || GetObjectW(DataOf(bitmap).handle, sizeof info, &info) == 0) {
        return {};
    }
    return {info.bmWidth, info.bmHeight, info.bmBitsPixel};
}

Icon::Icon() = default;
Icon::Icon(std::unique_ptr<IconData> data) : data_(std::move(data)) {}
Icon::Icon(Icon&&) noexcept = default;
Icon& Icon::operator=(Icon&&) noexcept = default;
Icon::~Icon() = default;

Icon LoadIcon(unsigned id) {
    const std::span<const std::byte> file = AfxGetResourceModule().icon(id);
    auto data = std::make_unique<IconData>();
    data->large = IconOfSize(file, GetSystemMetrics(SM_CXICON));
    data->small = IconOfSize(file, ::GetSystemMetrics(SM_CXSMICON));
    if (data->large == nullptr) {
        return Icon();
    }
    return MakeIcon(std::move(data));
}

}  // namespace kolvar
