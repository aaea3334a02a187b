#pragma once

// Inside the platform only: colours between the 0x00BBGGRR layout and Qt's.

#include <QColor>
#include <QRgb>

#include "platform/colour.h"

namespace kolvar {

inline QRgb ToQRgb(Colour colour) {
    return qRgb(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

inline QColor ToQColor(Colour colour) {
    return QColor::fromRgb(ToQRgb(colour));
}

inline Colour FromQRgb(QRgb rgb) {
    return Rgb(static_cast<std::uint8_t>(qRed(rgb)), static_cast<std::uint8_t>(qGreen(rgb)),
               static_cast<std::uint8_t>(qBlue(rgb)));
}

}  // namespace kolvar
