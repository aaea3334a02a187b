// The view as it shows on screen: caption on the bottom edge, picture centred above it.

#include "picture/picture_view.h"

#include <gtest/gtest.h>

#include <string>

#include "picture/caption_colour.h"
#include "picture/picture_colours.h"
#include "platform/application.h"
#include "platform/system_metrics.h"
#include "platform/testing.h"
#include "resources/program_resources.h"
#include "tests/support/row_name.h"

namespace kolvar {
namespace {

constexpr Colour kBrown = Rgb(128, 64, 0);
constexpr Colour kBlack = Rgb(0, 0, 0);
constexpr int kPictureWidth = 353;
constexpr int kPictureHeight = 153;

// The caption's line: 24-point Times New Roman at the dpi, as the font system gives it.
int CaptionLineHeight(int dpi = USER_DEFAULT_SCREEN_DPI) {
    const Font font(LogFont{.height = -24 * dpi / 72, .faceName = "Times New Roman"});
    ScreenSurface screen;
    const Selected selected(screen, font);
    return screen.GetTextExtentPoint32("X").cy;
}

class PictureView : public testing::Test {
protected:
    void SetUp() override {
        AfxSetResourceModule(ProgramResources());
        ASSERT_TRUE(parent.CreateEx(0, WS_VISIBLE, {0, 0, 800, 520}, nullptr, 0));
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

// The caption's colour in the system colours of a theme: black, as long as black can be read on
// the window colour.
struct CaptionRow {
    std::string name;
    Colour window;
    Colour windowText;
    Colour caption;
};

void PrintTo(const CaptionRow& row, std::ostream* out) {
    *out << row.name;
}

class CaptionInTheme : public PictureView, public testing::WithParamInterface<CaptionRow> {};

TEST_P(CaptionInTheme, IsDrawnInItsColourOnTheBottomEdge) {
    const CaptionRow& row = GetParam();
    CreateView(480, 300);
    const SystemColourChange window(COLOR_WINDOW, row.window);
    const SystemColourChange text(COLOR_WINDOWTEXT, row.windowText);
    WaitUntil([this, &row] {
        return view.sysColours().window == row.window &&
               view.sysColours().windowText == row.windowText;
    });
    const Image shot = Shot();
    ASSERT_EQ(shot.At(1, 1), row.window);
    const Colour other = row.caption == kBlack ? row.windowText : kBlack;
    int lowestInk = -1;
    int inCaptionColour = 0;
    int inOtherColour = 0;
    for (int y = 300 - CaptionLineHeight(); y < 300; ++y) {
        for (int x = 0; x < 480; ++x) {
            const Colour pixel = shot.At(x, y);
            if (pixel != row.window) {
                lowestInk = y;
                inCaptionColour += pixel == row.caption ? 1 : 0;
                inOtherColour += pixel == other ? 1 : 0;
            }
        }
    }
    EXPECT_GT(inCaptionColour, 100);
    EXPECT_EQ(inOtherColour, 0);
    EXPECT_GT(lowestInk, 300 - CaptionLineHeight() / 2) << "the caption should sit on the bottom";
}

// Windows' High Contrast Black theme makes windows black and their text white; dark themes on
// Linux give windows a dark grey.
INSTANTIATE_TEST_SUITE_P(
    Themes, CaptionInTheme,
    testing::Values(CaptionRow{"StandardWithRedText", Rgb(255, 255, 255), Rgb(255, 0, 0), kBlack},
                    CaptionRow{"HighContrastBlack", Rgb(0, 0, 0), Rgb(255, 255, 255),
                               Rgb(255, 255, 255)},
                    CaptionRow{"Dark", Rgb(45, 45, 45), Rgb(238, 238, 238), Rgb(238, 238, 238)}),
    test::RowName());

struct CaptionColourRow {
    std::string name;
    SysColours colours;
    Colour caption;
};

void PrintTo(const CaptionColourRow& row, std::ostream* out) {
    *out << row.name;
}

class CaptionColourRule : public testing::TestWithParam<CaptionColourRow> {};

TEST_P(CaptionColourRule, IsBlackWhereItIsReadable) {
    EXPECT_EQ(CaptionColour(GetParam().colours), GetParam().caption);
}

// WCAG 2 gives black on grey 117 a contrast of 4.56:1 and on grey 116 one of 4.49:1, below the
// 4.5:1 that text needs. A high-contrast theme's own text colour wins even where black reads.
constexpr Colour kBlue = Rgb(0, 0, 160);
INSTANTIATE_TEST_SUITE_P(
    Contrast, CaptionColourRule,
    testing::Values(
        CaptionColourRow{"White", {.window = Rgb(255, 255, 255), .windowText = kBlue}, kBlack},
        CaptionColourRow{"Grey117", {.window = Rgb(117, 117, 117), .windowText = kBlue}, kBlack},
        CaptionColourRow{"Grey116", {.window = Rgb(116, 116, 116), .windowText = kBlue}, kBlue},
        CaptionColourRow{"Black", {.window = Rgb(0, 0, 0), .windowText = kBlue}, kBlue},
        CaptionColourRow{"HighContrastWhite",
                         {.window = Rgb(255, 255, 255), .windowText = kBlue, .highContrast = true},
                         kBlue}),
    test::RowName());

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

// At 200 % the picture is twice its size, centred above the caption's line of twice the points,
// and every other pixel above that line is painted in the window colour, which has just changed.
TEST_F(PictureView, At192DpiThePictureIsTwiceItsSizeAndAllAroundItTheWindowColour) {
    CreateView(760, 460);
    view.ChangeDpi(192);
    const SystemColourChange window(COLOR_WINDOW, Rgb(10, 200, 120));
    WaitUntil([this] { return view.sysColours().window == Rgb(10, 200, 120); });
    const Image shot = Shot();
    const int captionTop = 460 - CaptionLineHeight(192);
    const int left = (760 - 2 * kPictureWidth) / 2;
    const int top = (captionTop - 2 * kPictureHeight) / 2;
    // The outline that ends each lead, one picture pixel in from either side: two screen pixels.
    for (const int x : {2, 3, 2 * kPictureWidth - 4, 2 * kPictureWidth - 3}) {
        EXPECT_EQ(shot.At(left + x, top + 140), Rgb(128, 128, 128)) << x;
    }
    int notWindowColour = 0;
    for (int y = 0; y < captionTop; ++y) {
        for (int x = 0; x < 760; ++x) {
            const bool inPicture = x >= left && x < left + 2 * kPictureWidth && y >= top &&
                                   y < top + 2 * kPictureHeight;
            notWindowColour += !inPicture && shot.At(x, y) != Rgb(10, 200, 120) ? 1 : 0;
        }
    }
    EXPECT_EQ(notWindowColour, 0);
}

}  // namespace
}  // namespace kolvar
