#include "picture/band_picture.h"

#include "model/colour_code.h"
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
