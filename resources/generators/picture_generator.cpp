// Writes the resistor picture (bitmap 129) as a 4-bit BMP: picture_generator <output.bmp>
//
// Every pixel comes from the picture's shape at 100 % (resources/picture_shape.h): the outline in
// grey, the leads in lead grey, everything else white.

#include <cstddef>
#include <cstdint>
#include <iostream>

#include "resources/generators/byte_buffer.h"
#include "resources/generators/standard_palette.h"
#include "resources/picture_shape.h"

namespace kolvar {
namespace {

constexpr int kWidth = kPictureWidth;
constexpr int kHeight = kPictureHeight;

// By PicturePart: blank, outline, lead.
constexpr std::uint8_t kPaletteIndexOf[] = {kWhite, kGrey, kSilver};

std::uint8_t PaletteIndexOf(PicturePart part) {
    return kPaletteIndexOf[static_cast<std::size_t>(part)];
}

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kPaletteSize = 16 * 4;
constexpr std::uint32_t kPixelOffset = kFileHeaderSize + kInfoHeaderSize + kPaletteSize;

void AppendFileHeader(ByteBuffer& bytes, std::uint32_t pixelBytes) {
    bytes.insert(bytes.end(), {'B', 'M'});
    AppendU32(bytes, kPixelOffset + pixelBytes);
    AppendU32(bytes, 0);
    AppendU32(bytes, kPixelOffset);
}

void AppendInfoHeader(ByteBuffer& bytes, std::uint32_t pixelBytes) {
    AppendU32(bytes, kInfoHeaderSize);
    AppendU32(bytes, kWidth);
    AppendU32(bytes, kHeight);  // positive: rows run bottom-up
    AppendU16(bytes, 1);        // planes
    AppendU16(bytes, 4);        // bits per pixel
    AppendU32(bytes, 0);        // uncompressed
    AppendU32(bytes, pixelBytes);
    AppendU32(bytes, 0);  // no preferred resolution
    AppendU32(bytes, 0);
    AppendU32(bytes, 16);  // colours used
    AppendU32(bytes, 0);   // all colours important
}

ByteBuffer EncodeBmp(const PictureParts& parts) {
    const std::uint32_t pixelBytes = FourBitRasterSize(kWidth, kHeight);
    ByteBuffer bytes;
    AppendFileHeader(bytes, pixelBytes);
    AppendInfoHeader(bytes, pixelBytes);
    AppendPalette(bytes);
    AppendFourBitRows(bytes, kWidth, kHeight,
                      [&](int x, int y) { return PaletteIndexOf(parts.At(x, y)); });
    return bytes;
}

}  // namespace
}  // namespace kolvar

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: picture_generator <output.bmp>\n";
        return 2;
    }
    if (!kolvar::WriteFile(argv[1], kolvar::EncodeBmp(kolvar::DrawPictureParts(96)))) {
        std::cerr << "picture_generator: cannot write " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
