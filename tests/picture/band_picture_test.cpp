#include "picture/band_picture.h"

#include <cmath>
#include <set>

#include "model/colour_code.h"
#include "picture/scaled_picture.h"
#include "tests/picture/picture_fixture.h"
#include "tests/support/row_name.h"

namespace kolvar {
namespace {

constexpr Colour kWindow = Rgb(255, 255, 255);

class BandPainting : public PictureTest {
protected:
    void SetUp() override {
        PictureTest::SetUp();
        PreparePictureBackground(picture, kWindow);
    }

    // Paints onto a target exactly the picture's size and returns the picture's pixels.
    std::vector<Colour> Paint(const BandCode& code) {
        auto target = CreateCompatibleDC(screen);
        Bitmap targetBitmap = CreateCompatibleBitmap(screen, width, height);
        Selected selected(target, targetBitmap);
        Rect area{0, 0, width, height};
        PaintPicture(picture, target, area, code);
        return Pixels();
    }

    // The rows of column x that carry `colour`, as first and last; {-1, -1} when none do.
    std::pair<int, int> RowsOf(const std::vector<Colour>& pixels, int x, Colour colour) const {
        int first = -1;
        int last = -1;
        for (int y = 0; y < height; ++y) {
            if (At(pixels, x, y) == colour) {
                first = first < 0 ? y : first;
                last = y;
            }
        }
        return {first, last};
    }
};

TEST_F(BandPainting, FirstBandCoversTheLeftCap) {
    const std::vector<Colour> pixels = Paint(BandCode{});
    const auto brown = ColourOf(1);
    EXPECT_EQ(RowsOf(pixels, 75, brown), std::make_pair(2, 150));
    EXPECT_EQ(RowsOf(pixels, 100, brown), std::make_pair(2, 150));
    EXPECT_EQ(At(pixels, 88, 76), brown);
    EXPECT_EQ(At(pixels, 74, 76), BODY_BEIGE);
    EXPECT_EQ(At(pixels, 101, 76), BODY_BEIGE);
}

TEST_F(BandPainting, ThirdBandFollowsTheWaist) {
    const std::vector<Colour> pixels = Paint(BandCode{});
    const auto orange = ColourOf(3);
    EXPECT_EQ(RowsOf(pixels, 175, orange), std::make_pair(26, 126));
    EXPECT_EQ(RowsOf(pixels, 200, orange), std::make_pair(25, 127));
}

TEST_F(BandPainting, EachSlotTakesItsBandColour) {
    const BandCode code{
        .extended = 1, .digit1 = 4, .digit2 = 7, .digit3 = 0, .power = -1, .overshoot = 6};
    const std::vector<Colour> pixels = Paint(code);
    const ColourCode bands[] = {4, 7, 0, -1, 6};
    for (int slot = 0; slot < 5; ++slot) {
        const SlotColumns columns = BandSlotColumns(5, slot);
        for (int x = columns.left; x <= columns.right; ++x) {
            ASSERT_EQ(At(pixels, x, 76), ColourOf(bands[slot])) << "slot " << slot << " x " << x;
        }
        EXPECT_EQ(At(pixels, columns.right + 1, 76), BODY_BEIGE) << "slot " << slot;
    }
}

TEST_F(BandPainting, NoToleranceBandLeavesItsSlotBodyColouredAndWipesTheOldOne) {
    Paint(BandCode{.overshoot = kGold});
    const std::vector<Colour> pixels = Paint(BandCode{.overshoot = kWhite});
    const SlotColumns lastSlot = BandSlotColumns(4, 3);
    for (int x = lastSlot.left; x <= lastSlot.right; ++x) {
        EXPECT_EQ(At(pixels, x, 76), BODY_BEIGE) << x;
        EXPECT_EQ(RowsOf(pixels, x, ColourOf(kGold)).first, -1) << x;
    }
}

TEST_F(BandPainting, SwitchingBandCountsLeavesNoTrace) {
    const BandCode four{.digit1 = 9, .digit2 = 8, .power = 7, .overshoot = 2};
    BandCode five = four;
    five.extended = 1;
    const std::vector<Colour> fresh = Paint(four);
    Paint(five);
    EXPECT_EQ(Paint(four), fresh);
    Paint(five);
    const std::vector<Colour> fiveAgain = Paint(five);
    Paint(four);
    EXPECT_EQ(Paint(five), fiveAgain);
}

TEST_F(BandPainting, NewWindowColourReachesEveryOutsidePixelAndSparesTheLeads) {
    // The body is white before its first paint, so the old outside needs a colour of its own.
    const Colour oldWindow = Rgb(1, 2, 3);
    PreparePictureBackground(picture, oldWindow);
    const std::vector<Colour> before = Pixels();
    const Colour newWindow = Rgb(30, 60, 90);
    PreparePictureBackground(picture, newWindow);
    const std::vector<Colour> after = Pixels();
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Colour was = At(before, x, y);
            const Colour expected = was == oldWindow ? newWindow : was;
            ASSERT_EQ(At(after, x, y), expected) << x << "," << y;
        }
    }
    // The corners where the leads meet the body ends.
    EXPECT_EQ(At(after, 49, 62), newWindow);
    EXPECT_EQ(At(after, 303, 90), newWindow);
    EXPECT_EQ(At(after, 40, 70), kLeadGrey);
}

