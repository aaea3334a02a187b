// Writes the application icon (icon 128) as an ICO file: icon_generator <output.ico>
//
// Two images, 32x32 and 16x16, each 4 bits per pixel with the standard palette and a 1-bit mask
// that makes the background transparent.

#include <cstdint>
#include <iostream>

#include "scripts/byte_buffer.h"
#include "scripts/icon_art.h"
#include "scripts/standard_palette.h"

namespace kolvar {
namespace {

constexpr std::uint32_t kDirectorySize = 6;
constexpr std::uint32_t kDirectoryEntrySize = 16;
constexpr std::uint32_t kInfoHeaderSize = 40;

std::uint32_t MaskSize(int size) {
    return static_cast<std::uint32_t>((size + 31) / 32 * 4 * size);
}

std::uint32_t ImageSize(int size) {
    return kInfoHeaderSize + 16 * 4 + FourBitRasterSize(size, size) + MaskSize(size);
}

void AppendDirectoryEntry(ByteBuffer& bytes, int size, std::uint32_t offset) {
    bytes.push_back(static_cast<std::uint8_t>(size));
    bytes.push_back(static_cast<std::uint8_t>(size));
    bytes.push_back(16);  // colours
    bytes.push_back(0);
    AppendU16(bytes, 1);  // planes
    AppendU16(bytes, 4);  // bits per pixel
    AppendU32(bytes, ImageSize(size));
    AppendU32(bytes, offset);
}

// The height counts the colour image and the mask stacked on each other, as icons require.
void AppendInfoHeader(ByteBuffer& bytes, int size) {
    AppendU32(bytes, kInfoHeaderSize);
    AppendU32(bytes, static_cast<std::uint32_t>(size));
    AppendU32(bytes, static_cast<std::uint32_t>(2 * size));
    AppendU16(bytes, 1);
    AppendU16(bytes, 4);
    AppendU32(bytes, 0);
    AppendU32(bytes, FourBitRasterSize(size, size) + MaskSize(size));
    AppendU32(bytes, 0);
    AppendU32(bytes, 0);
    AppendU32(bytes, 0);
    AppendU32(bytes, 0);
}

// Set bits keep the screen: the transparent background. Rows bottom-up, padded to 32 bits.
void AppendMask(ByteBuffer& bytes, const IconArt& art) {
    const int rowBytes = (art.size + 31) / 32 * 4;
    for (int y = art.size - 1; y >= 0; --y) {
        ByteBuffer row(static_cast<std::size_t>(rowBytes), 0);
        for (int x = 0; x < art.size; ++x) {
            if (!IconPixel(art, x, y)) {
                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            }
        }
        bytes.insert(bytes.end(), row.begin(), row.end());
    }
}

// Transparent pixels are black in the colour image so that the mask alone decides what shows.
void AppendImage(ByteBuffer& bytes, const IconArt& art) {
    AppendInfoHeader(bytes, art.size);
    AppendPalette(bytes);
    AppendFourBitRows(bytes, art.size, art.size,
                      [&](int x, int y) { return IconPixel(art, x, y).value_or(kBlack); });
    AppendMask(bytes, art);
}

ByteBuffer EncodeIco() {
    ByteBuffer bytes;
    AppendU16(bytes, 0);
    AppendU16(bytes, 1);  // an icon, not a cursor
    AppendU16(bytes, 2);
    const std::uint32_t firstImage = kDirectorySize + 2 * kDirectoryEntrySize;
    AppendDirectoryEntry(bytes, kLargeIconArt.size, firstImage);
    AppendDirectoryEntry(bytes, kSmallIconArt.size, firstImage + ImageSize(kLargeIconArt.size));
    AppendImage(bytes, kLargeIconArt);
    AppendImage(bytes, kSmallIconArt);
    return bytes;
}

}  // namespace
}  // namespace kolvar

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: icon_generator <output.ico>\n";
        return 2;
    }
    if (!kolvar::WriteFile(argv[1], kolvar::EncodeIco())) {
        std::cerr << "icon_generator: cannot write " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
