// The objects a surface draws with on Qt: fonts, bitmaps and icons.

#include "platform/qt/drawing_objects.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/drawing_rules.h"
#include "platform/qt/qt_conversions.h"

namespace kolvar {
namespace {

int LineHeight(const QFont& font, int pixelSize) {
    QFont sized(font);
    sized.setPixelSize(pixelSize);
    return QFontMetrics(sized).height();
}

// A positive height asks for the cell (ascent + descent): take the largest character size whose
// line still fits in it.
int PixelSizeForCellHeight(const QFont& font, int cellHeight) {
    const int measured = std::max(1, LineHeight(font, cellHeight));
    int pixelSize = std::max(
        1, static_cast<int>(std::lround(double(cellHeight) * cellHeight / double(measured))));
    while (pixelSize > 1 && LineHeight(font, pixelSize) > cellHeight) {
        --pixelSize;
    }
    while (LineHeight(font, pixelSize + 1) <= cellHeight) {
        ++pixelSize;
    }
    return pixelSize;
}

QFont::Weight WeightOf(int weight) {
    // The zero weight asks for no particular one.
    return weight <= 0 ? QFont::Normal : static_cast<QFont::Weight>(std::clamp(weight, 1, 1000));
}

QFont MatchFont(const LogFont& request) {
    QFont font;
    if (!request.faceName.empty()) {
        font.setFamily(QString::fromStdString(request.faceName));
    }
    font.setWeight(WeightOf(request.weight));
    if (request.height < 0) {
        font.setPixelSize(-request.height);
    } else if (request.height > 0) {
        font.setPixelSize(PixelSizeForCellHeight(font, request.height));
    }
    return font;
}

constexpr double kMetresPerInch = 0.0254;

// Fonts given in points then come out at the size the surface reports for its resolution.
void SetResolution(QImage& image, int dotsPerInch) {
    const int dotsPerMetre = static_cast<int>(std::lround(dotsPerInch / kMetresPerInch));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
}

// A one-bit raster as a bitmap keeps it, all 0 bits: read alone, 0 is black and 1 white; copied
// onto a surface, the bits take that surface's colours instead.
QImage OneBitImage(int width, int height) {
    QImage image(width, height, QImage::Format_Mono);
    image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    image.fill(0);
    return image;
}

QImage ImageOf(const DibImage& decoded, QImage::Format format) {
    QImage image(decoded.width, decoded.height, format);
    for (int y = 0; y < decoded.height; ++y) {
        std::memcpy(image.scanLine(y), &decoded.pixels[static_cast<std::size_t>(y * decoded.width)],
                    static_cast<std::size_t>(decoded.width) * sizeof(std::uint32_t));
    }
    return image;
}

// The image drawn for that side, or the nearest one scaled to it.
QImage IconImageAt(const IconFileImage& image, int side) {
    const std::optional<DibImage> decoded = ReadIconImage(image.bytes);
    if (!decoded) {
        return {};
    }
    const QImage argb = ImageOf(*decoded, QImage::Format_ARGB32);
    if (argb.size() == QSize(side, side)) {
        return argb;
    }
    return argb.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

std::unique_ptr<NativeBitmap> FromImage(QImage image) {
    if (image.isNull()) {
        return nullptr;
    }
    return std::make_unique<QtBitmap>(std::move(image));
}

}  // namespace

BitmapInfo QtBitmap::Info() const {
    return {image.width(), image.height(), image.depth()};
}

Raster QtBitmap::Pixels() {
    if (image.format() != QImage::Format_RGB32) {
        return {};
    }
    return {image.bits(), image.bytesPerLine(), image.width(), image.height()};
}

std::unique_ptr<NativeFont> CreateNativeFont(const LogFont& request) {
    return std::make_unique<QtFont>(MatchFont(request));
}

std::unique_ptr<NativeBitmap> CreateColourBitmap(int width, int height, int logPixelsY) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    SetResolution(image, logPixelsY);
    return FromImage(std::move(image));
}

std::unique_ptr<NativeBitmap> CreateOneBitBitmap(int width, int height) {
    return FromImage(OneBitImage(width, height));
}

std::unique_ptr<NativeBitmap> CreateColourBitmap(const DibImage& image) {
    return FromImage(ImageOf(image, QImage::Format_RGB32));
}

// At the screen's resolution.
std::unique_ptr<NativeBitmap> CreateCheckMarkBitmap() {
    const QScreen* screen = qGuiApp != nullptr ? QGuiApplication::primaryScreen() : nullptr;
    return CreateCheckMarkBitmap(ScreenDpi(screen));
}

// The mark's 0 bits on 1 bits.
std::unique_ptr<NativeBitmap> CreateCheckMarkBitmap(int dpi) {
    const int side = CheckMarkSide(dpi);
    QImage image = OneBitImage(side, side);
    image.fill(1);
    for (const Point pixel : CheckMarkPixels(side)) {
        image.setPixel(pixel.x, pixel.y, 0);
    }
    return FromImage(std::move(image));
}

std::unique_ptr<NativeIcon> CreateNativeIcon(const IconFileImage& large, int largeSide,
                                             const IconFileImage& small, int smallSide) {
    QImage largeImage = IconImageAt(large, largeSide);
    QImage smallImage = IconImageAt(small, smallSide);
    if (largeImage.isNull() || smallImage.isNull()) {
        return nullptr;
    }
    return std::make_unique<QtIcon>(std::move(largeImage), std::move(smallImage));
}

}  // namespace kolvar
