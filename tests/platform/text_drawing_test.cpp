#include <gtest/gtest.h>

#include <algorithm>

#include "tests/platform/canvas.h"

namespace kolvar::test {
namespace {

constexpr int kSide = 200;
constexpr std::string_view kText = "ЖЖЖ";

// The smallest rectangle holding every pixel not of the given colour.
Rect InkBox(const Surface& surface, Colour paper = kWhite) {
    Rect box{kSide, kSide, 0, 0};
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            if (surface.GetPixel(x, y) != paper) {
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                       std::max(box.bottom, y + 1)};
            }
        }
    }
    return box;
}

class TextDrawingTest : public testing::Test {
protected:
    TextDrawingTest() : font_(FontRequest(-24, "Times New Roman")) {}

    // Draws the text into area with the flags on a fresh canvas and gives back its ink.
    Rect DrawnInk(Rect area, unsigned format, int mode = TRANSPARENT) {
        Canvas canvas(kSide, kSide);
        Selected<Font> font(*canvas, font_);
        canvas->SetBkMode(mode);
        canvas->SetBkColor(kBlue);
        extent_ = canvas->GetTextExtentPoint32(kText);
        EXPECT_EQ(canvas->DrawText(kText, area, format | DT_SINGLELINE), extent_.cy);
        return InkBox(*canvas);
    }

    Font font_;
    Size extent_;
};

TEST_F(TextDrawingTest, FlagsPlaceTheLineInTheRectangle) {
    const Rect area{10, 20, 190, 180};
    const Rect topLeft = DrawnInk(area, 0);
    ASSERT_LT(topLeft.left, topLeft.right) << "no ink: the Cyrillic text did not render";
    EXPECT_GE(topLeft.top, area.top);
    EXPECT_LT(topLeft.top - area.top, extent_.cy / 2);
    EXPECT_LT(topLeft.left - area.left, extent_.cx / 6);

    struct Row {
        unsigned format;
        int dx, dy;
    };
    const int freeX = area.Width() - extent_.cx;
    const int freeY = area.Height() - extent_.cy;
    for (const Row row : {Row{DT_CENTER, freeX / 2, 0}, Row{DT_VCENTER, 0, freeY / 2},
                          Row{DT_BOTTOM, 0, freeY}, Row{DT_CENTER | DT_BOTTOM, freeX / 2, freeY},
                          Row{DT_CENTER | DT_VCENTER, freeX / 2, freeY / 2}}) {
        Rect expected = topLeft;
        OffsetRect(expected, row.dx, row.dy);
        EXPECT_EQ(DrawnInk(area, row.format), expected) << "flags " << row.format;
    }
    const Rect centred = DrawnInk(area, DT_CENTER | DT_VCENTER);
    EXPECT_NEAR(centred.left + centred.right, area.left + area.right, 3);
    EXPECT_NEAR(centred.top + centred.bottom, area.top + area.bottom, extent_.cy / 2);
    const Rect bottom = DrawnInk(area, DT_BOTTOM);
    EXPECT_LE(bottom.bottom, area.bottom);
    EXPECT_LT(area.bottom - bottom.bottom, extent_.cy / 3);
}

TEST_F(TextDrawingTest, OpaqueModeFillsTheTextCellAndTransparentModeDoesNot) {
    const Rect area{30, 40, 190, 190};
    const Rect opaque = DrawnInk(area, 0, OPAQUE);
    EXPECT_EQ(opaque, (Rect{area.left, area.top, area.left + extent_.cx, area.top + extent_.cy}));

    Canvas canvas(kSide, kSide);
    canvas->SetBkColor(kBlue);
    canvas->SetBkMode(TRANSPARENT);
    Rect rect = area;
    canvas->DrawText(kText, rect, DT_SINGLELINE);
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            ASSERT_NE(canvas->GetPixel(x, y), kBlue);
        }
    }
}

TEST_F(TextDrawingTest, TextIsClippedToTheRectangle) {
    const Rect area{50, 50, 60, 58};
    const Rect ink = DrawnInk(area, DT_CENTER | DT_VCENTER);
    ASSERT_LT(ink.left, ink.right);
    EXPECT_GE(ink.left, area.left);
    EXPECT_GE(ink.top, area.top);
    EXPECT_LE(ink.right, area.right);
    EXPECT_LE(ink.bottom, area.bottom);
}

}  // namespace
}  // namespace kolvar::test
