#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <queue>
#include <string>
#include <vector>

#include "resources/program_resources.h"
#include "resources/resource_ids.h"

namespace kolvar {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Bytes Committed(const std::string& name) {
    return ReadFile(std::string(KOLVAR_RESOURCES_DIR) + "/" + name);
}

Bytes Generated(const std::string& name) {
    return ReadFile(std::string(KOLVAR_GENERATED_DIR) + "/" + name);
}

Bytes AsBytes(std::span<const std::byte> span) {
    Bytes bytes;
    for (std::byte b : span) {
        bytes.push_back(std::to_integer<std::uint8_t>(b));
    }
    return bytes;
}

std::uint32_t ReadU32(const Bytes& bytes, std::size_t offset) {
    return std::uint32_t{bytes[offset]} | std::uint32_t{bytes[offset + 1]} << 8 |
           std::uint32_t{bytes[offset + 2]} << 16 | std::uint32_t{bytes[offset + 3]} << 24;
}

std::uint32_t ReadU16(const Bytes& bytes, std::size_t offset) {
    return std::uint32_t{bytes[offset]} | std::uint32_t{bytes[offset + 1]} << 8;
}

struct Rgb {
    int red;
    int green;
    int blue;
    bool operator==(const Rgb&) const = default;
};

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kOutlineGrey{128, 128, 128};
constexpr Rgb kLeadGrey{192, 192, 192};

// Reads pixels straight from the bytes of a bottom-up 4-bit BMP.
class FourBitBmp {
public:
    explicit FourBitBmp(Bytes bytes) : bytes_(std::move(bytes)) {}

    int Width() const { return static_cast<int>(ReadU32(bytes_, 18)); }
    int Height() const { return static_cast<int>(ReadU32(bytes_, 22)); }

    Rgb PaletteEntry(int index) const {
        const std::size_t at = 54 + 4 * static_cast<std::size_t>(index);
        return {bytes_[at + 2], bytes_[at + 1], bytes_[at]};
    }

    Rgb Pixel(int x, int y) const {
        const int stride = (Width() * 4 + 31) / 32 * 4;
        const std::size_t at =
            ReadU32(bytes_, 10) + static_cast<std::size_t>((Height() - 1 - y) * stride + x / 2);
        const int index = (x % 2 == 0) ? bytes_[at] >> 4 : bytes_[at] & 0x0F;
        return PaletteEntry(index);
    }

private:
    Bytes bytes_;
};

FourBitBmp Picture() {
    return FourBitBmp(Committed("picture.bmp"));
}

TEST(ResourceFiles, CommittedFilesAreWhatTheGeneratorsWrite) {
    EXPECT_EQ(Committed("picture.bmp"), Generated("picture.bmp"));
    EXPECT_EQ(Committed("kolvar.ico"), Generated("kolvar.ico"));
    EXPECT_EQ(Committed("windows/kolvar.ico"), Generated("kolvar-windows.ico"));
    EXPECT_EQ(Committed("icons/hicolor/32x32/apps/kolvar.png"), Generated("kolvar-32.png"));
    EXPECT_EQ(Committed("icons/hicolor/16x16/apps/kolvar.png"), Generated("kolvar-16.png"));
    EXPECT_FALSE(Committed("picture.bmp").empty());
}

TEST(ResourceFiles, ProgramCarriesTheCommittedPictureAndIcon) {
    EXPECT_EQ(AsBytes(ProgramResources().bitmap(IDB_PICTURE)), Committed("picture.bmp"));
    EXPECT_EQ(AsBytes(ProgramResources().icon(IDR_MAINICON)), Committed("kolvar.ico"));
    EXPECT_TRUE(ProgramResources().bitmap(IDR_MAINICON).empty());
    EXPECT_TRUE(ProgramResources().icon(IDB_PICTURE).empty());
}

TEST(ResourceFiles, PictureIsA353By153FourBitBitmapWithTheStandardPalette) {
    const Bytes bytes = Committed("picture.bmp");
    ASSERT_GE(bytes.size(), 118u);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(ReadU32(bytes, 2), bytes.size());
    EXPECT_EQ(ReadU32(bytes, 18), 353u);
    EXPECT_EQ(ReadU32(bytes, 22), 153u);
    EXPECT_EQ(ReadU16(bytes, 28), 4u);
    EXPECT_EQ(ReadU32(bytes, 30), 0u);  // uncompressed

    const std::array<Rgb, 16> standard{{{0, 0, 0},
                                        {128, 0, 0},
                                        {0, 128, 0},
                                        {128, 128, 0},
                                        {0, 0, 128},
                                        {128, 0, 128},
                                        {0, 128, 128},
                                        {192, 192, 192},
                                        {128, 128, 128},
                                        {255, 0, 0},
                                        {0, 255, 0},
                                        {255, 255, 0},
                                        {0, 0, 255},
                                        {255, 0, 255},
                                        {0, 255, 255},
                                        {255, 255, 255}}};
    const FourBitBmp picture(bytes);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(picture.PaletteEntry(i), standard[static_cast<std::size_t>(i)]) << i;
    }
}

