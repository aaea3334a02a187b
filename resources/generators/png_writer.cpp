#include "resources/generators/png_writer.h"

#include <cstdint>
#include <string_view>

#include "resources/generators/deflate.h"

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

void AppendChunk(ByteBuffer& png, std::string_view type, const ByteBuffer& data) {
    AppendBigEndianU32(png, static_cast<std::uint32_t>(data.size()));
    const std::size_t typeStart = png.size();
    png.insert(png.end(), type.begin(), type.end());
    png.insert(png.end(), data.begin(), data.end());
    AppendBigEndianU32(png, Crc32(png.data() + typeStart, png.size() - typeStart));
}

// Scanlines of RGBA pixels, each led by filter type 0 (none): the compressor finds the pixel
// before and the row above by itself.
ByteBuffer RgbaScanlines(int size, const std::function<std::optional<RgbColour>(int, int)>& pixel) {
    ByteBuffer raw;
    for (int y = 0; y < size; ++y) {
        raw.push_back(0);
        for (int x = 0; x < size; ++x) {
            const std::optional<RgbColour> colour = pixel(x, y);
            if (colour) {
                raw.insert(raw.end(), {colour->red, colour->green, colour->blue, 0xFF});
            } else {
                raw.insert(raw.end(), {0, 0, 0, 0});
            }
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

}  // namespace

ByteBuffer EncodePng(int size, const std::function<std::optional<RgbColour>(int x, int y)>& pixel) {
    ByteBuffer png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    AppendChunk(png, "IHDR", ImageHeader(size));
    const auto rowBytes = static_cast<std::size_t>(size) * 4 + 1;
    AppendChunk(png, "IDAT", ZlibCompress(RgbaScanlines(size, pixel), rowBytes));
    AppendChunk(png, "IEND", {});
    return png;
}

}  // namespace kolvar
