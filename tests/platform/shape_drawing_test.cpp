#include <gtest/gtest.h>

#include "tests/platform/canvas.h"

namespace kolvar::test {
namespace {

bool Within(int value, int from, int to) {
    return value >= from && value < to;
}

// Every pixel of a 10 by 10 canvas against what it should be.
template <class Expected>
void ExpectPixels(Surface& surface, Expected expected) {
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            ASSERT_EQ(surface.GetPixel(x, y), expected(x, y)) << "at " << x << ", " << y;
        }
    }
}

TEST(ShapeDrawing, FillRectAndRectangleLeaveOutRightAndBottomEdges) {
    Canvas filled(10, 10);
    filled->FillRect({2, 3, 6, 8}, Brush(kRed));
    ExpectPixels(*filled,
                 [](int x, int y) { return Within(x, 2, 6) && Within(y, 3, 8) ? kRed : kWhite; });
    Canvas framed(10, 10);
    Pen beige(kBeige);
    Brush blue(kBlue);
    Selected<Pen> pen(*framed, beige);
    Selected<Brush> brush(*framed, blue);
    framed->Rectangle(1, 2, 7, 9);
    ExpectPixels(*framed, [](int x, int y) {
        if (!Within(x, 1, 7) || !Within(y, 2, 9)) {
            return kWhite;
        }
        return x == 1 || x == 6 || y == 2 || y == 8 ? kBeige : kBlue;
    });
}

TEST(ShapeDrawing, StockPenAndBrushAreBlackAndWhiteAndComeBack) {
    Canvas canvas(6, 6, kRed);
    {
        Brush blue(kBlue);
        Selected<Brush> brush(*canvas, blue);
    }
    canvas->Rectangle(0, 0, 4, 4);
    EXPECT_EQ(Read(*canvas, 5, 1), std::vector<std::string>{"????r"});
    EXPECT_EQ(canvas->GetPixel(3, 3), Rgb(0, 0, 0));
    EXPECT_EQ(canvas->GetPixel(1, 2), kWhite);
}

TEST(PixelAccess, KeepsEveryColourExactlyAndRefusesOutsidePixels) {
    Canvas canvas(4, 1);
    const Colour colours[] = {Rgb(1, 2, 3), Rgb(254, 0, 255), Rgb(128, 128, 129), 0};
    for (int x = -1; x <= 4; ++x) {
        canvas->SetPixel(x, 0, colours[(x + 4) % 4]);
    }
    for (int x = 0; x < 4; ++x) {
        EXPECT_EQ(canvas->GetPixel(x, 0), colours[x]);
    }
    EXPECT_EQ(canvas->GetPixel(4, 0), CLR_INVALID);
    EXPECT_EQ(canvas->GetPixel(0, -1), CLR_INVALID);
}

TEST(BitBlt, CopiesColoursExactlyAndOnlyWhatTheSourceHas) {
    Canvas source(3, 2);
    Paint(*source, {"#bu", "r.#"});
    Canvas target(5, 4, kBlue);
    target->BitBlt(1, 1, 4, 4, *source, 0, 0, SRCCOPY);
    EXPECT_EQ(Read(*target, 5, 4), (std::vector<std::string>{"uuuuu", "u#buu", "ur.#u", "uuuuu"}));
}

TEST(BitBlt, OneBitSourceTakesTheTargetsTextAndBackgroundColours) {
    Screen screen;
    MemorySurface mask(screen);
    Bitmap check = LoadBitmap(OBM_CHECK);
    Selected<Bitmap> selection(mask, check);
    const BitmapInfo size = GetObject(check);
    Canvas target(size.width, size.height);
    target->SetTextColor(kRed);
    target->SetBkColor(kBlue);
    target->BitBlt(0, 0, size.width, size.height, mask, 0, 0, SRCCOPY);
    int zeroBits = 0;
    for (int y = 0; y < size.height; ++y) {
        for (int x = 0; x < size.width; ++x) {
            const bool zero = mask.GetPixel(x, y) == Rgb(0, 0, 0);
            zeroBits += zero ? 1 : 0;
            ASSERT_EQ(target->GetPixel(x, y), zero ? kRed : kBlue) << x << ", " << y;
        }
    }
    EXPECT_GT(zeroBits, 0) << "the check mark has no ink";
    EXPECT_LT(zeroBits, size.width * size.height / 2);
}

}  // namespace
}  // namespace kolvar::test
