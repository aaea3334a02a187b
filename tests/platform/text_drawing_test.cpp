#include <gtest/gtest.h>

#include <algorithm>

#include "tests/platform/canvas.h"

namespace kolvar::test {
namespace {

constexpr int kSide = 200;
constexpr std::string_view kText = "ЖЖЖ";

class TextDrawingTest : public testing::Test {
protected:
    // Draws the text on a fresh canvas and gives back the box around all that is not white.
    Rect DrawnInk(Rect area, unsigned format, int mode = TRANSPARENT) {
        Canvas canvas(kSide, kSide);
        Selected<Font> font(*canvas, font_);
        canvas->SetBkMode(mode);
        canvas->SetBkColor(kBlue);
        extent_ = canvas->GetTextExtentPoint32(kText);
        const int height = canvas->DrawText(kText, area, format | DT_SINGLELINE);
        // A line placed lower may report the offset of its bottom instead, as Windows does.
        if ((format & (DT_VCENTER | DT_BOTTOM)) == 0) {
            EXPECT_EQ(height, extent_.cy);
        }
        Rect ink{kSide, kSide, 0, 0};
        for (int y = 0; y < kSide; ++y) {
            for (int x = 0; x < kSide; ++x) {
                if (canvas->GetPixel(x, y) != kWhite) {
                    ink = {std::min(ink.left, x), std::min(ink.top, y), std::max(ink.right, x + 1),
                           std::max(ink.bottom, y + 1)};
                }
            }
        }
        return ink;
    }

    Font font_{FontRequest(-24, "Times New Roman")};
    Size extent_;
};

TEST_F(TextDrawingTest, FlagsPlaceTheLineInTheRectangle) {
    const Rect area{10, 20, 190, 180};
    const Rect topLeft = DrawnInk(area, 0);
    ASSERT_LT(topLeft.left, topLeft.right) << "no ink: the Cyrillic text did not render";
    EXPECT_GE(topLeft.top, area.top);
    EXPECT_LT(topLeft.top - area.top, extent_.cy / 2);
    EXPECT_LT(topLeft.left - area.left, extent_.cx / 6);

    const int freeX = area.Width() - extent_.cx;
    const int freeY = area.Height() - extent_.cy;
    struct Row {
        unsigned format;
        int dx, dy;
    };
    for (const Row row : {Row{DT_CENTER, freeX / 2, 0}, Row{DT_VCENTER, 0, freeY / 2},
                          Row{DT_BOTTOM, 0, freeY}, Row{DT_CENTER | DT_BOTTOM, freeX / 2, freeY},
                          Row{DT_CENTER | DT_VCENTER, freeX / 2, freeY / 2}}) {
        Rect expected = topLeft;
        OffsetRect(expected, row.dx, row.dy);
        EXPECT_EQ(DrawnInk(area, row.format), expected) << "flags " << row.format;
    }
    const Rect centred = DrawnInk(area, DT_CENTER);
    EXPECT_NEAR(centred.left + centred.right, area.left + area.right, 3);
}

TEST_F(TextDrawingTest, OpaqueModeFillsJustTheTextCellAndAllIsClippedToTheRectangle) {
    const Rect area{30, 40, 190, 190};
    const Rect opaque = DrawnInk(area, 0, OPAQUE);
    EXPECT_EQ(opaque, (Rect{area.left, area.top, area.left + extent_.cx, area.top + extent_.cy}));
    const Rect small{50, 50, 60, 58};
    const Rect clipped = DrawnInk(small, DT_CENTER | DT_VCENTER, OPAQUE);
    EXPECT_EQ(clipped, small);
}

}  // namespace
}  // namespace kolvar::test
