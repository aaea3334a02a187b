#include "platform/flood_fill.h"

#include <algorithm>
#include <vector>

namespace kolvar {
namespace {

constexpr std::uint32_t kRgbBits = 0x00FFFFFF;

struct ShortOf {
    std::uint32_t border;
    bool operator()(std::uint32_t pixel) const { return (pixel & kRgbBits) != border; }
};

struct ExactlyOf {
    std::uint32_t surface;
    bool operator()(std::uint32_t pixel) const { return (pixel & kRgbBits) == surface; }
};

// Scanline fill with an explicit stack of seeds, so that no raster is too large for it. The fill
// colour may itself belong to the area, so a separate mark tells which pixels are done.
template <class Belongs>
class ScanlineFill {
public:
    ScanlineFill(const Raster& raster, std::uint32_t fill, Belongs belongs)
        : bits_(raster.bits),
          stride_(raster.stride),
          width_(raster.width),
          height_(raster.height),
          fill_(fill),
          belongs_(belongs),
          done_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), 0) {}

    void Run(Point start) {
        seeds_.push_back(start);
        while (!seeds_.empty()) {
            const Point seed = seeds_.back();
            seeds_.pop_back();
            FillSpanAround(seed);
        }
    }

private:
    std::uint32_t* Row(int y) const {
        return reinterpret_cast<std::uint32_t*>(bits_ + stride_ * y);
    }
    std::uint8_t* DoneRow(int y) {
        return done_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_);
    }

    void FillSpanAround(Point seed) {
        std::uint32_t* row = Row(seed.y);
        std::uint8_t* done = DoneRow(seed.y);
        if (done[seed.x] || !belongs_(row[seed.x])) {
            return;
        }
        int left = seed.x;
        while (left > 0 && !done[left - 1] && belongs_(row[left - 1])) {
            --left;
        }
        int right = seed.x + 1;
        while (right < width_ && !done[right] && belongs_(row[right])) {
            ++right;
        }
        std::fill(row + left, row + right, fill_);
        std::fill(done + left, done + right, std::uint8_t{1});
        if (seed.y > 0) {
            SeedRuns(seed.y - 1, left, right);
        }
        if (seed.y + 1 < height_) {
            SeedRuns(seed.y + 1, left, right);
        }
    }

    // One seed for each run of pixels of the area that touches [left, right) from this row.
    void SeedRuns(int y, int left, int right) {
        const std::uint32_t* row = Row(y);
        const std::uint8_t* done = DoneRow(y);
        bool inRun = false;
        for (int x = left; x < right; ++x) {
            const bool open = !done[x] && belongs_(row[x]);
            if (open && !inRun) {
                seeds_.push_back({x, y});
            }
            inRun = open;
        }
    }

    std::uint8_t* bits_;
    std::ptrdiff_t stride_;
    int width_;
    int height_;
    std::uint32_t fill_;
    Belongs belongs_;
    std::vector<std::uint8_t> done_;
    std::vector<Point> seeds_;
};

template <class Belongs>
bool FillFrom(const Raster& raster, Point start, std::uint32_t fill, Belongs belongs) {
    if (!belongs(raster.Row(start.y)[start.x])) {
        return false;
    }
    ScanlineFill<Belongs>(raster, fill, belongs).Run(start);
    return true;
}

}  // namespace

bool FloodFill(const Raster& raster, Point start, Colour key, Colour fill, FloodFillType type) {
    if (!raster.Contains(start.x, start.y)) {
        return false;
    }
    const std::uint32_t keyRgb = RasterPixel(key) & kRgbBits;
    if (type == FLOODFILLBORDER) {
        return FillFrom(raster, start, RasterPixel(fill), ShortOf{keyRgb});
    }
    return FillFrom(raster, start, RasterPixel(fill), ExactlyOf{keyRgb});
}

}  // namespace kolvar
