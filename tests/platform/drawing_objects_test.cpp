#include <gtest/gtest.h>

#include <QBuffer>
#include <QFontInfo>
#include <QPainter>

#include "platform/application.h"
#include "platform/dialog.h"
#include "platform/qt/drawing_objects.h"
#include "platform/qt/surface.h"
#include "tests/platform/canvas.h"

namespace kolvar::test {
namespace {

TEST(DrawingObjects, LiveCountReturnsToItsStartAfterAScope) {
    const int start = LiveDrawingObjects();
    {
        Screen screen;
        MemorySurface surface = CreateCompatibleDC(screen);
        Brush brush(kRed);
        Brush copy = brush;
        Pen pen(kBlue);
        Font font(FontRequest(-12));
        Font moved = std::move(font);
        Bitmap bitmap = CreateCompatibleBitmap(screen, 4, 4);
        Bitmap taken = std::move(bitmap);
        EXPECT_GE(LiveDrawingObjects() - start, 9);
    }
    EXPECT_EQ(LiveDrawingObjects(), start);
}

TEST(DrawingObjects, SelectionsAndSettingsHandBackWhatWasThere) {
    Screen screen(120);
    MemorySurface surface(screen);
    EXPECT_EQ(surface.GetDeviceCaps(LOGPIXELSY), 120);
    EXPECT_EQ(surface.GetPixel(0, 0), Rgb(0, 0, 0)) << "the stock bitmap is one black pixel";
    EXPECT_EQ(surface.GetPixel(1, 0), CLR_INVALID);
    Bitmap bitmap = CreateCompatibleBitmap(surface, 3, 2);
    Bitmap* stock = surface.SelectObject(&bitmap);
    ASSERT_NE(stock, nullptr);
    EXPECT_EQ(GetObject(*stock).bitsPerPixel, 1);
    EXPECT_EQ(surface.SelectObject(stock), &bitmap);
    Font font(FontRequest(-10));
    EXPECT_EQ(surface.SelectObject(surface.SelectObject(&font)), &font);
    EXPECT_EQ(surface.SetBkMode(TRANSPARENT), OPAQUE);
    EXPECT_EQ(surface.SetTextColor(kRed), Rgb(0, 0, 0));
    EXPECT_EQ(surface.SetTextColor(kBlue), kRed);
    EXPECT_EQ(surface.SetBkColor(kRed), kWhite);
}

TEST(DrawingObjects, FontsMatchHeightWeightAndFace) {
    const QFontInfo serif(QFontOf(NativeOf(Font(FontRequest(-32, "Times New Roman")))));
    EXPECT_EQ(serif.family(), "Liberation Serif");
    EXPECT_EQ(serif.pixelSize(), 32);
    EXPECT_TRUE(QFontInfo(QFontOf(NativeOf(Font(FontRequest(0, {}, FW_BOLD))))).bold());
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

std::span<const std::byte> ServedBitmap(unsigned id) {
    static const QByteArray bytes = [] {
        QImage indexed(3, 1, QImage::Format_Indexed8);
        indexed.setColorTable({qRgb(128, 128, 128), qRgb(220, 214, 160), qRgb(192, 192, 192)});
        for (int x = 0; x < 3; ++x) {
            indexed.setPixel(x, 0, static_cast<unsigned>(x));
        }
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        indexed.save(&buffer, "BMP");
        return buffer.data();
    }();
    return id == 129 ? std::as_bytes(std::span(bytes.constData(), bytes.size()))
                     : std::span<const std::byte>();
}

// From a module of bitmaps alone: the icons and dialogs it leaves out are as if it had none.
TEST(LoadBitmap, ProgramBitmapsKeepTheirPaletteColoursExactly) {
    const ResourceModule installed = AfxGetResourceModule();
    AfxSetResourceModule(ResourceModule{.bitmap = ServedBitmap});
    Bitmap picture = LoadBitmap(129);
    const bool missing = static_cast<bool>(LoadBitmap(130));
    const bool icon = static_cast<bool>(LoadIcon(128));
    const std::int32_t dialog = CDialog(102).DoModal();
    AfxSetResourceModule(installed);
    EXPECT_FALSE(missing);
    EXPECT_FALSE(icon);
    EXPECT_EQ(dialog, -1);
    Screen screen;
    MemorySurface surface(screen);
    Selected<Bitmap> selection(surface, picture);
    EXPECT_EQ(Read(surface, 2, 1), std::vector<std::string>{"#b"});
    EXPECT_EQ(surface.GetPixel(2, 0), Rgb(192, 192, 192));
}

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

}  // namespace
}  // namespace kolvar::test
