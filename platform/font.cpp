#include <QFontMetrics>
#include <QString>
#include <algorithm>
#include <cmath>

#include "platform/drawing_objects.h"
#include "platform/surface_state.h"

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

}  // namespace

Font::Font(const LogFont& request)
    : data_(std::make_unique<FontData>(FontData{MatchFont(request)})) {}

Font::Font(Font&& other) noexcept : CountedObject(other), data_(std::move(other.data_)) {}

Font& Font::operator=(Font&& other) noexcept {
    data_ = std::move(other.data_);
    return *this;
}

Font::~Font() = default;

const FontData& DataOf(const Font& font) {
    return *font.data_;
}

}  // namespace kolvar
