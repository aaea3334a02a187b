#include "platform/system_metrics.h"

#include <QApplication>
#include <QCursor>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPalette>
#include <algorithm>

#include "platform/backend.h"
#include "platform/qt/qt_conversions.h"

namespace kolvar {
namespace {

constexpr int kIconSizeAtDesignDpi = 32;
constexpr int kSmallIconSizeAtDesignDpi = 16;
constexpr int kMenuHeightAtDesignDpi = 19;
// Room above and below the menu font's line.
constexpr int kMenuLinePadding = 4;

Colour FromQColor(const QColor& colour) {
    return FromQRgb(colour.rgb());
}

int MenuHeight() {
    const QFontMetrics menuFont(QApplication::font("QMenu"));
    return std::max(ScaledForDpi(kMenuHeightAtDesignDpi, ScreenDpi()),
                    menuFont.height() + kMenuLinePadding);
}

}  // namespace

Colour GetSysColor(int index) {
    const QPalette menu = QApplication::palette("QMenu");
    switch (index) {
        case COLOR_MENU:
            return FromQColor(menu.color(QPalette::Active, QPalette::Window));
        case COLOR_MENUTEXT:
            return FromQColor(menu.color(QPalette::Active, QPalette::WindowText));
        case COLOR_HIGHLIGHT:
            return FromQColor(menu.color(QPalette::Active, QPalette::Highlight));
        case COLOR_HIGHLIGHTTEXT:
            return FromQColor(menu.color(QPalette::Active, QPalette::HighlightedText));
        case COLOR_WINDOW:
            return FromQColor(QApplication::palette().color(QPalette::Active, QPalette::Base));
        case COLOR_WINDOWTEXT:
            return FromQColor(QApplication::palette().color(QPalette::Active, QPalette::Text));
        default:
            return 0;
    }
}

int GetSystemMetrics(int index) {
    switch (index) {
        case SM_CXICON:
        case SM_CYICON:
            return ScaledForDpi(kIconSizeAtDesignDpi, ScreenDpi());
        case SM_CYMENU:
            return MenuHeight();
        case SM_CXSMICON:
            return SmallIconSide();
        default:
            return 0;
    }
}

// The metrics are the logical resolution's, which the program draws at.
int GetSystemMetricsForDpi(int index, int dpi) {
    return MulDiv(GetSystemMetrics(index), dpi, ScreenDpi());
}

// Qt's sizes are the logical resolution's, which the program draws at.
LogFont MenuFontForDpi(int dpi) {
    const QFont menu = QApplication::font("QMenu");
    const int pixels = QFontInfo(menu).pixelSize();
    return {-MulDiv(pixels, dpi, ScreenDpi()), static_cast<int>(menu.weight()), DEFAULT_CHARSET,
            menu.family().toStdString()};
}

// Qt's styles draw menu highlights in the palette's colours, which the items take already.
bool MenusHaveTheme() {
    return false;
}

std::optional<ThemedHighlight> DrawThemedMenuHighlight(Surface& /*surface*/, const Rect& /*rect*/,
                                                       int /*dpi*/) {
    return std::nullopt;
}

// Qt does not say whether a theme is one of high contrast; a dark one shows in its colours.
bool HighContrastTheme() {
    return false;
}

int SmallIconSide() {
    return ScaledForDpi(kSmallIconSizeAtDesignDpi, ScreenDpi());
}

// Wayland keeps the pointer to the compositor: there the move is silently dropped, so the call
// says it failed and callers must not rely on where the pointer is.
bool SetCursorPos(int x, int y) {
    QCursor::setPos(x, y);
    return !QGuiApplication::platformName().startsWith(QStringLiteral("wayland"));
}

}  // namespace kolvar
