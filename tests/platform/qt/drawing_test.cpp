#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QPainter>
#include <QPalette>

#include "platform/qt/drawing_objects.h"
#include "platform/qt/surface.h"
#include "platform/system_metrics.h"
#include "tests/platform/canvas.h"
#include "tests/support/row_name.h"

namespace kolvar::test {
namespace {

QFontInfo Matched(const LogFont& request) {
    return QFontInfo(QFontOf(NativeOf(Font(request))));
}

TEST(QtFonts, MatchHeightWeightAndFace) {
    const QFontInfo serif = Matched(FontRequest(-32, "Times New Roman"));
    EXPECT_EQ(serif.family(), "Liberation Serif");
    EXPECT_EQ(serif.pixelSize(), 32);
    EXPECT_TRUE(Matched(FontRequest(0, {}, FW_BOLD)).bold());
    Screen screen;
    for (int cellHeight : {12, 19, 33}) {
        Font fitted(FontRequest(cellHeight));
        Font larger(FontRequest(-(QFontInfo(QFontOf(NativeOf(fitted))).pixelSize() + 1)));
        Selected<Font> selection(screen, fitted);
        EXPECT_LE(screen.GetTextExtentPoint32("Ag").cy, cellHeight);
        Selected<Font> next(screen, larger);
        EXPECT_GT(screen.GetTextExtentPoint32("Ag").cy, cellHeight);
    }
}

// What Qt lends for a menu item's painting is a painter on an image the surface cannot read.
TEST(PainterSurface, DrawsThroughThePainterButHasNoPixels) {
    QImage window(8, 8, QImage::Format_RGB32);
    window.fill(Qt::white);
    QPainter painter(&window);
    BorrowedSurface surface(
        std::make_unique<QtSurface>(SurfaceKind::borrowed, QFont(), 96, &painter));
    Bitmap bitmap = CreateCompatibleBitmap(surface, 2, 2);
    EXPECT_EQ(surface.SelectObject(&bitmap), nullptr);
    surface.FillRect({1, 1, 3, 3}, Brush(kRed));
    EXPECT_EQ(surface.GetPixel(1, 1), CLR_INVALID);
    EXPECT_FALSE(surface.ExtFloodFill(0, 0, kGrey, FLOODFILLBORDER));
    painter.end();
    EXPECT_EQ(window.pixel(2, 2), qRgb(200, 16, 32));
    EXPECT_EQ(window.pixel(3, 3), qRgb(255, 255, 255));
}

// Where Qt scales a window by 1.5, a frame is as many device pixels wide on every side, and a
// raster drawn for the device's pixels lands on them one to one, though the 11 coordinates it is
// given are 16.5 device pixels to its 17.
TEST(PainterSurface, AtOneAndAHalfFramesAreEvenAndDeviceRastersCopiedPixelForPixel) {
    QImage window(60, 30, QImage::Format_RGB32);
    window.setDevicePixelRatio(1.5);
    window.fill(Qt::white);
    MemorySurface memory;
    Bitmap source = CreateCompatibleBitmap(memory, 17, 3);
    Selected<Bitmap> selected(memory, source);
    for (int x = 0; x < 17; ++x) {
        memory.FillRect({x, 0, x + 1, 3}, Brush(x % 2 == 0 ? kRed : kBlue));
    }
    QPainter painter(&window);
    BorrowedSurface surface(
        std::make_unique<QtSurface>(SurfaceKind::borrowed, QFont(), 96, &painter));
    Pen frame(kRed);
    Brush inside(kBeige);
    Selected<Pen> pen(surface, frame);
    Selected<Brush> brush(surface, inside);
    surface.Rectangle(1, 1, 12, 9);
    surface.StretchBlt(21, 1, 11, 2, memory, 0, 0, 17, 3, SRCCOPY);
    painter.end();
    // The frame's device pixels: 2 to 17 across, 2 to 13 down; the stroke 2 wide.
    const auto red = [&](int x, int y) { return window.pixel(x, y) == qRgb(200, 16, 32); };
    for (const int x : {2, 3, 16, 17}) {
        EXPECT_TRUE(red(x, 8)) << x;
    }
    EXPECT_FALSE(red(4, 8) || red(15, 8) || red(9, 4) || red(9, 11));
    for (const int y : {2, 3, 12, 13}) {
        EXPECT_TRUE(red(9, y)) << y;
    }
    for (int x = 0; x < 17; ++x) {
        EXPECT_EQ(red(32 + x, 2), x % 2 == 0) << x;
    }
}

struct ColourRow {
    int index;
    const char* paletteOf;  // nullptr: the application's palette
    QPalette::ColorRole role;
};

void PrintTo(const ColourRow& row, std::ostream* out) {
    *out << "colour " << row.index;
}

// Puts every palette back as it was.
class SystemColour : public testing::TestWithParam<ColourRow> {
protected:
    void TearDown() override {
        QApplication::setPalette(applicationPalette_);
        QApplication::setPalette(menuPalette_, "QMenu");
    }
    QPalette applicationPalette_ = QApplication::palette();
    QPalette menuPalette_ = QApplication::palette("QMenu");
};

TEST_P(SystemColour, FollowsThePaletteInTheBgrLayout) {
    const ColourRow& row = GetParam();
    QPalette palette = row.paletteOf != nullptr ? menuPalette_ : applicationPalette_;
    palette.setColor(row.role, QColor(0x12, 0x34, 0x56));
    if (row.paletteOf != nullptr) {
        QApplication::setPalette(palette, row.paletteOf);
    } else {
        QApplication::setPalette(palette);
    }
    EXPECT_EQ(GetSysColor(row.index), 0x00563412u);
}

INSTANTIATE_TEST_SUITE_P(Indices, SystemColour,
                         testing::Values(ColourRow{COLOR_MENU, "QMenu", QPalette::Window},
                                         ColourRow{COLOR_MENUTEXT, "QMenu", QPalette::WindowText},
                                         ColourRow{COLOR_HIGHLIGHT, "QMenu", QPalette::Highlight},
                                         ColourRow{COLOR_HIGHLIGHTTEXT, "QMenu",
                                                   QPalette::HighlightedText},
                                         ColourRow{COLOR_WINDOW, nullptr, QPalette::Base}),
                         test::RowName());

// Index 0 is the screen's width on Windows; Qt knows no such metric.
TEST(SystemMetrics, IndexZeroGivesZero) {
    EXPECT_EQ(GetSystemMetrics(0), 0);
}

}  // namespace
}  // namespace kolvar::test