TEST(ResourceFiles, PicturePixelsFollowTheOutline) {
    const FourBitBmp picture = Picture();
    EXPECT_EQ(picture.Pixel(0, 0), kWhite);
    EXPECT_EQ(picture.Pixel(1, 65), kOutlineGrey);
    EXPECT_EQ(picture.Pixel(1, 87), kOutlineGrey);
    EXPECT_EQ(picture.Pixel(1, 64), kWhite);
    EXPECT_EQ(picture.Pixel(160, 25), kOutlineGrey);
    EXPECT_EQ(picture.Pixel(160, 127), kOutlineGrey);
    EXPECT_EQ(picture.Pixel(80, 1), kOutlineGrey);
    EXPECT_EQ(picture.Pixel(80, 151), kOutlineGrey);
    EXPECT_EQ(picture.Pixel(176, 76), kWhite);
    EXPECT_EQ(picture.Pixel(10, 70), kLeadGrey);
    EXPECT_EQ(picture.Pixel(49, 64), kLeadGrey);
    EXPECT_EQ(picture.Pixel(340, 87), kLeadGrey);
}

// Everything reachable from `start` through 4-neighbours that are not outline grey.
std::vector<bool> Region(const FourBitBmp& picture, int startX, int startY) {
    const int width = picture.Width();
    const int height = picture.Height();
    std::vector<bool> reached(static_cast<std::size_t>(width * height), false);
    std::queue<std::pair<int, int>> pending;
    pending.push({startX, startY});
    while (!pending.empty()) {
        const auto [x, y] = pending.front();
        pending.pop();
        if (x < 0 || y < 0 || x >= width || y >= height) {
            continue;
        }
        const auto at = static_cast<std::size_t>(y * width + x);
        if (reached[at] || picture.Pixel(x, y) == kOutlineGrey) {
            continue;
        }
        reached[at] = true;
        pending.push({x + 1, y});
        pending.push({x - 1, y});
        pending.push({x, y + 1});
        pending.push({x, y - 1});
    }
    return reached;
}

TEST(ResourceFiles, OutlineSeparatesOutsideFromBodyForEdgeFills) {
    const FourBitBmp picture = Picture();
    const std::vector<bool> outside = Region(picture, 0, 0);
    EXPECT_FALSE(outside[static_cast<std::size_t>(76 * picture.Width() + 176)]);
    EXPECT_FALSE(outside[static_cast<std::size_t>(76 * picture.Width() + 10)]);  // a lead
    EXPECT_TRUE(outside[static_cast<std::size_t>(0 * picture.Width() + 352)]);
    EXPECT_TRUE(outside[static_cast<std::size_t>(152 * picture.Width() + 0)]);
}

TEST(ResourceFiles, EveryBandColumnCrossesTheOutlineTwice) {
    const FourBitBmp picture = Picture();
    for (int column :
         {75, 95, 100, 115, 125, 135, 150, 155, 175, 195, 200, 215, 225, 235, 250, 255}) {
        int greyAbove = 0;
        int greyBelow = 0;
        for (int y = 0; y < picture.Height(); ++y) {
            if (picture.Pixel(column, y) == kOutlineGrey) {
                ++(y < 76 ? greyAbove : greyBelow);
            }
        }
        EXPECT_EQ(greyAbove, 1) << column;
        EXPECT_EQ(greyBelow, 1) << column;
    }
}

TEST(ResourceFiles, IconHoldsA32And16PixelFourBitImage) {
    const Bytes icon = Committed("kolvar.ico");
    ASSERT_GE(icon.size(), 38u);
    EXPECT_EQ(ReadU16(icon, 2), 1u);
    ASSERT_EQ(ReadU16(icon, 4), 2u);
    EXPECT_EQ(icon[6], 32);
    EXPECT_EQ(icon[22], 16);
    // The images follow the directory back to back, the last one ending the file.
    for (std::size_t entry : {6u, 22u}) {
        EXPECT_EQ(ReadU16(icon, entry + 6), 4u);  // bits per pixel
        EXPECT_EQ(ReadU32(icon, entry + 8) + ReadU32(icon, entry + 12),
                  entry == 6 ? ReadU32(icon, 22 + 12) : icon.size());
    }
}

}  // namespace
}  // namespace kolvar