TEST_F(BandPainting, WindowColourOfTheOutlineStillBoundsEveryFill) {
    PreparePictureBackground(picture, OUTLINE_GREY);
    const std::vector<Colour> pixels = Paint(BandCode{});
    EXPECT_NE(At(pixels, 0, 0), OUTLINE_GREY);
    EXPECT_EQ(RowsOf(pixels, 75, ColourOf(1)), std::make_pair(2, 150));
    EXPECT_EQ(At(pixels, 110, 76), BODY_BEIGE);
    EXPECT_EQ(At(pixels, 138, 76), ColourOf(2));
}

struct Centring {
    int areaWidth;
    int areaHeight;
    int expectedLeft;
    int expectedTop;
    int dpi = USER_DEFAULT_SCREEN_DPI;
};

void PrintTo(const Centring& row, std::ostream* out) {
    *out << row.areaWidth << "x" << row.areaHeight;
    if (row.dpi != USER_DEFAULT_SCREEN_DPI) {
        *out << " at " << row.dpi;
    }
}

class PictureCentring : public PictureTest, public testing::WithParamInterface<Centring> {};

TEST_P(PictureCentring, MovesTheAreaToThePictureCorner) {
    const Centring row = GetParam();
    auto target = CreateCompatibleDC(screen);
    Bitmap targetBitmap = CreateCompatibleBitmap(screen, 760, 400);
    Selected selected(target, targetBitmap);
    Rect area{20, 30, 20 + row.areaWidth, 30 + row.areaHeight};
    PaintPicture(picture, target, area, BandCode{}, row.dpi);
    EXPECT_EQ(area.left, 20 + row.expectedLeft);
    EXPECT_EQ(area.top, 30 + row.expectedTop);
    EXPECT_EQ(area.Width(), row.areaWidth);
    // A pixel of the picture, where the dpi enlarges it to.
    const auto at = [&](int x, int y) {
        return target.GetPixel(area.left + ScaledForDpi(x, row.dpi),
                               area.top + ScaledForDpi(y, row.dpi));
    };
    // The picture's left lead starts one pixel in, where its outline is, and so does its right.
    EXPECT_EQ(at(1, 70), OUTLINE_GREY);
    EXPECT_EQ(at(width - 2, 70), OUTLINE_GREY);
    EXPECT_EQ(at(110, 76), BODY_BEIGE);
}

INSTANTIATE_TEST_SUITE_P(
    Areas, PictureCentring,
    testing::Values(Centring{353, 153, 0, 0}, Centring{363, 163, 5, 5},
                    Centring{364, 164, 5, 5},    // odd difference: the spare pixel right
                    Centring{343, 143, -5, -5},  // smaller: clipped evenly
                    Centring{342, 142, -5, -5},  // -11 / 2 truncates toward zero
                    Centring{400, 153, 23, 0},
                    Centring{716, 316, 5, 5, 192}),  // twice the size at 200 %
    test::RowName());

// The picture as the view paints it for pixels at a scale, 1:1 on a memory surface.
struct Scale {
    int dpi;
    int width;
    int height;
    int outline;
};

void PrintTo(const Scale& row, std::ostream* out) {
    *out << row.dpi * 100 / USER_DEFAULT_SCREEN_DPI << " percent";
}

class PictureAtScale : public PictureTest, public testing::WithParamInterface<Scale> {
protected:
    struct Painted {
        std::vector<Colour> pixels;
        int width;
    };

    static Painted Paint(int dpi) {
        ScaledPicture picture;
        Bitmap& bitmap = picture.For(dpi);
        MemorySurface screen;
        const Rect size = PictureRect(bitmap, {}, dpi, picture.Dpi());
        auto target = CreateCompatibleDC(screen);
        Bitmap targetBitmap = CreateCompatibleBitmap(screen, size.Width(), size.Height());
        Selected selected(target, targetBitmap);
        Rect area{0, 0, size.Width(), size.Height()};
        PaintPicture(bitmap, target, area, kFiveBands, dpi, picture.Dpi());
        Painted painted{{}, size.Width()};
        for (int y = 0; y < size.Height(); ++y) {
            for (int x = 0; x < size.Width(); ++x) {
                painted.pixels.push_back(target.GetPixel(x, y));
            }
        }
        return painted;
    }

