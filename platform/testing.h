#pragma once

// For tests and benchmarks only: what they may see of the Qt objects behind the program's
// windows, menus and surfaces, and of its settings file. The program itself never includes
// this header.

#include <QAction>
#include <QMenu>
#include <QRect>
#include <QWidget>
#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/menu.h"
#include "platform/surface.h"
#include "platform/window.h"

namespace kolvar {

// Drawing

// A surface without pixels at the given resolution, like a window's outside its paint, to make
// memory surfaces compatible with.
class ScreenSurface : public Surface {
public:
    explicit ScreenSurface(int logPixelsY = 96);
    ~ScreenSurface() override;
};

// Windows and menus

// The widget behind a window; null while it is no window.
QWidget* WidgetBehind(const CWnd& window);
// The client area inside that widget, in the widget's coordinates.
QRect ClientAreaOf(const CWnd& window);

// The pop-up behind a menu made with CreatePopupMenu or CreateMenu.
QMenu& PopupOf(const CMenu& menu);

// What a menu keeps about one of its own items; none for separators, sub-menu entries and
// actions of other menus.
struct MenuItemFacts {
    unsigned id = 0;
    bool ownerDrawn = false;
    bool checked = false;
    std::uintptr_t data = 0;
};
std::optional<MenuItemFacts> MenuItemOf(const QAction& action);

// Settings

// A value straight from the settings file, as the next run of the named application reads it.
int StoredProfileInt(std::string_view companyKey, std::string_view appName,
                     std::string_view section, std::string_view key, int missing);

}  // namespace kolvar
