#include <gtest/gtest.h>

#include <span>

#include "platform/application.h"
#include "platform/dialog.h"
#include "resources/generators/byte_buffer.h"
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
    Screen screen;
    MemorySurface surface(screen);
    EXPECT_EQ(surface.GetDeviceCaps(LOGPIXELSY), screen.GetDeviceCaps(LOGPIXELSY));
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

// A 3 x 1 BMP of 8 bits per pixel whose pixels are its palette's entries 0, 1 and 2: grey,
// beige and light grey. A file header, a 40-byte info header, the palette, the row padded.
ByteBuffer ThreeColourBmp() {
    constexpr std::uint32_t kPixelsAt = 14 + 40 + 3 * 4;
    ByteBuffer file{'B', 'M'};
    for (const std::uint32_t field : {kPixelsAt + 4, 0u, kPixelsAt, 40u, 3u, 1u}) {
        AppendU32(file, field);
    }
    AppendU16(file, 1), AppendU16(file, 8);
    for (const std::uint32_t field :
         {0u, 4u, 0u, 0u, 3u, 0u, 0x808080u, 0xDCD6A0u, 0xC0C0C0u, 0x00020100u}) {
        AppendU32(file, field);
    }
    return file;
}

std::span<const std::byte> ServedBitmap(unsigned id) {
    static const ByteBuffer bytes = ThreeColourBmp();
    return id == 129 ? std::as_bytes(std::span(bytes)) : std::span<const std::byte>();
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

}  // namespace
}  // namespace kolvar::test
