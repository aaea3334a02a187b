// The view as it shows on screen: caption on the bottom edge, picture centred above it.

#include "picture/picture_view.h"

#include <gtest/gtest.h>

#include "picture/picture_colours.h"
#include "platform/application.h"
#include "platform/system_metrics.h"
#include "platform/testing.h"
#include "resources/program_resources.h"

namespace kolvar {
namespace {

constexpr Colour kBrown = Rgb(128, 64, 0);
constexpr int kPictureWidth = 353;
constexpr int kPictureHeight = 153;

// The caption's line: 24-point Times New Roman at 96 dpi, as the font system gives it.
int CaptionLineHeight() {
    const Font font(LogFont{.height = -32, .faceName = "Times New Roman"});
    ScreenSurface screen;
    const Selected selected(screen, font);
    return screen.GetTextExtentPoint32("X").cy;
}

class PictureView : public testing::Test {
protected:
    void SetUp() override {
        AfxSetResourceModule(ProgramResources());
        ASSERT_TRUE(parent.CreateEx(0, WS_VISIBLE, {0, 0, 700, 500}, nullptr, 0));
    }

    void CreateView(int clientWidth, int clientHeight) {
        ASSERT_TRUE(view.CreateEx(0, WS_CHILD | WS_VISIBLE,
                                  {10, 10, 10 + clientWidth, 10 + clientHeight}, &parent, 10000));
        const Rect client = view.GetClientRect();
        ASSERT_EQ(client.Width(), clientWidth);
        ASSERT_EQ(client.Height(), clientHeight);
    }

    // What the view shows, client area only.
    Image Shot() const { return GrabClientArea(view); }

    CWnd parent;
    CPictureView view;
};

bool IsInk(Colour pixel, Colour background) {
    return pixel != background;
}

TEST_F(PictureView, CaptionIsBlackOnTheBottomEdgeWhateverTheTextColour) {
    const SystemColourChange redText(COLOR_WINDOWTEXT, Rgb(255, 0, 0));
    CreateView(480, 300);
    const Image shot = Shot();
    const Colour background = shot.At(1, 1);
    int lowestInk = -1;
    int inkPixels = 0;
    for (int y = 300 - CaptionLineHeight(); y < 300; ++y) {
        for (int x = 0; x < 480; ++x) {
            const Colour pixel = shot.At(x, y);
            if (!IsInk(pixel, background)) {
                continue;
            }
            ++inkPixels;
            lowestInk = y;
            ASSERT_EQ(RedOf(pixel), GreenOf(pixel)) << "coloured caption ink at " << x << "," << y;
            ASSERT_EQ(GreenOf(pixel), BlueOf(pixel)) << "coloured caption ink at " << x << "," << y;
        }
    }
    EXPECT_GT(inkPixels, 200);
    EXPECT_GT(lowestInk, 300 - CaptionLineHeight() / 2) << "the caption should sit on the bottom";
}

TEST_F(PictureView, PictureIsCentredAboveTheCaption) {
    CreateView(480, 300);
    const Image shot = Shot();
    const int left = (480 - kPictureWidth) / 2;
    const int top = (300 - CaptionLineHeight() - kPictureHeight) / 2;
    // Column 1 of the picture closes the left lead; the first band starts at column 75.
    EXPECT_EQ(shot.At(left + 1, top + 70), Rgb(128, 128, 128));
    EXPECT_EQ(shot.At(left + 80, top + 76), kBrown);
    EXPECT_EQ(shot.At(left + 110, top + 76), Rgb(220, 214, 160));
    EXPECT_EQ(shot.At(left, top + 70), shot.At(0, 0)) << "left of the picture is window";
}

TEST_F(PictureView, NarrowViewShowsThePictureMiddleClippedEvenly) {
    CreateView(301, 300);
    const Image shot = Shot();
    const int top = (300 - CaptionLineHeight() - kPictureHeight) / 2;
    // (301 - 353) / 2 = -26: picture columns 26 and 326 are the view's edges; both are lead.
    EXPECT_EQ(shot.At(0, top + 64), Rgb(128, 128, 128));
    EXPECT_EQ(shot.At(0, top + 70), Rgb(192, 192, 192));
    EXPECT_EQ(shot.At(300, top + 64), Rgb(128, 128, 128));
    EXPECT_EQ(shot.At(300, top + 70), Rgb(192, 192, 192));
    EXPECT_EQ(shot.At(75 - 26 + 5, top + 76), kBrown);
}

TEST_F(PictureView, LowViewPutsThePictureOverTheCaption) {
    CreateView(400, 150);
    const Image shot = Shot();
    const int left = (400 - kPictureWidth) / 2;
    const int top = (150 - CaptionLineHeight() - kPictureHeight) / 2;  // negative
    ASSERT_LT(top, 0);
    // The first band reaches row 150 of the picture, deep into the caption's line.
    const int row = top + 145;
    ASSERT_GT(row, 150 - CaptionLineHeight());
    EXPECT_EQ(shot.At(left + 88, row), kBrown);
}

TEST_F(PictureView, NewWindowColourReachesAroundAndInsideThePicture) {
    CreateView(480, 300);
    const SystemColourChange window(COLOR_WINDOW, Rgb(10, 200, 120));
    // The change spreads over a few turns of the event loop.
    WaitUntil([this] { return view.sysColours().window == Rgb(10, 200, 120); });
    const Image shot = Shot();
    const int left = (480 - kPictureWidth) / 2;
    const int top = (300 - CaptionLineHeight() - kPictureHeight) / 2;
    EXPECT_EQ(shot.At(2, 2), Rgb(10, 200, 120));
    EXPECT_EQ(shot.At(left, top), Rgb(10, 200, 120)) << "the picture's own corner";
    EXPECT_EQ(shot.At(left + 49, top + 62), Rgb(10, 200, 120)) << "lead meets body";
    EXPECT_EQ(shot.At(left + 20, top + 76), Rgb(192, 192, 192)) << "the lead keeps its grey";
}

}  // namespace
}  // namespace kolvar
