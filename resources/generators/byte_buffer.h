#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace kolvar {

// Bytes of a file being assembled; the BMP and ICO formats are little-endian throughout.
using ByteBuffer = std::vector<std::uint8_t>;

inline void AppendLittleEndian(ByteBuffer& bytes, std::uint32_t value, int width) {
    for (int i = 0; i < width; ++i) {
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

inline void AppendU16(ByteBuffer& bytes, std::uint32_t value) {
    AppendLittleEndian(bytes, value, 2);
}

inline void AppendU32(ByteBuffer& bytes, std::uint32_t value) {
    AppendLittleEndian(bytes, value, 4);
}

inline void AppendBigEndianU32(ByteBuffer& bytes, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        bytes.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

inline void PatchU32(ByteBuffer& bytes, std::size_t offset, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

inline bool WriteFile(const std::string& path, const ByteBuffer& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

}  // namespace kolvar
