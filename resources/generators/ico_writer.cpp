#include "resources/generators/ico_writer.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "resources/generators/png_writer.h"

namespace kolvar {
namespace {

constexpr std::uint32_t kDirectorySize = 6;
constexpr std::uint32_t kDirectoryEntrySize = 16;
constexpr std::uint32_t kInfoHeaderSize = 40;

bool IsPaletted(const IconImage& image) {
    return image.depth == IconImage::Depth::FourBitStandardPalette;
}

int BitsPerPixel(const IconImage& image) {
    return image.depth == IconImage::Depth::FourBitStandardPalette ? 4 : 32;
}

std::uint32_t RowBytes(int width, int bitsPerPixel) {
    return static_cast<std::uint32_t>((width * bitsPerPixel + 31) / 32 * 4);
}

std::uint32_t PixelBytes(const IconImage& image) {
    const auto rows = static_cast<std::uint32_t>(image.size);
    return RowBytes(image.size, BitsPerPixel(image)) * rows + RowBytes(image.size, 1) * rows;
}

std::uint8_t PaletteIndex(const RgbColour& colour) {
    const auto found =
        std::find_if(kStandardPalette.begin(), kStandardPalette.end(), [&](const RgbColour& entry) {
            return entry.red == colour.red && entry.green == colour.green &&
                   entry.blue == colour.blue;
        });
    return static_cast<std::uint8_t>(std::distance(kStandardPalette.begin(), found) & 0x0F);
}

// A side of 256 is written as 0, as the field has one byte.
void AppendDirectoryEntry(ByteBuffer& bytes, const IconImage& image, std::uint32_t imageBytes,
                          std::uint32_t offset) {
    bytes.push_back(static_cast<std::uint8_t>(image.size));
    bytes.push_back(static_cast<std::uint8_t>(image.size));
    bytes.push_back(IsPaletted(image) ? 16 : 0);  // colours
    bytes.push_back(0);
    AppendU16(bytes, 1);  // planes
    AppendU16(bytes, static_cast<std::uint32_t>(BitsPerPixel(image)));
    AppendU32(bytes, imageBytes);
    AppendU32(bytes, offset);
}

void AppendInfoHeader(ByteBuffer& bytes, const IconImage& image) {
    AppendU32(bytes, kInfoHeaderSize);
    AppendU32(bytes, static_cast<std::uint32_t>(image.size));
    AppendU32(bytes, static_cast<std::uint32_t>(2 * image.size));
    AppendU16(bytes, 1);
    AppendU16(bytes, static_cast<std::uint32_t>(BitsPerPixel(image)));
    AppendU32(bytes, 0);  // uncompressed
    AppendU32(bytes, PixelBytes(image));
    for (int field = 0; field < 4; ++field) {
        AppendU32(bytes, 0);
    }
}

// Transparent pixels are black in a paletted image, so that the mask alone decides what shows.
void AppendColours(ByteBuffer& bytes, const IconImage& image) {
    if (IsPaletted(image)) {
        AppendPalette(bytes);
        AppendFourBitRows(bytes, image.size, image.size, [&image](int x, int y) {
            const std::optional<RgbColour> colour = image.pixel(x, y);
            return colour ? PaletteIndex(*colour) : std::uint8_t{kBlack};
        });
        return;
    }
    for (int y = image.size - 1; y >= 0; --y) {
        for (int x = 0; x < image.size; ++x) {
            const std::optional<RgbColour> colour = image.pixel(x, y);
            if (colour) {
                bytes.insert(bytes.end(), {colour->blue, colour->green, colour->red, 0xFF});
            } else {
                bytes.insert(bytes.end(), {0, 0, 0, 0});
            }
        }
    }
}

void AppendMask(ByteBuffer& bytes, const IconImage& image) {
    const std::uint32_t rowBytes = RowBytes(image.size, 1);
    for (int y = image.size - 1; y >= 0; --y) {
        ByteBuffer row(rowBytes, 0);
        for (int x = 0; x < image.size; ++x) {
            if (!image.pixel(x, y)) {
                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            }
        }
        bytes.insert(bytes.end(), row.begin(), row.end());
    }
}

ByteBuffer EncodeImage(const IconImage& image) {
    if (image.depth == IconImage::Depth::PngWithAlpha) {
        return EncodePng(image.size, image.pixel);
    }
    ByteBuffer bytes;
    AppendInfoHeader(bytes, image);
    AppendColours(bytes, image);
    AppendMask(bytes, image);
    return bytes;
}

}  // namespace

ByteBuffer EncodeIco(const std::vector<IconImage>& images) {
    ByteBuffer bytes;
    AppendU16(bytes, 0);
    AppendU16(bytes, 1);  // an icon, not a cursor
    AppendU16(bytes, static_cast<std::uint32_t>(images.size()));
    std::vector<ByteBuffer> encoded;
    std::transform(images.begin(), images.end(), std::back_inserter(encoded), EncodeImage);
    auto offset = static_cast<std::uint32_t>(kDirectorySize + kDirectoryEntrySize * images.size());
    for (std::size_t index = 0; index < images.size(); ++index) {
        const auto imageBytes = static_cast<std::uint32_t>(encoded[index].size());
        AppendDirectoryEntry(bytes, images[index], imageBytes, offset);
        offset += imageBytes;
    }
    for (const ByteBuffer& image : encoded) {
        bytes.insert(bytes.end(), image.begin(), image.end());
    }
    return bytes;
}

}  // namespace kolvar
