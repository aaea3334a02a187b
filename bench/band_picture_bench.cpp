// The picture's two operations on their own: laying a five-band code on the picture and copying
// it, and painting the picture's outside after a change of the window colour.

#include <benchmark/benchmark.h>

#include "picture/band_picture.h"
#include "platform/application.h"
#include "platform/testing.h"
#include "resources/program_resources.h"
#include "resources/resource_ids.h"

namespace kolvar {
namespace {

void PaintFiveBandPicture(benchmark::State& state) {
    MemorySurface screen;
    Bitmap picture = LoadBitmap(IDB_PICTURE);
    PreparePictureBackground(picture, Rgb(255, 255, 255));
    auto target = CreateCompatibleDC(screen);
    Bitmap targetBitmap = CreateCompatibleBitmap(screen, 470, 281);
    Selected selected(target, targetBitmap);
    const BandCode code{
        .extended = 1, .digit1 = 4, .digit2 = 9, .digit3 = 9, .power = 1, .overshoot = 1};
    for (auto _ : state) {
        Rect area{0, 0, 470, 281};
        PaintPicture(picture, target, area, code);
        benchmark::DoNotOptimize(area);
    }
}
BENCHMARK(PaintFiveBandPicture)->Unit(benchmark::kMicrosecond);

void PrepareBackground(benchmark::State& state) {
    MemorySurface screen;
    Bitmap picture = LoadBitmap(IDB_PICTURE);
    bool dark = false;
    for (auto _ : state) {
        // Alternating colours, so that every run repaints the whole outside.
        PreparePictureBackground(picture, dark ? Rgb(30, 30, 30) : Rgb(255, 255, 255));
        dark = !dark;
    }
}
BENCHMARK(PrepareBackground)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kolvar

int main(int argc, char** argv) {
    const kolvar::TestPlatform platform(argc, argv);
    kolvar::AfxSetResourceModule(kolvar::ProgramResources());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
