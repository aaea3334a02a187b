// Writes the program's icons as ICO files: icon_generator <kolvar.ico> <windows.ico>
//
// kolvar.ico is the application icon (icon 128): two images, 32x32 and 16x16, each 4 bits per
// pixel with the standard palette and a 1-bit mask that makes the background transparent.
// windows.ico is the icon Windows shows for the program file, at every size its shell asks
// for, in 32-bit colour with alpha; the 256-pixel image is a PNG, as Windows wants it.

#include <iostream>
#include <vector>

#include "resources/generators/ico_writer.h"
#include "resources/generators/icon_art.h"

namespace kolvar {
namespace {

IconImage ImageOf(const IconArt& art) {
    return {art.size, IconImage::Depth::FourBitStandardPalette,
            [&art](int x, int y) -> std::optional<RgbColour> {
                const std::optional<std::uint8_t> index = IconPixel(art, x, y);
                return index ? std::optional(kStandardPalette[*index]) : std::nullopt;
            }};
}

std::vector<IconImage> WindowsImages() {
    std::vector<IconImage> images;
    for (const IconShapes& shapes : kWindowsIconShapes) {
        const auto depth = shapes.size == 256 ? IconImage::Depth::PngWithAlpha
                                              : IconImage::Depth::TrueColourWithAlpha;
        images.push_back(
            {shapes.size, depth, [&shapes](int x, int y) { return DrawnIconPixel(shapes, x, y); }});
    }
    return images;
}

bool Write(const char* path, const ByteBuffer& bytes) {
    if (WriteFile(path, bytes)) {
        return true;
    }
    std::cerr << "icon_generator: cannot write " << path << '\n';
    return false;
}

}  // namespace
}  // namespace kolvar

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: icon_generator <kolvar.ico> <windows.ico>\n";
        return 2;
    }
    using namespace kolvar;
    const bool program =
        Write(argv[1], EncodeIco({ImageOf(kLargeIconArt), ImageOf(kSmallIconArt)}));
    const bool windows = Write(argv[2], EncodeIco(WindowsImages()));
    return program && windows ? 0 : 1;
}
