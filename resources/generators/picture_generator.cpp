// Writes the resistor picture (bitmap 129) as a 4-bit BMP: picture_generator <output.bmp>
//
// Every pixel comes from the tables below: the outline is listed column by column for the upper
// half and mirrored about row 76, the leads are filled with lead grey, and everything else is
// white. The painting code relies on this exact outline, so it is data, not drawing code.

#include <array>
#include <cstdint>
#include <iostream>
#include <vector>

#include "resources/generators/byte_buffer.h"
#include "resources/generators/standard_palette.h"

namespace kolvar {
namespace {

constexpr int kWidth = 353;
constexpr int kHeight = 153;
constexpr int kMirrorRow = kHeight - 1;  // row y is mirrored onto row 152 - y

struct Span {
    int first;
    int last;  // inclusive; an empty span has last < first
};

constexpr Span kNone{0, -1};

// Columns on the left and right side that share the same grey rows in the upper half.
struct OutlineColumns {
    Span left;
    Span right;
    Span greyRows;
};

constexpr std::array kOutline = std::to_array<OutlineColumns>({
    {{0, 0}, {352, 352}, kNone},        {{1, 1}, {351, 351}, {65, 76}},
    {{2, 47}, {305, 350}, {64, 64}},    {{48, 48}, kNone, {63, 64}},
    {{49, 49}, {303, 304}, {63, 63}},   {{50, 50}, {302, 302}, {61, 76}},
    {{51, 51}, {301, 301}, {13, 61}},   {{52, 52}, {300, 300}, {10, 12}},
    {{53, 53}, {299, 299}, {8, 9}},     {{54, 54}, {298, 298}, {7, 7}},
    {{55, 55}, {297, 297}, {6, 6}},     {{56, 56}, {296, 296}, {5, 5}},
    {{57, 57}, {295, 295}, {4, 4}},     {{58, 59}, {293, 294}, {3, 3}},
    {{60, 62}, {290, 292}, {2, 2}},     {{63, 102}, {250, 289}, {1, 1}},
    {{103, 105}, {247, 249}, {2, 2}},   {{106, 107}, {245, 246}, {3, 3}},
    {{108, 108}, {244, 244}, {4, 4}},   {{109, 109}, {243, 243}, {5, 5}},
    {{110, 110}, {242, 242}, {6, 6}},   {{111, 111}, {241, 241}, {7, 7}},
    {{112, 112}, {240, 240}, {8, 9}},   {{113, 113}, {239, 239}, {10, 11}},
    {{114, 114}, {238, 238}, {12, 13}}, {{115, 115}, {237, 237}, {14, 14}},
    {{116, 116}, {236, 236}, {15, 15}}, {{117, 118}, {234, 235}, {16, 16}},
    {{119, 120}, {232, 233}, {17, 17}}, {{121, 122}, {230, 231}, {18, 18}},
    {{123, 125}, {227, 229}, {19, 19}}, {{126, 129}, {223, 226}, {20, 20}},
    {{130, 134}, {218, 222}, {21, 21}}, {{135, 140}, {212, 217}, {22, 22}},
    {{141, 147}, {205, 211}, {23, 23}}, {{148, 159}, {193, 204}, {24, 24}},
    {{160, 192}, kNone, {25, 25}},
});

// The inside of the two wire leads, in lead grey.
struct LeadArea {
    Span columns;
    Span rows;
};

constexpr std::array kLeads = std::to_array<LeadArea>({
    {{2, 48}, {65, 87}},
    {{305, 350}, {65, 87}},
    {{49, 49}, {64, 88}},
    {{303, 304}, {64, 88}},
});

class Raster {
public:
    Raster() : pixels_(static_cast<std::size_t>(kWidth * kHeight), kWhite) {}

    void Set(int x, int y, std::uint8_t index) { pixels_[Offset(x, y)] = index; }
    std::uint8_t At(int x, int y) const { return pixels_[Offset(x, y)]; }

private:
    static std::size_t Offset(int x, int y) { return static_cast<std::size_t>(y * kWidth + x); }

    std::vector<std::uint8_t> pixels_;
};

void DrawOutlineColumns(Raster& raster, Span columns, Span greyRows) {
    for (int x = columns.first; x <= columns.last; ++x) {
        for (int y = greyRows.first; y <= greyRows.last; ++y) {
            raster.Set(x, y, kGrey);
            raster.Set(x, kMirrorRow - y, kGrey);
        }
    }
}

void FillLead(Raster& raster, const LeadArea& lead) {
    for (int x = lead.columns.first; x <= lead.columns.last; ++x) {
        for (int y = lead.rows.first; y <= lead.rows.last; ++y) {
            raster.Set(x, y, kSilver);
        }
    }
}

Raster DrawPicture() {
    Raster raster;
    for (const OutlineColumns& entry : kOutline) {
        DrawOutlineColumns(raster, entry.left, entry.greyRows);
        DrawOutlineColumns(raster, entry.right, entry.greyRows);
    }
    for (const LeadArea& lead : kLeads) {
        FillLead(raster, lead);
    }
    return raster;
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

ByteBuffer EncodeBmp(const Raster& raster) {
    const std::uint32_t pixelBytes = FourBitRasterSize(kWidth, kHeight);
    ByteBuffer bytes;
    AppendFileHeader(bytes, pixelBytes);
    AppendInfoHeader(bytes, pixelBytes);
    AppendPalette(bytes);
    AppendFourBitRows(bytes, kWidth, kHeight, [&](int x, int y) { return raster.At(x, y); });
    return bytes;
}

}  // namespace
}  // namespace kolvar

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: picture_generator <output.bmp>\n";
        return 2;
    }
    if (!kolvar::WriteFile(argv[1], kolvar::EncodeBmp(kolvar::DrawPicture()))) {
        std::cerr << "picture_generator: cannot write " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
