#include <QImage>
#include <QPoint>
#include <algorithm>
#include <cmath>

#include "platform/dib_reader.h"
#include "platform/drawing_objects.h"
#include "platform/qt_conversions.h"
#include "platform/resource_module.h"
#include "platform/surface_state.h"

namespace kolvar {
namespace {

constexpr double kMetresPerInch = 0.0254;

// Fonts given in points then come out at the size the surface reports for its resolution.
void SetResolution(QImage& image, int dotsPerInch) {
    const int dotsPerMetre = static_cast<int>(std::lround(dotsPerInch / kMetresPerInch));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
}

Bitmap FromImage(QImage image) {
    if (image.isNull()) {
        return Bitmap();
    }
    return Bitmap(std::make_unique<BitmapData>(BitmapData{std::move(image)}));
}

// The tick is laid out on a 13-pixel grid, its size at 96 dots per inch, and scaled from there.
constexpr int kGrid = 13;

int Scaled(int gridValue, int side) {
    return MulDiv(gridValue, side, kGrid);
}

int RowOnSegment(QPoint from, QPoint to, int x) {
    if (to.x() == from.x()) {
        return from.y();
    }
    return from.y() + MulDiv(to.y() - from.y(), x - from.x(), to.x() - from.x());
}

// A one-bit tick, side by side pixels: the mark is 0 bits, the rest 1 bits.
QImage CheckMarkImage(int side) {
    QImage image(side, side, QImage::Format_Mono);
    image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    image.fill(1);
    const QPoint start(Scaled(3, side), Scaled(6, side));
    const QPoint bottom(Scaled(5, side), Scaled(8, side));
    const QPoint end(Scaled(10, side), Scaled(3, side));
    const int thickness = std::max(2, Scaled(3, side));
    for (int x = start.x(); x <= end.x(); ++x) {
        const int top =
            x <= bottom.x() ? RowOnSegment(start, bottom, x) : RowOnSegment(bottom, end, x);
        for (int y = top; y < std::min(top + thickness, side); ++y) {
            image.setPixel(x, y, 0);
        }
    }
    return image;
}

// The tick's side for the screen's resolution.
int CheckMarkSide() {
    const QScreen* screen = qGuiApp != nullptr ? QGuiApplication::primaryScreen() : nullptr;
    return std::max(kGrid, ScaledForDpi(kGrid, ScreenDpi(screen)));
}

}  // namespace

Bitmap::Bitmap() = default;

Bitmap::Bitmap(std::unique_ptr<BitmapData> data) : data_(std::move(data)) {}

Bitmap::Bitmap(Bitmap&& other) noexcept : CountedObject(other), data_(std::move(other.data_)) {}

Bitmap& Bitmap::operator=(Bitmap&& other) noexcept {
    data_ = std::move(other.data_);
    return *this;
}

Bitmap::~Bitmap() = default;

BitmapData& DataOf(const Bitmap& bitmap) {
    return *bitmap.data_;
}

Bitmap CreateCompatibleBitmap(const Surface& surface, int width, int height) {
    if (width <= 0 || height <= 0) {
        return Bitmap();
    }
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    SetResolution(image, surface.GetDeviceCaps(LOGPIXELSY));
    return FromImage(std::move(image));
}

Bitmap LoadBitmap(unsigned id) {
    if (id == OBM_CHECK) {
        return FromImage(CheckMarkImage(CheckMarkSide()));
    }
    // Colours are compared exactly later on, so the raster keeps all 24 bits.
    return FromImage(ReadBmpFile(AfxGetResourceModule().bitmap(id)));
}

BitmapInfo GetObject(const Bitmap& bitmap) {
    if (!bitmap) {
        return {};
    }
    const QImage& image = DataOf(bitmap).image;
    return {image.width(), image.height(), image.depth()};
}

}  // namespace kolvar
