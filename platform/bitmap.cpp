#include <QImage>
#include <cmath>

#include "platform/check_mark.h"
#include "platform/dib_reader.h"
#include "platform/drawing_objects.h"
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

}  // namespace

Bitmap::Bitmap() = default;

Bitmap::Bitmap(std::unique_ptr<BitmapData> data) : data_(std::move(data)) {}

Bitmap::Bitmap(Bitmap&& other) noexcept : CountedObject(other), data_(std::move(other.data_)) {}

Bitmap& Bitmap::operator=(Bitmap&& other) noexcept {
    data_ = std::move(other.data_);
    return *this;
}

Bitmap::~Bitmap() = default;

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
    const QImage& image = bitmap.data().image;
    return {image.width(), image.height(), image.depth()};
}

}  // namespace kolvar
