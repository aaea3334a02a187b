#pragma once

// Inside the platform only: the one place where the program's types meet Qt's.

#include <QColor>
#include <QGuiApplication>
#include <QRect>
#include <QRgb>
#include <QScreen>
#include <QString>
#include <string_view>

#include "platform/colour.h"
#include "platform/geometry.h"

namespace kolvar {

// Sizes given in pixels are the program's design at this resolution and scale with the screen's.
inline constexpr int kDesignDpi = 96;

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

inline QRect ToQRect(const Rect& rect) {
    return {rect.left, rect.top, rect.Width(), rect.Height()};
}

inline Rect FromQRect(const QRect& rect) {
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

inline QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The logical resolution of the screen, vertically, rounded to nearest; the design resolution
// where there is no screen (yet).
inline int ScreenDpi(const QScreen* screen = QGuiApplication::primaryScreen()) {
    return screen != nullptr ? qRound(screen->logicalDotsPerInchY()) : kDesignDpi;
}

// A size of the design, rounded to nearest at the given resolution.
inline int ScaledForDpi(int pixelsAtDesignDpi, int dpi) {
    return MulDiv(pixelsAtDesignDpi, dpi, kDesignDpi);
}

}  // namespace kolvar
