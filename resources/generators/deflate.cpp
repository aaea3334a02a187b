#include "resources/generators/deflate.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace kolvar {
namespace {

constexpr std::size_t kMinMatch = 3;
constexpr std::size_t kMaxMatch = 258;
constexpr std::size_t kWindow = 32768;

constexpr std::array<std::uint16_t, 29> kLengthBase{3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                                    15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                                    67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<std::uint8_t, 29> kLengthExtra{0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                                    2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<std::uint16_t, 30> kDistanceBase{
    1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<std::uint8_t, 30> kDistanceExtra{0, 0, 0,  0,  1,  1,  2,  2,  3,  3,
                                                      4, 4, 5,  5,  6,  6,  7,  7,  8,  8,
                                                      9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

// Deflate packs its bits from the least significant end of each byte; Huffman codes go in from
// their most significant bit.
struct BitStream {
    ByteBuffer bytes;
    std::uint32_t pending = 0;
    int count = 0;

    void Bits(std::uint32_t value, int width) {
        pending |= value << count;
        count += width;
        while (count >= 8) {
            bytes.push_back(static_cast<std::uint8_t>(pending));
            pending >>= 8;
            count -= 8;
        }
    }

    void Code(std::uint32_t code, int width) {
        std::uint32_t reversed = 0;
        for (int bit = 0; bit < width; ++bit) {
            reversed |= ((code >> bit) & 1u) << (width - 1 - bit);
        }
        Bits(reversed, width);
    }

    void Flush() {
        if (count > 0) {
            Bits(0, 8 - count);
        }
    }
};

// The fixed code of a literal byte, of the end of the block (256) or of a length (257 to 285).
void LiteralOrLength(BitStream& out, unsigned symbol) {
    if (symbol < 144) {
        out.Code(0x30 + symbol, 8);
    } else if (symbol < 256) {
        out.Code(0x190 + symbol - 144, 9);
    } else if (symbol < 280) {
        out.Code(symbol - 256, 7);
    } else {
        out.Code(0xC0 + symbol - 280, 8);
    }
}

template <std::size_t N>
std::size_t BucketOf(const std::array<std::uint16_t, N>& bases, std::size_t value) {
    return static_cast<std::size_t>(std::upper_bound(bases.begin(), bases.end(), value) -
                                    bases.begin()) -
           1;
}

void Match(BitStream& out, std::size_t length, std::size_t distance) {
    const std::size_t lengthCode = BucketOf(kLengthBase, length);
    LiteralOrLength(out, static_cast<unsigned>(257 + lengthCode));
    out.Bits(static_cast<std::uint32_t>(length - kLengthBase[lengthCode]),
             kLengthExtra[lengthCode]);
    const std::size_t distanceCode = BucketOf(kDistanceBase, distance);
    out.Code(static_cast<std::uint32_t>(distanceCode), 5);
    out.Bits(static_cast<std::uint32_t>(distance - kDistanceBase[distanceCode]),
             kDistanceExtra[distanceCode]);
}

std::size_t MatchLength(const ByteBuffer& raw, std::size_t at, std::size_t distance) {
    if (distance == 0 || distance > at || distance > kWindow) {
        return 0;
    }
    const std::size_t limit = std::min(kMaxMatch, raw.size() - at);
    std::size_t length = 0;
    while (length < limit && raw[at + length] == raw[at + length - distance]) {
        ++length;
    }
    return length;
}

// The longest of the copies of the pixel before, of the row above and of the latest place the
// next three bytes were seen; greedy, which is plenty for flat art.
struct Candidate {
    std::size_t length = 0;
    std::size_t distance = 0;
};

Candidate BestMatch(const ByteBuffer& raw, std::size_t at, std::size_t rowBytes,
                    std::size_t lastSeen) {
    Candidate best;
    for (std::size_t distance : {std::size_t{4}, std::size_t{1}, rowBytes, at - lastSeen}) {
        const std::size_t length = MatchLength(raw, at, distance);
        if (length > best.length) {
            best = {length, distance};
        }
    }
    return best;
}

std::size_t HashAt(const ByteBuffer& raw, std::size_t at) {
    return (std::size_t{raw[at]} << 10 ^ std::size_t{raw[at + 1]} << 5 ^ raw[at + 2]) & 0x7FFF;
}

// The checksum that ends a zlib stream.
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

}  // namespace

ByteBuffer ZlibCompress(const ByteBuffer& raw, std::size_t rowBytes) {
    BitStream out;
    out.bytes = {0x78, 0x01};
    out.Bits(1, 1);  // the last block
    out.Bits(1, 2);  // fixed codes
    std::vector<std::size_t> seen(0x8000, raw.size());
    std::size_t at = 0;
    while (at < raw.size()) {
        Candidate match;
        if (at + kMinMatch <= raw.size()) {
            const std::size_t hash = HashAt(raw, at);
            match = BestMatch(raw, at, rowBytes, seen[hash] < at ? seen[hash] : at);
            seen[hash] = at;
        }
        if (match.length >= kMinMatch) {
            Match(out, match.length, match.distance);
            at += match.length;
        } else {
            LiteralOrLength(out, raw[at]);
            ++at;
        }
    }
    LiteralOrLength(out, 256);
    out.Flush();
    AppendBigEndianU32(out.bytes, Adler32(raw));
    return out.bytes;
}

}  // namespace kolvar
