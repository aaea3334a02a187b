// The stored picture must keep the properties every fill relies on.

#include <deque>
#include <set>
#include <utility>

#include "picture/band_picture.h"
#include "tests/picture/picture_fixture.h"

namespace kolvar {
namespace {

using Region = std::set<std::pair<int, int>>;

// Our own 4-connected walk over pixels that are not the outline, independent of the platform's
// flood fill.
Region ReachableWithoutCrossingOutline(const std::vector<Colour>& pixels, int width, int height,
                                       int startX, int startY) {
    Region region;
    std::deque<std::pair<int, int>> open{{startX, startY}};
    while (!open.empty()) {
        const auto [x, y] = open.front();
        open.pop_front();
        if (x < 0 || y < 0 || x >= width || y >= height || region.contains({x, y}) ||
            pixels[static_cast<std::size_t>(y * width + x)] == OUTLINE_GREY) {
            continue;
        }
        region.insert({x, y});
        open.insert(open.end(), {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}});
    }
    return region;
}

class PictureOutline : public PictureTest {};

TEST_F(PictureOutline, HasTheStoredSize) {
    EXPECT_EQ(width, 353);
    EXPECT_EQ(height, 153);
}

TEST_F(PictureOutline, SeparatesOutsideBodyAndLeads) {
    const std::vector<Colour> pixels = Pixels();
    const Region outside = ReachableWithoutCrossingOutline(pixels, width, height, 0, 0);
    const Region body = ReachableWithoutCrossingOutline(pixels, width, height, 176, 76);
    EXPECT_FALSE(outside.contains({176, 76})) << "the outside leaks into the body";
    EXPECT_FALSE(outside.contains({10, 76})) << "the outside leaks into a lead";
    EXPECT_FALSE(body.contains({10, 76})) << "the body leaks into a lead";
    for (const auto& [x, y] : body) {
        ASSERT_TRUE(x > 0 && y > 0 && x < width - 1 && y < height - 1) << x << "," << y;
    }
    for (const auto& [x, y] : outside) {
        ASSERT_EQ(At(pixels, x, y), kWhiteColour) << x << "," << y;
    }
}

TEST_F(PictureOutline, IsMirroredAboutTheMiddleRow) {
    const std::vector<Colour> pixels = Pixels();
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y <= 76; ++y) {
            ASSERT_EQ(At(pixels, x, y) == OUTLINE_GREY, At(pixels, x, 152 - y) == OUTLINE_GREY)
                << x << "," << y;
        }
    }
}

TEST_F(PictureOutline, EveryBandColumnCrossesTheOutlineOnceAboveAndOnceBelow) {
    const std::vector<Colour> pixels = Pixels();
    std::set<int> columns;
    for (int bands : {4, 5}) {
        for (int slot = 0; slot < bands; ++slot) {
            columns.insert(BandSlotColumns(bands, slot).left);
            columns.insert(BandSlotColumns(bands, slot).right);
        }
    }
    ASSERT_EQ(columns.size(), 16u);
    for (int x : columns) {
        int above = 0;
        int below = 0;
        for (int y = 0; y < height; ++y) {
            if (At(pixels, x, y) == OUTLINE_GREY) {
                ++(y < 76 ? above : below);
            }
        }
        EXPECT_EQ(above, 1) << "column " << x;
        EXPECT_EQ(below, 1) << "column " << x;
    }
}

TEST_F(PictureOutline, LeadsAreLeadGrey) {
    const std::vector<Colour> pixels = Pixels();
    for (int y = 65; y <= 87; ++y) {
        EXPECT_EQ(At(pixels, 2, y), kLeadGrey) << y;
        EXPECT_EQ(At(pixels, 350, y), kLeadGrey) << y;
    }
    EXPECT_EQ(At(pixels, 49, 64), kLeadGrey);
    EXPECT_EQ(At(pixels, 303, 88), kLeadGrey);
}

}  // namespace
}  // namespace kolvar
