// Writes the application icon as PNG files for a desktop install:
// icon_png_generator <32x32.png> <16x16.png>
//
// The images are the ones of the ICO file, with real alpha. The deflate stream uses stored blocks
// only: the icons are tiny, and it keeps the generator free of any compression library.

#include <algorithm>
#include <array>
#include <cstdint>
#include <iostream>
#include <string_view>

#include "resources/generators/byte_buffer.h"
#include "resources/generators/icon_art.h"
#include "resources/generators/standard_palette.h"

namespace kolvar {
namespace {

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc & 1u) ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
        }
    }
    return crc ^ 0xFFFFFFFFu;
}

std::uint32_t Adler32(const ByteBuffer& data) {
    constexpr std::uint32_t kModulus = 65521;
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (std::uint8_t byte : data) {
        a = (a + byte) % kModulus;
        b = (b + a) % kModulus;
    }
    return (b << 16) | a;
}

void AppendChunk(ByteBuffer& png, std::string_view type, const ByteBuffer& data) {
    AppendBigEndianU32(png, static_cast<std::uint32_t>(data.size()));
    const std::size_t typeStart = png.size();
    png.insert(png.end(), type.begin(), type.end());
    png.insert(png.end(), data.begin(), data.end());
    AppendBigEndianU32(png, Crc32(png.data() + typeStart, png.size() - typeStart));
}

// A zlib stream of stored deflate blocks, each at most 65535 bytes.
ByteBuffer StoredZlib(const ByteBuffer& raw) {
    constexpr std::size_t kMaxBlock = 65535;
    ByteBuffer out{0x78, 0x01};
    std::size_t offset = 0;
    do {
        const std::size_t length = std::min(kMaxBlock, raw.size() - offset);
        const bool last = offset + length == raw.size();
        out.push_back(last ? 1 : 0);
        AppendU16(out, static_cast<std::uint32_t>(length));
        AppendU16(out, static_cast<std::uint32_t>(~length & 0xFFFF));
        out.insert(out.end(), raw.begin() + static_cast<std::ptrdiff_t>(offset),
                   raw.begin() + static_cast<std::ptrdiff_t>(offset + length));
        offset += length;
    } while (offset < raw.size());
    AppendBigEndianU32(out, Adler32(raw));
    return out;
}

// Scanlines of RGBA pixels, each led by filter type 0 (none).
ByteBuffer RgbaScanlines(const IconArt& art) {
    ByteBuffer raw;
    for (int y = 0; y < art.size; ++y) {
        raw.push_back(0);
        for (int x = 0; x < art.size; ++x) {
            const auto index = IconPixel(art, x, y);
            const RgbColour colour = kStandardPalette[index.value_or(kBlack)];
            raw.insert(raw.end(), {colour.red, colour.green, colour.blue,
                                   static_cast<std::uint8_t>(index ? 255 : 0)});
        }
    }
    return raw;
}

ByteBuffer ImageHeader(int size) {
    ByteBuffer header;
    AppendBigEndianU32(header, static_cast<std::uint32_t>(size));
    AppendBigEndianU32(header, static_cast<std::uint32_t>(size));
    header.insert(header.end(), {8, 6, 0, 0, 0});  // 8-bit RGBA, deflate, no filter, no interlace
    return header;
}

ByteBuffer EncodePng(const IconArt& art) {
    ByteBuffer png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    AppendChunk(png, "IHDR", ImageHeader(art.size));
    AppendChunk(png, "IDAT", StoredZlib(RgbaScanlines(art)));
    AppendChunk(png, "IEND", {});
    return png;
}

bool WritePng(const char* path, const IconArt& art) {
    if (WriteFile(path, EncodePng(art))) {
        return true;
    }
    std::cerr << "icon_png_generator: cannot write " << path << '\n';
    return false;
}

}  // namespace
}  // namespace kolvar

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: icon_png_generator <32x32.png> <16x16.png>\n";
        return 2;
    }
    const bool large = kolvar::WritePng(argv[1], kolvar::kLargeIconArt);
    const bool small = kolvar::WritePng(argv[2], kolvar::kSmallIconArt);
    return large && small ? 0 : 1;
}
