#pragma once

// Inside the Qt backend only: what fonts, bitmaps and icons are made of on Qt.

#include <QFont>
#include <QImage>

#include "platform/backend.h"

namespace kolvar {

class QtFont : public NativeFont {
public:
    explicit QtFont(QFont matched) : font(std::move(matched)) {}
    QFont font;
};

// Format_RGB32 for colour bitmaps, whose pixels the program reads and writes in place;
// Format_Mono for one-bit ones.
class QtBitmap : public NativeBitmap {
public:
    explicit QtBitmap(QImage pixels) : image(std::move(pixels)) {}
    BitmapInfo Info() const override;
    Raster Pixels() override;

    QImage image;
};

// Both with an alpha channel made from the icon's mask.
class QtIcon : public NativeIcon {
public:
    QtIcon(QImage largeImage, QImage smallImage)
        : large(std::move(largeImage)), small(std::move(smallImage)) {}
    QImage large;  // SM_CXICON x SM_CYICON
    QImage small;  // for title bars and task bars
};

inline const QFont& QFontOf(const NativeFont& font) {
    return static_cast<const QtFont&>(font).font;
}

inline QImage& QImageOf(NativeBitmap& bitmap) {
    return static_cast<QtBitmap&>(bitmap).image;
}

inline const QtIcon& QtIconOf(const NativeIcon& icon) {
    return static_cast<const QtIcon&>(icon);
}

}  // namespace kolvar
