#pragma once

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "platform/testing.h"

namespace kolvar {

inline void PrintTo(const Rect& rect, std::ostream* out) {
    *out << "{" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom
         << "}";
}

}  // namespace kolvar

namespace kolvar::test {

inline constexpr Colour kWhite = Rgb(255, 255, 255);
inline constexpr Colour kGrey = Rgb(128, 128, 128);
inline constexpr Colour kBeige = Rgb(220, 214, 160);
inline constexpr Colour kRed = Rgb(200, 16, 32);
inline constexpr Colour kBlue = Rgb(8, 40, 210);

using Screen = ScreenSurface;

// A memory surface holding a colour bitmap of its own, filled with one colour.
class Canvas {
public:
    Canvas(int width, int height, Colour colour = kWhite)
        : surface_(screen_),
          bitmap_(CreateCompatibleBitmap(screen_, width, height)),
          selection_(surface_, bitmap_) {
        surface_.FillRect({0, 0, width, height}, Brush(colour));
    }
    Surface& operator*() { return surface_; }
    Surface* operator->() { return &surface_; }

private:
    Screen screen_;
    MemorySurface surface_;
    Bitmap bitmap_;
    Selected<Bitmap> selection_;
};

inline LogFont FontRequest(int height, std::string faceName = {}, int weight = FW_NORMAL) {
    LogFont request;
    request.height = height;
    request.faceName = std::move(faceName);
    request.weight = weight;
    return request;
}

// Pictures as text, one character a pixel: '#' grey, 'b' beige, 'r' red, 'u' blue, '.' white.
inline constexpr std::string_view kPixelChars = "#bru.";
inline constexpr Colour kPixelColours[] = {kGrey, kBeige, kRed, kBlue, kWhite};

inline void Paint(Surface& surface, const std::vector<std::string>& art) {
    for (int y = 0; y < static_cast<int>(art.size()); ++y) {
        for (int x = 0; x < static_cast<int>(art[y].size()); ++x) {
            surface.SetPixel(x, y, kPixelColours[kPixelChars.find(art[y][x])]);
        }
    }
}

inline std::vector<std::string> Read(const Surface& surface, int width, int height) {
    std::vector<std::string> art(height, std::string(width, '?'));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            for (std::size_t i = 0; i < kPixelChars.size(); ++i) {
                art[y][x] = surface.GetPixel(x, y) == kPixelColours[i] ? kPixelChars[i] : art[y][x];
            }
        }
    }
    return art;
}

}  // namespace kolvar::test
