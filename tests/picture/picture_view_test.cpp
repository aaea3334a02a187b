// The view as it shows on screen: caption on the bottom edge, picture centred above it.

#include "picture/picture_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPalette>
#include <QWidget>

#include "picture/picture_colours.h"
#include "platform/application.h"
#include "platform/qt/qt_testing.h"
#include "platform/testing.h"
#include "resources/program_resources.h"

namespace kolvar {
namespace {

constexpr QRgb kBrown = qRgb(128, 64, 0);
constexpr int kPictureWidth = 353;
constexpr int kPictureHeight = 153;

// The caption's line: 24-point Times New Roman at 96 dpi, as the font system gives it.
int CaptionLineHeight() {
    QFont font("Times New Roman");
    font.setPixelSize(32);
    return QFontMetrics(font).height();
}

class PictureView : public testing::Test {
protected:
    void SetUp() override {
        AfxSetResourceModule(ProgramResources());
        savedPalette = QApplication::palette();
        ASSERT_TRUE(parent.CreateEx(0, WS_VISIBLE, {0, 0, 700, 500}, nullptr, 0));
    }
    void TearDown() override { QApplication::setPalette(savedPalette); }

    void CreateView(int clientWidth, int clientHeight) {
        ASSERT_TRUE(view.CreateEx(0, WS_CHILD | WS_VISIBLE,
                                  {10, 10, 10 + clientWidth, 10 + clientHeight}, &parent, 10000));
        const Rect client = view.GetClientRect();
        ASSERT_EQ(client.Width(), clientWidth);
        ASSERT_EQ(client.Height(), clientHeight);
    }

    // What the view shows, client area only.
    QImage Shot() const {
        QWidget& widget = *WidgetBehind(view);
        return widget.grab(ClientAreaOf(view)).toImage();
    }

    QPalette savedPalette;
    CWnd parent;
    CPictureView view;
};

bool IsInk(QRgb pixel, QRgb background) {
    return pixel != background;
}

TEST_F(PictureView, CaptionIsBlackOnTheBottomEdgeWhateverTheTextColour) {
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    palette.setColor(QPalette::Text, Qt::red);
    QApplication::setPalette(palette);
    CreateView(480, 300);
    const QImage shot = Shot();
    const QRgb background = shot.pixel(1, 1);
    int lowestInk = -1;
    int inkPixels = 0;
    for (int y = 300 - CaptionLineHeight(); y < 300; ++y) {
        for (int x = 0; x < 480; ++x) {
            const QRgb pixel = shot.pixel(x, y);
            if (!IsInk(pixel, background)) {
                continue;
            }
            ++inkPixels;
            lowestInk = y;
            ASSERT_EQ(qRed(pixel), qGreen(pixel)) << "coloured caption ink at " << x << "," << y;
            ASSERT_EQ(qGreen(pixel), qBlue(pixel)) << "coloured caption ink at " << x << "," << y;
        }
    }
    EXPECT_GT(inkPixels, 200);
    EXPECT_GT(lowestInk, 300 - CaptionLineHeight() / 2) << "the caption should sit on the bottom";
}

TEST_F(PictureView, PictureIsCentredAboveTheCaption) {
    CreateView(480, 300);
    const QImage shot = Shot();
    const int left = (480 - kPictureWidth) / 2;
    const int top = (300 - CaptionLineHeight() - kPictureHeight) / 2;
    // Column 1 of the picture closes the left lead; the first band starts at column 75.
    EXPECT_EQ(shot.pixel(left + 1, top + 70), qRgb(128, 128, 128));
    EXPECT_EQ(shot.pixel(left + 80, top + 76), kBrown);
    EXPECT_EQ(shot.pixel(left + 110, top + 76), qRgb(220, 214, 160));
    EXPECT_EQ(shot.pixel(left, top + 70), shot.pixel(0, 0)) << "left of the picture is window";
}

TEST_F(PictureView, NarrowViewShowsThePictureMiddleClippedEvenly) {
    CreateView(301, 300);
    const QImage shot = Shot();
    const int top = (300 - CaptionLineHeight() - kPictureHeight) / 2;
    // (301 - 353) / 2 = -26: picture columns 26 and 326 are the view's edges; both are lead.
    EXPECT_EQ(shot.pixel(0, top + 64), qRgb(128, 128, 128));
    EXPECT_EQ(shot.pixel(0, top + 70), qRgb(192, 192, 192));
    EXPECT_EQ(shot.pixel(300, top + 64), qRgb(128, 128, 128));
    EXPECT_EQ(shot.pixel(300, top + 70), qRgb(192, 192, 192));
    EXPECT_EQ(shot.pixel(75 - 26 + 5, top + 76), kBrown);
}

TEST_F(PictureView, LowViewPutsThePictureOverTheCaption) {
    CreateView(400, 150);
    const QImage shot = Shot();
    const int left = (400 - kPictureWidth) / 2;
    const int top = (150 - CaptionLineHeight() - kPictureHeight) / 2;  // negative
    ASSERT_LT(top, 0);
    // The first band reaches row 150 of the picture, deep into the caption's line.
    const int row = top + 145;
    ASSERT_GT(row, 150 - CaptionLineHeight());
    EXPECT_EQ(shot.pixel(left + 88, row), kBrown);
}

TEST_F(PictureView, NewWindowColourReachesAroundAndInsideThePicture) {
    CreateView(480, 300);
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Base, QColor(10, 200, 120));
    QApplication::setPalette(palette);
    // The change spreads over a few turns of the event loop.
    for (int turn = 0; turn < 100 && view.sysColours().window != Rgb(10, 200, 120); ++turn) {
        QApplication::processEvents();
    }
    const QImage shot = Shot();
    const int left = (480 - kPictureWidth) / 2;
    const int top = (300 - CaptionLineHeight() - kPictureHeight) / 2;
    EXPECT_EQ(shot.pixel(2, 2), qRgb(10, 200, 120));
    EXPECT_EQ(shot.pixel(left, top), qRgb(10, 200, 120)) << "the picture's own corner";
    EXPECT_EQ(shot.pixel(left + 49, top + 62), qRgb(10, 200, 120)) << "lead meets body";
    EXPECT_EQ(shot.pixel(left + 20, top + 76), qRgb(192, 192, 192)) << "the lead keeps its grey";
}

}  // namespace
}  // namespace kolvar