    // The runs of `colour` met from (x, y) on in steps of (dx, dy), as first and last index.
    static std::vector<std::pair<int, int>> Runs(const Painted& p, int x, int y, int dx, int dy,
                                                 Colour colour) {
        std::vector<std::pair<int, int>> runs;
        const int height = static_cast<int>(p.pixels.size()) / p.width;
        for (int i = 0; x >= 0 && y >= 0 && x < p.width && y < height; ++i, x += dx, y += dy) {
            if (p.pixels[static_cast<std::size_t>(y * p.width + x)] == colour) {
                const bool goesOn = !runs.empty() && runs.back().second == i - 1;
                goesOn ? void(runs.back().second = i) : runs.push_back({i, i});
            }
        }
        return runs;
    }

    static constexpr BandCode kFiveBands{
        .extended = 1, .digit1 = 4, .digit2 = 7, .digit3 = 0, .power = -1, .overshoot = 6};
};

TEST_P(PictureAtScale, KeepsAnEvenOutlineAndTheBandsOfOneHundredPercentScaled) {
    const Scale row = GetParam();
    const Painted at100 = Paint(USER_DEFAULT_SCREEN_DPI);
    const Painted scaled = Paint(row.dpi);
    ASSERT_EQ(scaled.width, row.width);
    ASSERT_EQ(scaled.pixels.size(), static_cast<std::size_t>(row.width * row.height));
    const double s = row.dpi / double{USER_DEFAULT_SCREEN_DPI};
    const auto at = [&](int design) { return static_cast<int>(std::lround(design * s)); };
    // Lines across each straight edge at 100 %: the middle row through the lead ends and the
    // walls between leads and body, a row through the body's steep ends, and columns through the
    // leads, the caps' flat tops and the waist.
    const int middle = row.height / 2;
    std::vector<std::vector<std::pair<int, int>>> crossings{
        Runs(scaled, 0, middle, 1, 0, OUTLINE_GREY), Runs(scaled, 0, at(37), 1, 0, OUTLINE_GREY)};
    for (const int x : {25, 82, 176, 270, 327}) {
        crossings.push_back(Runs(scaled, at(x), 0, 0, 1, OUTLINE_GREY));
    }
    for (const auto& runs : crossings) {
        ASSERT_FALSE(runs.empty());
        for (const auto& [first, last] : runs) {
            EXPECT_EQ(last - first + 1, row.outline) << "from " << first;
        }
    }
    const ColourCode bands[] = {4, 7, 0, -1, 6};
    int previousWidth = 0;
    for (const ColourCode band : bands) {
        const auto design = Runs(at100, 0, 76, 1, 0, ColourOf(band));
        const auto across = Runs(scaled, 0, middle, 1, 0, ColourOf(band));
        ASSERT_EQ(across.size(), 1u) << "band " << band;
        EXPECT_LE(std::abs(across[0].first - design[0].first * s), 1.0) << band;
        EXPECT_LE(std::abs(across[0].second + 1 - (design[0].second + 1) * s), 1.0) << band;
        const int bandWidth = across[0].second - across[0].first + 1;
        EXPECT_LE(std::abs(bandWidth - previousWidth), previousWidth > 0 ? 1 : bandWidth) << band;
        previousWidth = bandWidth;
        const int middleColumn = (design[0].first + design[0].second) / 2;
        const auto down = Runs(scaled, at(middleColumn), 0, 0, 1, ColourOf(band));
        const auto designDown = Runs(at100, middleColumn, 0, 0, 1, ColourOf(band));
        ASSERT_EQ(down.size(), 1u) << band;
        EXPECT_LE(std::abs(down[0].first - designDown[0].first * s), 1.0) << band;
        EXPECT_LE(std::abs(down[0].second + 1 - (designDown[0].second + 1) * s), 1.0) << band;
    }
    const std::set<Colour> known(at100.pixels.begin(), at100.pixels.end());
    for (const Colour colour : std::set<Colour>(scaled.pixels.begin(), scaled.pixels.end())) {
        EXPECT_TRUE(known.contains(colour)) << std::hex << colour;
    }
}

INSTANTIATE_TEST_SUITE_P(Scales, PictureAtScale,
                         testing::Values(Scale{96, 353, 153, 1}, Scale{120, 441, 191, 1},
                                         Scale{144, 530, 230, 2}, Scale{168, 618, 268, 2},
                                         Scale{192, 706, 306, 2}),
                         test::RowName());

TEST(MissingPicture, PaintsNothingAndLeavesTheArea) {
    MemorySurface screen;
    auto target = CreateCompatibleDC(screen);
    Bitmap targetBitmap = CreateCompatibleBitmap(screen, 40, 40);
    Selected selected(target, targetBitmap);
    target.FillRect({0, 0, 40, 40}, Brush(Rgb(1, 2, 3)));
    Bitmap missing;
    Rect area{0, 0, 40, 40};
    PreparePictureBackground(missing, kWindow);
    PaintPicture(missing, target, area, BandCode{});
    EXPECT_EQ(area, (Rect{0, 0, 40, 40}));
    EXPECT_EQ(target.GetPixel(20, 20), Rgb(1, 2, 3));
}

}  // namespace
}  // namespace kolvar
