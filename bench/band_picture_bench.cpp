// The picture's operations on their own: laying a five-band code on the picture made for a
// window's scale and copying it (the argument, in dpi: the stored picture at 100 % and enlarged
// at 200 %, the picture drawn for 150 %), the first paint at a new scale, which makes the picture,
// and painting the picture's outside after a change of the window colour.

#include <benchmark/benchmark.h>

#include "picture/band_picture.h"
#include "picture/scaled_picture.h"
#include "platform/application.h"
#include "platform/testing.h"
#include "resources/program_resources.h"
#include "resources/resource_ids.h"

namespace kolvar {
namespace {

constexpr BandCode kFiveBands{
    .extended = 1, .digit1 = 4, .digit2 = 9, .digit3 = 9, .power = 1, .overshoot = 1};

// A view's client at the dpi, to paint into.
struct Client {
    explicit Client(int dpi)
        : width(MulDiv(470, dpi, 96)),
          height(MulDiv(281, dpi, 96)),
          target(CreateCompatibleDC(screen)),
          bitmap(CreateCompatibleBitmap(screen, width, height)),
          selected(target, bitmap) {}

    void Paint(ScaledPicture& picture, int dpi) {
        Rect area{0, 0, width, height};
        PaintPicture(picture.For(dpi), target, area, kFiveBands, dpi, picture.Dpi());
        benchmark::DoNotOptimize(area);
    }

    int width;
    int height;
    MemorySurface screen;
    MemorySurface target;
    Bitmap bitmap;
    Selected<Bitmap> selected;
};

void PaintFiveBandPicture(benchmark::State& state) {
    const int dpi = static_cast<int>(state.range(0));
    Client client(dpi);
    ScaledPicture picture;
    picture.For(dpi);
    for (auto _ : state) {
        client.Paint(picture, dpi);
    }
}
BENCHMARK(PaintFiveBandPicture)->Arg(96)->Arg(144)->Arg(192)->Unit(benchmark::kMicrosecond);

// A view that has just come to a scale: its picture is made, then painted.
void FirstPaintAtNewScale(benchmark::State& state) {
    const int dpi = static_cast<int>(state.range(0));
    Client client(dpi);
    for (auto _ : state) {
        ScaledPicture picture;
        client.Paint(picture, dpi);
    }
}
BENCHMARK(FirstPaintAtNewScale)->Arg(120)->Arg(144)->Arg(168)->Unit(benchmark::kMicrosecond);

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
