// Writes the application icon as PNG files for a desktop install:
// icon_png_generator <32x32.png> <16x16.png>
//
// The images are the ones of the ICO file, with real alpha.

#include <cstdint>
#include <iostream>
#include <optional>

#include "resources/generators/icon_art.h"
#include "resources/generators/png_writer.h"

namespace kolvar {
namespace {

bool WritePng(const char* path, const IconArt& art) {
    const auto pixel = [&art](int x, int y) -> std::optional<RgbColour> {
        const std::optional<std::uint8_t> index = IconPixel(art, x, y);
        return index ? std::optional(kStandardPalette[*index]) : std::nullopt;
    };
    if (WriteFile(path, EncodePng(art.size, pixel))) {
        return true;
    }
    std::cerr << "icon_png_generator: cannot write " << path << '\n';
    return false;
}

}  // namespace
}  // namespace kolvar

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: icon_png_generator <32x32.png> <16x16.png>\n";
        return 2;
    }
    const bool large = kolvar::WritePng(argv[1], kolvar::kLargeIconArt);
    const bool small = kolvar::WritePng(argv[2], kolvar::kSmallIconArt);
    return large && small ? 0 : 1;
}
