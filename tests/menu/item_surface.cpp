#include "item_surface.h"

#include <algorithm>

namespace kolvar::test {

PixelReader ReaderOf(const Surface& surface) {
    return [&surface](int x, int y) { return surface.GetPixel(x, y); };
}

PixelReader ReaderOf(const Image& image) {
    return [&image](int x, int y) {
        const bool inside = x >= 0 && y >= 0 && x < image.width && y < image.height;
        return inside ? image.At(x, y) : CLR_INVALID;
    };
}

ItemSurface::ItemSurface(int width, int height, Colour fill)
    : surface_(static_cast<const Surface&>(screen_)),
      bitmap_(CreateCompatibleBitmap(screen_, width, height)),
      selection_(surface_, bitmap_) {
    surface_.FillRect({0, 0, width, height}, Brush(fill));
}

int CountOf(const PixelReader& pixels, const Rect& rect, Colour colour) {
    int count = 0;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            count += pixels(x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

int CountOther(const PixelReader& pixels, const Rect& rect, Colour colour) {
    return rect.Width() * rect.Height() - CountOf(pixels, rect, colour);
}

Rect InkBox(const PixelReader& pixels, const Rect& rect, Colour colour) {
    Rect box{rect.right, rect.bottom, rect.left, rect.top};
    bool any = false;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            if (pixels(x, y) != colour) {
                any = true;
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                       std::max(box.bottom, y + 1)};
            }
        }
    }
    return any ? box : Rect{};
}

// A one-bit bitmap reads as black where its bits are 0, which is where the mark is drawn.
CheckMark LoadCheckMark() {
    Bitmap bitmap = LoadBitmap(OBM_CHECK);
    CheckMark mark;
    if (!bitmap) {
        return mark;
    }
    const BitmapInfo info = GetObject(bitmap);
    mark.width = info.width;
    mark.height = info.height;
    MemorySurface reader;
    const Selected selected(reader, bitmap);
    for (int y = 0; y < mark.height; ++y) {
        for (int x = 0; x < mark.width; ++x) {
            mark.drawn.push_back(reader.GetPixel(x, y) == Rgb(0, 0, 0));
        }
    }
    return mark;
}

}  // namespace kolvar::test
