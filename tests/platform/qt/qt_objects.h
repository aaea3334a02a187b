#pragma once

// The Qt objects behind the program's windows and menus, for the tests of what the Qt backend
// asks of Qt.

#include <QMenu>
#include <QWidget>

#include "platform/backend.h"
#include "platform/qt/menu.h"
#include "platform/qt/window.h"

namespace kolvar::test {

inline QWidget& WidgetOf(const CWnd& window) {
    return *QtWindowOf(window)->widget;
}

inline QMenu& PopupOf(const CMenu& menu) {
    return static_cast<QtMenu*>(NativeOf(menu))->widget();
}

inline QMenu* SubMenuAt(QMenu& menu, int row) {
    return menu.actions().at(row)->menu();
}

}  // namespace kolvar::test
