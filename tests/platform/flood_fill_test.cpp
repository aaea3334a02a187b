#include <gtest/gtest.h>

#include "tests/platform/canvas.h"
#include "tests/support/row_name.h"

namespace kolvar::test {
namespace {

struct FillRow {
    const char* name;
    std::vector<std::string> before;
    Point start;
    Colour key;
    FloodFillType type;
    bool changes;
    std::vector<std::string> after;  // the brush is red
};

// Keeps the listed names of the cases readable.
void PrintTo(const FillRow& row, std::ostream* out) {
    *out << row.name;
}

class FloodFillTest : public testing::TestWithParam<FillRow> {};

TEST_P(FloodFillTest, FillsTheEdgeConnectedAreaOnly) {
    const FillRow& row = GetParam();
    const int width = static_cast<int>(row.before[0].size());
    const int height = static_cast<int>(row.before.size());
    Canvas canvas(width, height);
    Paint(*canvas, row.before);
    Brush red(kRed);
    Selected<Brush> brush(*canvas, red);
    EXPECT_EQ(canvas->ExtFloodFill(row.start.x, row.start.y, row.key, row.type), row.changes);
    EXPECT_EQ(Read(*canvas, width, height), row.after);
}

// The diamond's outline touches only at corners: edge-wise it still closes.
const std::vector<std::string> kDiamond = {".....", "..#..", ".#b#.", "..#..", "....."};
const std::vector<std::string> kStripes = {"#####", "#.b.#", "#.r.#", "#####"};

INSTANTIATE_TEST_SUITE_P(
    Rasters, FloodFillTest,
    testing::Values(
        FillRow{"InsideOfDiagonalOutline",
                kDiamond,
                {2, 2},
                kGrey,
                FLOODFILLBORDER,
                true,
                {".....", "..#..", ".#r#.", "..#..", "....."}},
        FillRow{"OutsideOfDiagonalOutline",
                kDiamond,
                {0, 0},
                kGrey,
                FLOODFILLBORDER,
                true,
                {"rrrrr", "rr#rr", "r#b#r", "rr#rr", "rrrrr"}},
        FillRow{"BorderModeCrossesEveryOtherColour",
                kStripes,
                {1, 1},
                kGrey,
                FLOODFILLBORDER,
                true,
                {"#####", "#rrr#", "#rrr#", "#####"}},
        FillRow{"SurfaceModeTakesOnlyItsColour",
                kStripes,
                {1, 1},
                kWhite,
                FLOODFILLSURFACE,
                true,
                {"#####", "#rb.#", "#rr.#", "#####"}},
        // The second row is seeded from the first, right of column 0: its span must still
        // spread left to the raster's edge.
        FillRow{"SpansSeededRightOfTheEdgeReachColumnZero",
                {"#....", ".....", "....#"},
                {4, 0},
                kGrey,
                FLOODFILLBORDER,
                true,
                {"#rrrr", "rrrrr", "rrrr#"}},
        FillRow{"SurfaceModeDoesNotCrossCorners",
                {"..u", ".u.", "u.."},
                {0, 0},
                kWhite,
                FLOODFILLSURFACE,
                true,
                {"rru", "ru.", "u.."}},
        FillRow{
            "BorderModeStartOnBorder", kDiamond, {2, 1}, kGrey, FLOODFILLBORDER, false, kDiamond},
        FillRow{"SurfaceModeStartOfOtherColour",
                kDiamond,
                {2, 2},
                kWhite,
                FLOODFILLSURFACE,
                false,
                kDiamond},
        FillRow{"StartOutsideRaster", kDiamond, {5, 0}, kGrey, FLOODFILLBORDER, false, kDiamond}),
    test::RowName());

TEST(FloodFillLarge, SnakesThroughA2000By2000Maze) {
    constexpr int kSide = 2000;
    Canvas canvas(kSide, kSide);
    Brush grey(kGrey);
    int wallPixels = 0;
    // Walls on every fourth column, open at the bottom and top by turns.
    for (int x = 3, n = 0; x < kSide; x += 4, ++n) {
        const int top = n % 2 == 0 ? 0 : 1;
        canvas->FillRect({x, top, x + 1, top + kSide - 1}, grey);
        wallPixels += kSide - 1;
    }
    Brush red(kRed);
    Selected<Brush> brush(*canvas, red);
    ASSERT_TRUE(canvas->ExtFloodFill(0, 0, kGrey, FLOODFILLBORDER));
    int redPixels = 0;
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            redPixels += canvas->GetPixel(x, y) == kRed ? 1 : 0;
        }
    }
    EXPECT_EQ(redPixels, kSide * kSide - wallPixels);
}

}  // namespace
}  // namespace kolvar::test
