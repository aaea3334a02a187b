#include "item_look.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "expected_menu.h"

namespace kolvar::test {
namespace {

constexpr int kSwatchWidth = 100;
constexpr int kSwatchInset = 2;
// Glyphs do not fill their advance evenly, so a centred text may lean this far to one side.
constexpr int kCentringSlack = 3;

int ChannelDistance(Colour a, Colour b) {
    return std::max({std::abs(RedOf(a) - RedOf(b)), std::abs(GreenOf(a) - GreenOf(b)),
                     std::abs(BlueOf(a) - BlueOf(b))});
}

// Small glyphs may be smoothed so that no pixel takes the text colour exactly; the ink's
// darkest (or lightest) pixel must still be much nearer the text colour than the background.
void ExpectInkInTextColour(const PixelReader& pixels, const Rect& ink, const ItemLook& look) {
    int nearest = 255;
    for (int y = ink.top; y < ink.bottom; ++y) {
        for (int x = ink.left; x < ink.right; ++x) {
            nearest = std::min(nearest, ChannelDistance(pixels(x, y), look.text));
        }
    }
    EXPECT_LT(nearest * 3, ChannelDistance(look.background, look.text))
        << "the text is not in the text colour";
}

void ExpectCheckCell(const PixelReader& pixels, const Rect& item, const ItemLook& look) {
    const CheckMark mark = LoadCheckMark();
    ASSERT_GT(mark.width, 0) << "no check mark bitmap";
    int wrong = 0;
    int markPixels = 0;
    for (int y = item.top; y < item.top + look.cell; ++y) {
        for (int x = item.left; x < item.left + look.cell; ++x) {
            const int mx = x - look.markAt.x;
            const int my = y - look.markAt.y;
            const bool inMark = look.checked && mx >= 0 && my >= 0 && mx < mark.width &&
                                my < mark.height && mark.At(mx, my);
            markPixels += inMark ? 1 : 0;
            wrong += pixels(x, y) != (inMark ? look.text : look.background) ? 1 : 0;
        }
    }
    EXPECT_EQ(wrong, 0) << "pixels of the check-mark cell other than mark and background";
    EXPECT_EQ(markPixels > 0, look.checked);
}

void ExpectFrame(const PixelReader& pixels, const Rect& swatch) {
    const Rect edges[] = {
        {swatch.left, swatch.top, swatch.right, swatch.top + 1},
        {swatch.left, swatch.bottom - 1, swatch.right, swatch.bottom},
        {swatch.left, swatch.top, swatch.left + 1, swatch.bottom},
        {swatch.right - 1, swatch.top, swatch.right, swatch.bottom},
    };
    for (const Rect& edge : edges) {
        EXPECT_EQ(CountOther(pixels, edge, expected::kSwatchFrame), 0)
            << "frame edge " << testing::PrintToString(edge) << " not all beige";
    }
}

// "нет цвета" stands along the top of the swatch, centred, in the text colour.
void ExpectNoColourText(const PixelReader& pixels, const Rect& inside, const ItemLook& look) {
    const Rect ink = InkBox(pixels, inside, look.background);
    ASSERT_LT(ink.left, ink.right) << "no text inside the empty swatch";
    ExpectInkInTextColour(pixels, ink, look);
    EXPECT_LT(ink.top - inside.top, inside.Height() / 2) << "the text is not along the top";
    EXPECT_LE(std::abs((ink.left - inside.left) - (inside.right - ink.right)), kCentringSlack)
        << "the text is not centred: ink " << testing::PrintToString(ink);
    EXPECT_LT(ink.Width(), inside.Width() - 20) << "more than the short text";
}

void ExpectSwatch(const PixelReader& pixels, const Rect& item, const ItemLook& look) {
    const int left = item.left + look.cell;
    const Rect swatch{left, item.top + kSwatchInset, left + kSwatchWidth,
                      item.bottom - kSwatchInset};
    ExpectFrame(pixels, swatch);
    const Rect above{left, item.top, swatch.right, swatch.top};
    const Rect below{left, swatch.bottom, swatch.right, item.bottom};
    EXPECT_EQ(CountOther(pixels, above, look.background), 0) << "above the swatch";
    EXPECT_EQ(CountOther(pixels, below, look.background), 0) << "below the swatch";
    const Rect inside{swatch.left + 1, swatch.top + 1, swatch.right - 1, swatch.bottom - 1};
    if (look.noColourText) {
        ExpectNoColourText(pixels, inside, look);
    } else {
        EXPECT_EQ(CountOther(pixels, inside, look.swatchColour), 0) << "inside the swatch";
    }
}

void ExpectLabel(const PixelReader& pixels, const Rect& item, const ItemLook& look) {
    const int left = item.left + look.cell + (look.swatch ? kSwatchWidth : 0);
    const Rect area{left, item.top, item.right, item.bottom};
    const Rect ink = InkBox(pixels, area, look.background);
    ASSERT_LT(ink.left, ink.right) << "no label";
    ExpectInkInTextColour(pixels, ink, look);
    EXPECT_LE(std::abs((ink.left - area.left) - (area.right - ink.right)), kCentringSlack)
        << "label not centred across " << testing::PrintToString(area) << ": ink "
        << testing::PrintToString(ink);
    EXPECT_LE(std::abs((ink.top - area.top) - (area.bottom - ink.bottom)), kCentringSlack + 1)
        << "label not centred from top to bottom: ink " << testing::PrintToString(ink);
}

}  // namespace

void ExpectItemLooks(const PixelReader& pixels, const Rect& item, const ItemLook& look) {
    ExpectCheckCell(pixels, item, look);
    const Rect belowCell{item.left, item.top + look.cell, item.left + look.cell, item.bottom};
    EXPECT_EQ(CountOther(pixels, belowCell, look.background), 0) << "below the check-mark cell";
    if (look.swatch) {
        ExpectSwatch(pixels, item, look);
    } else {
        const Rect rest{item.left + look.cell, item.top, item.right, item.bottom};
        EXPECT_EQ(CountOf(pixels, rest, expected::kSwatchFrame), 0) << "a swatch frame";
    }
    ExpectLabel(pixels, item, look);
}

}  // namespace kolvar::test
