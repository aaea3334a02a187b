#pragma once

#include <functional>
#include <ostream>

#include "platform/geometry.h"
#include "platform/surface.h"
#include "platform/testing.h"

namespace kolvar::test {

inline void PrintTo(const Rect& rect, std::ostream* out) {
    *out << "{" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom
         << "}";
}

// Reads pixels by position, whether from a surface or from a grabbed image.
using PixelReader = std::function<Colour(int x, int y)>;

PixelReader ReaderOf(const Surface& surface);
PixelReader ReaderOf(const Image& image);

// A memory surface with a colour bitmap of its own, filled with one colour.
class ItemSurface {
public:
    ItemSurface(int width, int height, Colour fill);
    ItemSurface(const ItemSurface&) = delete;
    ItemSurface& operator=(const ItemSurface&) = delete;

    Surface& surface() { return surface_; }
    Colour At(int x, int y) const { return surface_.GetPixel(x, y); }

private:
    MemorySurface screen_;
    MemorySurface surface_;
    Bitmap bitmap_;
    Selected<Bitmap> selection_;
};

// How many pixels of the rectangle are not of the colour.
int CountOther(const PixelReader& pixels, const Rect& rect, Colour colour);
int CountOf(const PixelReader& pixels, const Rect& rect, Colour colour);

// The box around every pixel of the rectangle that is not of the colour; empty when none is.
Rect InkBox(const PixelReader& pixels, const Rect& rect, Colour colour);

// The system's check mark, one entry a pixel, true where it is drawn.
struct CheckMark {
    int width = 0;
    int height = 0;
    std::vector<bool> drawn;
    bool At(int x, int y) const { return drawn[static_cast<std::size_t>(y * width + x)]; }
};

CheckMark LoadCheckMark();

}  // namespace kolvar::test
