// Writes the application icon (icon 128) as an ICO file: icon_generator <output.ico>
//
// Two images, 32x32 and 16x16, each 4 bits per pixel with the standard palette and a 1-bit mask
// that makes the background transparent.

#include <iostream>

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

}  // namespace
}  // namespace kolvar

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: icon_generator <output.ico>\n";
        return 2;
    }
    using namespace kolvar;
    if (!WriteFile(argv[1], EncodeIco({ImageOf(kLargeIconArt), ImageOf(kSmallIconArt)}))) {
        std::cerr << "icon_generator: cannot write " << argv[1] << '\n';
        return 1;
    }
    return 0;
}
