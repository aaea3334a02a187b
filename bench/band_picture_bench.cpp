// The picture's two operations on their own: laying a five-band code on the picture and copying
// it, at 100 % and enlarged for a window at 200 % (the argument, in dpi), and painting the
// picture's outside after a change of the window colour.

#include <benchmark/benchmark.h>

#include "picture/band_picture.h"
#include "platform/application.h"
#include "platform/testing.h"
#include "resources/program_resources.h"
#include "resources/resource_ids.h"

namespace kolvar {
namespace {

void PaintFiveBandPicture(benchmark::State& state) {
    const int dpi = static_cast<int>(state.range(0));
    const int width = MulDiv(470, dpi, 96);
    const int height = MulDiv(281, dpi, 96);
    MemorySurface screen;
    Bitmap picture = LoadBitmap(IDB_PICTURE);
    PreparePictureBackground(picture, Rgb(255, 255, 255));
    auto target = CreateCompatibleDC(screen);
    Bitmap targetBitmap = CreateCompatibleBitmap(screen, width, height);
    Selected selected(target, targetBitmap);
    const BandCode code{
        .extended = 1, .digit1 = 4, .digit2 = 9, .digit3 = 9, .power = 1, .overshoot = 1};
    for (auto _ : state) {
        Rect area{0, 0, width, height};
        PaintPicture(picture, target, area, code, dpi);
        benchmark::DoNotOptimize(area);
    }
}
BENCHMARK(PaintFiveBandPicture)->Arg(96)->Arg(192)->Unit(benchmark::kMicrosecond);

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
