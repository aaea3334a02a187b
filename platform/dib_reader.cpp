#include "platform/dib_reader.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <optional>

namespace kolvar {
namespace {

using Bytes = std::span<const std::byte>;

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::size_t kIconDirectorySize = 6;
constexpr std::size_t kIconEntrySize = 16;
constexpr std::uint32_t kUncompressed = 0;
constexpr int kLargestSide = 1 << 14;
constexpr int kSideOfZero = 256;
constexpr std::uint32_t kOpaque = 0xFF000000;

std::uint32_t Argb(unsigned red, unsigned green, unsigned blue, unsigned alpha = 0xFF) {
    return alpha << 24 | red << 16 | green << 8 | blue;
}

unsigned ByteAt(Bytes bytes, std::size_t at) {
    return std::to_integer<unsigned>(bytes[at]);
}

std::uint32_t Read16(Bytes bytes, std::size_t at) {
    return ByteAt(bytes, at) | ByteAt(bytes, at + 1) << 8;
}

std::uint32_t Read32(Bytes bytes, std::size_t at) {
    return Read16(bytes, at) | Read16(bytes, at + 2) << 16;
}

// The part of `bytes` from `at` on, `size` long; nothing when the bytes end before it does.
std::optional<Bytes> Slice(Bytes bytes, std::uint64_t at, std::uint64_t size) {
    if (at > bytes.size() || size > bytes.size() - at) {
        return std::nullopt;
    }
    return bytes.subspan(static_cast<std::size_t>(at), static_cast<std::size_t>(size));
}

std::size_t RowBytes(int width, int bitCount) {
    return (static_cast<std::size_t>(width) * static_cast<std::size_t>(bitCount) + 31) / 32 * 4;
}

// Bits run from the high end of each byte.
unsigned BitAt(const std::uint8_t* row, int x) {
    return row[x / 8] >> (7 - x % 8) & 1u;
}

struct DibLayout {
    int width = 0;
    int height = 0;
    bool bottomUp = true;
    int bitCount = 0;
    std::array<std::uint32_t, 256> palette{};
    std::size_t headerAndPaletteSize = 0;
};

bool KnownBitCount(std::uint32_t bitCount) {
    return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 24 || bitCount == 32;
}

// An icon's header counts the mask's rows in its height as well.
std::optional<DibLayout> ReadLayout(Bytes dib, bool withMask) {
    if (dib.size() < kInfoHeaderSize) {
        return std::nullopt;
    }
    const std::uint32_t headerSize = Read32(dib, 0);
    const std::uint32_t bitCount = Read16(dib, 14);
    const auto width = static_cast<std::int32_t>(Read32(dib, 4));
    const auto height = static_cast<std::int32_t>(Read32(dib, 8));
    if (headerSize < kInfoHeaderSize || Read32(dib, 16) != kUncompressed ||
        !KnownBitCount(bitCount)) {
        return std::nullopt;
    }
    const std::int64_t rows = std::abs(std::int64_t{withMask ? height / 2 : height});
    if (width <= 0 || width > kLargestSide || rows <= 0 || rows > kLargestSide) {
        return std::nullopt;
    }
    DibLayout layout;
    layout.width = width;
    layout.height = static_cast<int>(rows);
    layout.bottomUp = height > 0;
    layout.bitCount = static_cast<int>(bitCount);
    // Indices past the colours the file gives are black.
    layout.palette.fill(Argb(0, 0, 0));
    const std::uint32_t coloursUsed = Read32(dib, 32);
    const std::uint64_t paletteSize =
        coloursUsed == 0 && bitCount <= 8 ? 1u << bitCount : coloursUsed;
    const auto palette = Slice(dib, headerSize, paletteSize * 4);
    if (!palette) {
        return std::nullopt;
    }
    for (std::size_t index = 0; index < std::min<std::size_t>(paletteSize, 256); ++index) {
        const std::size_t at = index * 4;
        layout.palette[index] =
            Argb(ByteAt(*palette, at + 2), ByteAt(*palette, at + 1), ByteAt(*palette, at));
    }
    layout.headerAndPaletteSize = headerSize + palette->size();
    return layout;
}

// One row of pixels, decoded into `line`; palette colours and 24-bit pixels are opaque, and
// 32-bit ones keep their fourth byte as alpha only when asked to.
void ReadRow(const std::uint8_t* row, std::uint32_t* line, const DibLayout& layout,
             bool keepAlpha) {
    const auto& palette = layout.palette;
    const int width = layout.width;
    switch (layout.bitCount) {
        case 1:
            for (int x = 0; x < width; ++x) {
                line[x] = palette[BitAt(row, x)];
            }
            break;
        case 4:
            for (int x = 0; x + 1 < width; x += 2, ++row) {
                line[x] = palette[*row >> 4];
                line[x + 1] = palette[*row & 0xF];
            }
            if (width % 2 != 0) {
                line[width - 1] = palette[*row >> 4];
            }
            break;
        case 8:
            for (int x = 0; x < width; ++x) {
                line[x] = palette[row[x]];
            }
            break;
        case 24:
            for (int x = 0; x < width; ++x, row += 3) {
                line[x] = Argb(row[2], row[1], row[0]);
            }
            break;
        default:
            for (int x = 0; x < width; ++x, row += 4) {
                line[x] = Argb(row[2], row[1], row[0], keepAlpha ? row[3] : 0xFFu);
            }
            break;
    }
}

// Rows are kept bottom-up unless the height was negative.
Bytes RowOf(Bytes pixels, std::size_t rowBytes, int y, const DibLayout& layout) {
    const int fileRow = layout.bottomUp ? layout.height - 1 - y : y;
    return pixels.subspan(static_cast<std::size_t>(fileRow) * rowBytes, rowBytes);
}

std::uint32_t* LineOf(DibImage& image, int y) {
    return image.pixels.data() +
           static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width);
}

// A 32-bit image keeps its fourth byte as alpha only when asked to.
std::optional<DibImage> ReadPixels(Bytes pixels, const DibLayout& layout, bool keepAlpha) {
    const std::size_t rowBytes = RowBytes(layout.width, layout.bitCount);
    if (pixels.size() / rowBytes < static_cast<std::size_t>(layout.height)) {
        return std::nullopt;
    }
    DibImage image{layout.width, layout.height, {}};
    image.pixels.resize(static_cast<std::size_t>(layout.width) *
                        static_cast<std::size_t>(layout.height));
    for (int y = 0; y < layout.height; ++y) {
        const auto* row =
            reinterpret_cast<const std::uint8_t*>(RowOf(pixels, rowBytes, y, layout).data());
        ReadRow(row, LineOf(image, y), layout, keepAlpha);
    }
    return image;
}

bool HasAlpha(const DibImage& image) {
    return std::any_of(image.pixels.begin(), image.pixels.end(),
                       [](std::uint32_t pixel) { return (pixel & kOpaque) != 0; });
}

// Where the mask has a 1 the surface shows through; elsewhere the image is opaque, also when
// the mask is missing.
void ApplyMask(DibImage& image, Bytes mask, const DibLayout& layout) {
    const std::size_t rowBytes = RowBytes(layout.width, 1);
    const bool complete = mask.size() / rowBytes >= static_cast<std::size_t>(layout.height);
    for (int y = 0; y < layout.height; ++y) {
        std::uint32_t* line = LineOf(image, y);
        const auto* row =
            complete
                ? reinterpret_cast<const std::uint8_t*>(RowOf(mask, rowBytes, y, layout).data())
                : nullptr;
        for (int x = 0; x < layout.width; ++x) {
            const bool clear = row != nullptr && BitAt(row, x) != 0;
            line[x] = (line[x] & ~kOpaque) | (clear ? 0u : kOpaque);
        }
    }
}

}  // namespace

