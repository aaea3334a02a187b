#pragma once

// Inside the testing library only: the seam's own terms in Qt's, for the files that define it.

#include <QImage>
#include <QMenu>
#include <QPoint>
#include <QRect>
#include <QWidget>
#include <Qt>

#include "platform/geometry.h"
#include "platform/menu.h"
#include "platform/testing.h"
#include "platform/window.h"

namespace kolvar {

// The widget behind a window; null while it is no window.
QWidget* WidgetBehind(const CWnd& window);
// The client area inside that widget, in the widget's coordinates.
QRect ClientAreaOf(const CWnd& window);

// The pop-up behind a menu made with CreatePopupMenu.
QMenu& PopupOf(const CMenu& menu);

// The image as pixels the program compares, whatever Qt's format.
Image ImageOf(const QImage& image);

Qt::Key QtKey(Key key);
Qt::MouseButton QtButton(MouseButton button);

inline Point FromQPoint(const QPoint& point) {
    return {point.x(), point.y()};
}

}  // namespace kolvar
