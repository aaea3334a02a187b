#pragma once

#include <QAction>
#include <QMenu>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "platform/menu.h"

namespace kolvar::test {

// One entry of a menu as the user meets it: what kind it is and what it says and does.
struct MenuEntry {
    enum Kind { Text, Separator, SubMenu, OwnerDrawn } kind = Text;
    std::string text;  // an item's text or a sub-menu's title; owner-drawn items have none
    unsigned id = 0;
    bool checked = false;
    std::uintptr_t data = 0;

    friend bool operator==(const MenuEntry&, const MenuEntry&) = default;
};

void PrintTo(const MenuEntry& entry, std::ostream* out);

MenuEntry Describe(const QAction& action);
std::vector<MenuEntry> Describe(const QMenu& menu);

// The Qt pop-up behind a menu.
QMenu& WidgetOf(const CMenu& menu);

// The sub-menu behind the entry with that title, or null.
QMenu* SubMenuTitled(const QMenu& menu, std::string_view title);

// The action of the item with that command id, or null.
QAction* ActionWithId(const QMenu& menu, unsigned id);

}  // namespace kolvar::test
