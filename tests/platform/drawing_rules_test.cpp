#include "platform/drawing_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/row_name.h"

namespace kolvar {
namespace {

struct CheckMarkRow {
    int dpi;
    int side;
};

void PrintTo(const CheckMarkRow& row, std::ostream* out) {
    *out << row.dpi << " dpi";
}

class CheckMark : public testing::TestWithParam<CheckMarkRow> {};

// 13 pixels at 96 dpi, scaled with the screen and rounded to nearest, never less; the tick has
// ink, stays in its square and leaves most of it blank.
TEST_P(CheckMark, Is13PixelsAt96DpiScaledAndNeverLess) {
    const int side = CheckMarkSide(GetParam().dpi);
    EXPECT_EQ(side, GetParam().side);
    const std::vector<Point> pixels = CheckMarkPixels(side);
    EXPECT_FALSE(pixels.empty());
    EXPECT_LT(static_cast<int>(pixels.size()), side * side / 2);
    EXPECT_TRUE(std::all_of(pixels.begin(), pixels.end(), [side](Point pixel) {
        return pixel.x >= 0 && pixel.x < side && pixel.y >= 0 && pixel.y < side;
    }));
}

// At 96 dpi the tick is its grid's drawing: three pixels deep in each column, down from (3, 6)
// to (5, 8), then up to (10, 3).
TEST(CheckMark, At96DpiIsTheTickOfItsGrid) {
    constexpr const char* kTick = R"(
.............
.............
.............
..........#..
.........##..
........###..
...#...###...
...##.###....
...#####.....
....###......
.....#.......
.............
.............
)";
    std::string drawn;
    for (int row = 0; row < 13; ++row) {
        drawn += '\n' + std::string(13, '.');
    }
    drawn += '\n';
    for (const Point pixel : CheckMarkPixels(13)) {
        drawn.at(static_cast<std::size_t>(pixel.y * 14 + 1 + pixel.x)) = '#';
    }
    EXPECT_EQ(drawn, kTick);
}

INSTANTIATE_TEST_SUITE_P(Screens, CheckMark,
                         testing::Values(CheckMarkRow{96, 13}, CheckMarkRow{144, 20},
                                         CheckMarkRow{192, 26}, CheckMarkRow{72, 13}),
                         test::RowName());

}  // namespace
}  // namespace kolvar
