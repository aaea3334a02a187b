#pragma once

// Inside the platform only: the one place where the program's types meet Qt's.

#include <QColor>
#include <QGuiApplication>
#include <QRect>
#include <QRgb>
#include <QScreen>
#include <QString>
#include <string_view>
#include <utility>

#include "platform/colour.h"
#include "platform/drawing_rules.h"
#include "platform/geometry.h"
#include "platform/keyboard.h"

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

inline QRect ToQRect(const Rect& rect) {
    return {rect.left, rect.top, rect.Width(), rect.Height()};
}

inline Rect FromQRect(const QRect& rect) {
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

inline QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A key as the framework's rules for keys know it.
inline KeyPress KeyPressOf(int key, Qt::KeyboardModifiers modifiers) {
    KeyPress press;
    switch (key) {
        case Qt::Key_Return:
            press.key = KeyCode::Return;
            break;
        case Qt::Key_Enter:
            press.key = KeyCode::Enter;
            break;
        case Qt::Key_Escape:
            press.key = KeyCode::Escape;
            break;
        case Qt::Key_F10:
            press.key = KeyCode::F10;
            break;
        default:
            break;
    }
    const std::pair<Qt::KeyboardModifier, unsigned> kModifiers[] = {
        {Qt::ShiftModifier, kShiftKey},
        {Qt::ControlModifier, kControlKey},
        {Qt::AltModifier, kAltKey},
        {Qt::MetaModifier, kMetaKey}};
    for (const auto& [qtModifier, modifier] : kModifiers) {
        press.modifiers |= modifiers.testFlag(qtModifier) ? modifier : 0U;
    }
    return press;
}

// The framework's virtual key for a Qt key: the digits', the letters' and Insert's; 0 for others,
// which no window of the program asks for.
inline unsigned VirtualKeyOf(int key) {
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z)) {
        return static_cast<unsigned>(key);
    }
    return key == Qt::Key_Insert ? VK_INSERT : 0;
}

// The logical resolution of the screen, vertically, rounded to nearest; the design resolution
// where there is no screen (yet).
inline int ScreenDpi(const QScreen* screen = QGuiApplication::primaryScreen()) {
    return screen != nullptr ? qRound(screen->logicalDotsPerInchY()) : kDesignDpi;
}

}  // namespace kolvar
