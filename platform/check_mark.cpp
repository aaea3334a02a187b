#include "platform/check_mark.h"

#include <QGuiApplication>
#include <QPoint>
#include <QScreen>
#include <algorithm>

#include "platform/mul_div.h"

namespace kolvar {
namespace {

// The tick is laid out on a 13-pixel grid, its size at 96 dots per inch, and scaled from there.
constexpr int kGrid = 13;
constexpr int kBaseDpi = 96;

int Scaled(int gridValue, int side) {
    return MulDiv(gridValue, side, kGrid);
}

int RowOnSegment(QPoint from, QPoint to, int x) {
    if (to.x() == from.x()) {
        return from.y();
    }
    return from.y() + MulDiv(to.y() - from.y(), x - from.x(), to.x() - from.x());
}

}  // namespace

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

int CheckMarkSide() {
    const QScreen* screen = qGuiApp != nullptr ? QGuiApplication::primaryScreen() : nullptr;
    const int dpi = screen != nullptr ? static_cast<int>(screen->logicalDotsPerInchY()) : kBaseDpi;
    return std::max(kGrid, MulDiv(kGrid, dpi, kBaseDpi));
}

}  // namespace kolvar
