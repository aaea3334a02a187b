#include "platform/qt/dib_reader.h"
#include "tests/support/row_name.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <cstdint>
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

TEST(DibReader, FourBitIconTakesPaletteColoursAndItsMask) {
    const std::vector<QImage> images = ReadIconFile(FourBitIcon());
    ASSERT_EQ(images.size(), 1u);
    const QImage& image = images[0];
    ASSERT_EQ(image.size(), QSize(8, 2));
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(image.pixel(1, 0)), 0);
    EXPECT_EQ(image.pixel(2, 0), qRgb(32, 24, 8));
    EXPECT_EQ(image.pixel(7, 0), qRgb(112, 84, 28));
    EXPECT_EQ(image.pixel(0, 1), qRgb(144, 108, 36));
}

Bytes SmallBmp() {
    QImage image(5, 3, QImage::Format_Indexed8);
    image.setColorTable({qRgb(1, 2, 3), qRgb(200, 100, 50)});
    image.fill(1);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    const auto* data = reinterpret_cast<const std::byte*>(buffer.data().constData());
    return Bytes(data, data + buffer.data().size());
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
        EXPECT_TRUE(ReadIconFile(file).empty());
    } else {
        EXPECT_TRUE(ReadBmpFile(file).isNull());
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
