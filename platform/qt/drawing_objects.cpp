// The objects a Surface draws with: brushes, pens, fonts, bitmaps and icons.

#include "platform/surface.h"

#include <QFontMetrics>
#include <QImage>
#include <QPoint>
#include <QString>
#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/application.h"
#include "platform/qt/dib_reader.h"
#include "platform/qt/qt_conversions.h"
#include "platform/qt/surface_state.h"
#include "platform/system_metrics.h"

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

Bitmap FromImage(QImage image) {
    if (image.isNull()) {
        return Bitmap();
    }
    return MakeBitmap(std::make_unique<BitmapData>(BitmapData{std::move(image)}));
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
    QImage image = OneBitImage(side, side);
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

constexpr int kSmallIconSize = 16;
constexpr int kLargeIconSize = 32;

// The image drawn for that size, or the largest one scaled to it.
QImage ImageOfSize(const std::vector<QImage>& images, QSize size) {
    const auto exact = std::find_if(images.begin(), images.end(),
                                    [size](const QImage& image) { return image.size() == size; });
    if (exact != images.end()) {
        return *exact;
    }
    const auto largest =
        std::max_element(images.begin(), images.end(), [](const QImage& a, const QImage& b) {
            return a.width() * a.height() < b.width() * b.height();
        });
    return largest->scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QSize SmallIconSize() {
    const int size = GetSystemMetrics(SM_CXICON) * kSmallIconSize / kLargeIconSize;
    return {size, size};
}

}  // namespace

Font::Font(const LogFont& request)
    : data_(std::make_unique<FontData>(FontData{MatchFont(request)})) {}

Font::Font(Font&&) noexcept = default;
Font& Font::operator=(Font&&) noexcept = default;
Font::~Font() = default;

Bitmap::Bitmap() = default;

Bitmap::Bitmap(std::unique_ptr<BitmapData> data) : data_(std::move(data)) {}

Bitmap::Bitmap(Bitmap&&) noexcept = default;
Bitmap& Bitmap::operator=(Bitmap&&) noexcept = default;
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
    const QImage& image = DataOf(bitmap).image;
    return {image.width(), image.height(), image.depth()};
}

Icon::Icon() = default;
Icon::Icon(std::unique_ptr<IconData> data) : data_(std::move(data)) {}
Icon::Icon(Icon&&) noexcept = default;
Icon& Icon::operator=(Icon&&) noexcept = default;
Icon::~Icon() = default;

Icon LoadIcon(unsigned id) {
    const std::vector<QImage> images = ReadIconFile(AfxGetResourceModule().icon(id));
    if (images.empty()) {
        return Icon();
    }
    const QSize large(GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON));
    return MakeIcon(std::make_unique<IconData>(
        IconData{ImageOfSize(images, large), ImageOfSize(images, SmallIconSize())}));
}

}  // namespace kolvar
