#pragma once

// For the platform's own tests only: the Qt objects behind the program's windows and menus.

#include <QAction>
#include <QMenu>
#include <QRect>
#include <QWidget>
#include <cstdint>
#include <optional>

#include "platform/menu.h"
#include "platform/window.h"

namespace kolvar {

// The widget behind a window; null while it is no window.
QWidget* WidgetBehind(const CWnd& window);
// The client area inside that widget, in the widget's coordinates.
QRect ClientAreaOf(const CWnd& window);

// The pop-up behind a menu made with CreatePopupMenu or CreateMenu.
QMenu& PopupOf(const CMenu& menu);

// What a menu keeps about one of its own items; none for separators, sub-menu entries and
// actions of other menus.
struct ItemRecord {
    unsigned id = 0;
    bool ownerDrawn = false;
    bool checked = false;
    std::uintptr_t data = 0;
};
std::optional<ItemRecord> MenuItemOf(const QAction& action);

}  // namespace kolvar
