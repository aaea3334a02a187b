#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>

#include "platform/surface.h"
#include "platform/testing.h"

namespace kolvar {
namespace {

constexpr Colour kOutline = Rgb(128, 128, 128);
constexpr Colour kPaper = Rgb(255, 255, 255);

// A raster of one colour on a memory surface, with a brush for the fills.
class Raster {
public:
    Raster(int width, int height)
        : width_(width),
          height_(height),
          surface_(screen_),
          bitmap_(CreateCompatibleBitmap(screen_, width, height)),
          bitmapSelection_(surface_, bitmap_),
          brushSelection_(surface_, brush_) {
        surface_.FillRect({0, 0, width, height}, Brush(kPaper));
    }

    // An ellipse as wide and high as the raster, its pixels touching at corners in places, as
    // the picture's outline does.
    void DrawEllipse() {
        const double centreX = (width_ - 1) / 2.0;
        const double centreY = (height_ - 1) / 2.0;
        const int steps = 8 * (width_ + height_);
        for (int step = 0; step < steps; ++step) {
            const double angle = 2 * std::numbers::pi * step / steps;
            surface_.SetPixel(static_cast<int>(std::lround(centreX + centreX * std::cos(angle))),
                              static_cast<int>(std::lround(centreY + centreY * std::sin(angle))),
                              kOutline);
        }
    }

    std::int64_t PixelsShortOfOutline() const {
        std::int64_t count = 0;
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < width_; ++x) {
                count += surface_.GetPixel(x, y) != kOutline ? 1 : 0;
            }
        }
        return count;
    }

    bool Fill(int x, int y) { return surface_.ExtFloodFill(x, y, kOutline, FLOODFILLBORDER); }
    int width() const { return width_; }
    int height() const { return height_; }

private:
    int width_;
    int height_;
    ScreenSurface screen_;
    MemorySurface surface_;
    Bitmap bitmap_;
    Brush brush_{Rgb(10, 200, 30)};
    Selected<Bitmap> bitmapSelection_;
    Selected<Brush> brushSelection_;
};

void ReportPerPixel(benchmark::State& state, std::int64_t pixelsPerIteration) {
    state.counters["per_pixel"] = benchmark::Counter(
        static_cast<double>(pixelsPerIteration),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// The outside and the inside of an outlined picture's size: every pixel but the outline's.
void BorderFillOutlinedPicture(benchmark::State& state) {
    Raster raster(353, 153);
    raster.DrawEllipse();
    for (auto _ : state) {
        benchmark::DoNotOptimize(raster.Fill(0, 0));
        benchmark::DoNotOptimize(raster.Fill(raster.width() / 2, raster.height() / 2));
    }
    ReportPerPixel(state, raster.PixelsShortOfOutline());
}
BENCHMARK(BorderFillOutlinedPicture)->Unit(benchmark::kMicrosecond);

void BorderFillSquareMegapixel(benchmark::State& state) {
    Raster raster(1000, 1000);
    for (auto _ : state) {
        benchmark::DoNotOptimize(raster.Fill(500, 500));
    }
    ReportPerPixel(state, raster.PixelsShortOfOutline());
}
BENCHMARK(BorderFillSquareMegapixel)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kolvar

// Fonts and surfaces want the platform set up; no display is needed.
int main(int argc, char** argv) {
    const kolvar::TestPlatform platform(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
