#pragma once

// The resistor picture's shape: the body, the two wire leads and their outline, drawn for the
// scale of the window that shows it. The stored picture (bitmap 129) is the drawing at 100 %.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kolvar {

// The picture's size at 100 %, in pixels.
inline constexpr int kPictureWidth = 353;
inline constexpr int kPictureHeight = 153;

// What a pixel of the picture is before anything is painted on it: blank (inside the body or
// outside the resistor), the outline, or the inside of a lead.
enum class PicturePart : std::uint8_t { kBlank, kOutline, kLead };

// The pixels of a drawing of the picture, row by row from the top.
struct PictureParts {
    int width = 0;
    int height = 0;
    std::vector<PicturePart> pixels;

    PicturePart At(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
};

// The outline's width in pixels at `dpi`: the scale rounded to whole pixels, at least one.
int PictureOutlineWidth(int dpi);

// The picture drawn for a window at `dpi`, its size the 100 % size scaled and rounded. At 96 dpi
// it is the stored picture pixel for pixel.
PictureParts DrawPictureParts(int dpi);

}  // namespace kolvar
