#include "platform/dib_reader.h"
#include "tests/support/row_name.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <ostream>
#include <vector>

namespace kolvar {
namespace {

using Bytes = std::vector<std::byte>;

void Put(Bytes& out, std::uint32_t value, int size) {
    for (int byte = 0; byte < size; ++byte) {
        out.push_back(static_cast<std::byte>(value >> (8 * byte) & 0xFF));
    }
}

// An 8 x 2 icon of 4 bits per pixel, rows bottom-up: the top row runs through palette entries
// 0 to 7, the bottom row is entry 9, and the mask clears the top row's first two pixels.
Bytes FourBitIcon() {
    Bytes file;
    for (std::uint32_t field : {0u, 1u, 1u}) {
        Put(file, field, 2);
    }
    const std::uint32_t imageSize = 40 + 16 * 4 + 2 * 4 + 2 * 4;
    Put(file, 8, 1), Put(file, 2, 1), Put(file, 16, 1), Put(file, 0, 1);
    Put(file, 1, 2), Put(file, 4, 2), Put(file, imageSize, 4), Put(file, 22, 4);
    Put(file, 40, 4), Put(file, 8, 4), Put(file, 4, 4), Put(file, 1, 2), Put(file, 4, 2);
    for (int field = 0; field < 6; ++field) {
        Put(file, 0, 4);
    }
    for (std::uint32_t index = 0; index < 16; ++index) {
        Put(file, index * 0x100C04, 4);  // blue 4i, green 12i, red 16i
    }
    Put(file, 0x99999999, 4), Put(file, 0x67452301, 4);  // bottom row, then top row
    Put(file, 0, 4), Put(file, 0xC0, 4);                 // mask, same order
    return file;
}

// Opaque red, green and blue as decoded pixels show them.
constexpr std::uint32_t Opaque(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
    return 0xFF000000 | red << 16 | green << 8 | blue;
}

TEST(DibReader, FourBitIconTakesPaletteColoursAndItsMask) {
    const Bytes file = FourBitIcon();
    const std::vector<IconFileImage> images = IconFileImages(file);
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].side, 8);
    const std::optional<DibImage> image = ReadIconImage(images[0].bytes);
    ASSERT_TRUE(image);
    ASSERT_EQ(image->width, 8);
    ASSERT_EQ(image->height, 2);
    EXPECT_EQ(image->At(0, 0) >> 24, 0u);
    EXPECT_EQ(image->At(1, 0) >> 24, 0u);
    EXPECT_EQ(image->At(2, 0), Opaque(32, 24, 8));
    EXPECT_EQ(image->At(7, 0), Opaque(112, 84, 28));
    EXPECT_EQ(image->At(0, 1), Opaque(144, 108, 36));
}

// An icon file's directory of square images of the sides, in that order, each image one byte
// that the choice does not read; a side of 0 stands for 256, as the format has it.
Bytes IconDirectory(std::initializer_list<std::uint32_t> sides) {
    Bytes file;
    Put(file, 0, 2), Put(file, 1, 2), Put(file, static_cast<std::uint32_t>(sides.size()), 2);
    auto at = static_cast<std::uint32_t>(6 + 16 * sides.size());
    for (const std::uint32_t side : sides) {
        Put(file, side, 1), Put(file, side, 1), Put(file, 0, 2), Put(file, 1, 2), Put(file, 32, 2);
        Put(file, 1, 4), Put(file, at++, 4);
    }
    file.resize(file.size() + sides.size());
    return file;
}

// The image of the side asked for, else the smallest larger one, else the largest; also in a
// file that keeps its smaller images first.
TEST(DibReader, IconImageIsOfTheSideElseTheNextLargerElseTheLargest) {
    const Bytes file = IconDirectory({16, 32, 48, 0});
    EXPECT_EQ(IconImageFor(file, 32).value().side, 32);
    EXPECT_EQ(IconImageFor(file, 20).value().side, 32);
    EXPECT_EQ(IconImageFor(file, 300).value().side, 256);
}

// A 5 x 3 BMP of 8 bits per pixel with two palette colours, every pixel the second: a file
// header, a 40-byte info header, the palette, three rows padded to 8 bytes.
Bytes SmallBmp() {
    const std::uint32_t pixelsAt = 14 + 40 + 2 * 4;
    Bytes file;
    Put(file, 'B', 1), Put(file, 'M', 1), Put(file, pixelsAt + 3 * 8, 4), Put(file, 0, 4);
    Put(file, pixelsAt, 4);
    Put(file, 40, 4), Put(file, 5, 4), Put(file, 3, 4), Put(file, 1, 2), Put(file, 8, 2);
    Put(file, 0, 4), Put(file, 3 * 8, 4), Put(file, 0, 4), Put(file, 0, 4), Put(file, 2, 4);
    Put(file, 2, 4);
    Put(file, 0x010203, 4), Put(file, 0xC86432, 4);
    for (int row = 0; row < 3; ++row) {
        Put(file, 0x01010101, 4), Put(file, 0x01, 4);
    }
    return file;
}

TEST(DibReader, BmpKeepsItsPaletteColoursExactly) {
    const std::optional<DibImage> image = ReadBmpFile(SmallBmp());
    ASSERT_TRUE(image);
    ASSERT_EQ(image->width, 5);
    ASSERT_EQ(image->height, 3);
    for (const std::uint32_t pixel : image->pixels) {
        EXPECT_EQ(pixel, Opaque(200, 100, 50));
    }
}

struct DamageRow {
    const char* what;
    bool icon;            // else the BMP
    std::size_t at;       // where the 32-bit value goes, or the length cut to
    std::uint32_t value;  // written there; ignored when cut
    bool cut;
};

void PrintTo(const DamageRow& row, std::ostream* out) {
    *out << row.what;
}

class DamagedFile : public testing::TestWithParam<DamageRow> {};

// Whatever the bytes say, nothing is read outside them and a broken file gives no image.
TEST_P(DamagedFile, GivesNoImage) {
    const DamageRow& row = GetParam();
    Bytes file = row.icon ? FourBitIcon() : SmallBmp();
    if (row.cut) {
        file.resize(row.at);
    } else {
        Bytes value;
        Put(value, row.value, 4);
        std::copy(value.begin(), value.end(), file.begin() + static_cast<std::ptrdiff_t>(row.at));
    }
    if (row.icon) {
        EXPECT_TRUE(IconFileImages(file).empty());
    } else {
        EXPECT_FALSE(ReadBmpFile(file));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, DamagedFile,
    testing::Values(DamageRow{"not a BMP", false, 0, 0x4D58, false},
                    DamageRow{"header cut short", false, 30, 0, true},
                    DamageRow{"more rows than pixels", false, 22, 4, false},
                    DamageRow{"pixels beyond the end", false, 10, 0xFFFFFFF0, false},
                    DamageRow{"compressed", false, 30, 1, false},
                    DamageRow{"16 bits per pixel", false, 28, 16, false},
                    DamageRow{"no width", false, 18, 0, false},
                    DamageRow{"height of -2^31", false, 22, 0x80000000, false},
                    DamageRow{"palette beyond the end", false, 46, 0x40000000, false},
                    DamageRow{"not an icon", true, 0, 0x20000, false},
                    DamageRow{"image beyond the end", true, 18, 0xFFFFFFF0, false},
                    DamageRow{"image longer than the file", true, 14, 0xFFFFFF00, false},
                    DamageRow{"directory cut short", true, 20, 0, true}),
    test::RowName());

}  // namespace
}  // namespace kolvar
