#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "picture/picture_colours.h"
#include "platform/application.h"
#include "platform/surface.h"
#include "resources/program_resources.h"

namespace kolvar {

inline constexpr Colour kLeadGrey = Rgb(192, 192, 192);
inline constexpr Colour kWhiteColour = Rgb(255, 255, 255);

// A fresh copy of the program's picture, selected into a memory surface for reading pixels.
class PictureTest : public testing::Test {
protected:
    void SetUp() override {
        AfxSetResourceModule(ProgramResources());
        picture = LoadBitmap(129);
        ASSERT_TRUE(picture) << "the picture resource did not load";
        const BitmapInfo info = GetObject(picture);
        width = info.width;
        height = info.height;
    }

    // Every pixel of the picture, row by row.
    std::vector<Colour> Pixels() {
        auto reader = CreateCompatibleDC(screen);
        Selected selected(reader, picture);
        std::vector<Colour> pixels;
        pixels.reserve(static_cast<std::size_t>(width * height));
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                pixels.push_back(reader.GetPixel(x, y));
            }
        }
        return pixels;
    }

    Colour At(const std::vector<Colour>& pixels, int x, int y) const {
        return pixels[static_cast<std::size_t>(y * width + x)];
    }

    MemorySurface screen;
    Bitmap picture;
    int width = 0;
    int height = 0;
};

}  // namespace kolvar