std::optional<DibImage> ReadBmpFile(Bytes file) {
    if (file.size() < kFileHeaderSize || ByteAt(file, 0) != 'B' || ByteAt(file, 1) != 'M') {
        return std::nullopt;
    }
    const std::optional<DibLayout> layout = ReadLayout(file.subspan(kFileHeaderSize), false);
    const std::uint32_t pixelsAt = Read32(file, 10);
    if (!layout || pixelsAt > file.size()) {
        return std::nullopt;
    }
    return ReadPixels(file.subspan(pixelsAt), *layout, false);
}

std::vector<IconFileImage> IconFileImages(Bytes file) {
    std::vector<IconFileImage> images;
    if (file.size() < kIconDirectorySize || Read16(file, 0) != 0 || Read16(file, 2) != 1) {
        return images;
    }
    const std::uint32_t count = Read16(file, 4);
    for (std::uint32_t index = 0; index < count; ++index) {
        const auto entry = Slice(file, kIconDirectorySize + kIconEntrySize * index, kIconEntrySize);
        const auto dib = entry ? Slice(file, Read32(*entry, 12), Read32(*entry, 8)) : std::nullopt;
        if (!dib) {
            break;
        }
        const auto side = static_cast<int>(ByteAt(*entry, 0));
        images.push_back({side == 0 ? kSideOfZero : side, *dib});
    }
    return images;
}

std::optional<IconFileImage> IconImageFor(Bytes file, int side) {
    std::optional<IconFileImage> best;
    for (const IconFileImage& image : IconFileImages(file)) {
        // Once one fits, only a smaller one that fits is better; until then, any larger one.
        const bool better =
            !best || (best->side >= side ? image.side >= side && image.side < best->side
                                         : image.side > best->side);
        if (better) {
            best = image;
        }
    }
    return best;
}

std::optional<DibImage> ReadIconImage(Bytes dib) {
    const std::optional<DibLayout> layout = ReadLayout(dib, true);
    if (!layout) {
        return std::nullopt;
    }
    const Bytes pixels = dib.subspan(layout->headerAndPaletteSize);
    std::optional<DibImage> image = ReadPixels(pixels, *layout, true);
    if (image && (layout->bitCount != 32 || !HasAlpha(*image))) {
        const std::size_t pixelBytes =
            RowBytes(layout->width, layout->bitCount) * static_cast<std::size_t>(layout->height);
        ApplyMask(*image, pixels.subspan(pixelBytes), *layout);
    }
    return image;
}

}  // namespace kolvar
