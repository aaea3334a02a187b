#include "menu_inspection.h"

#include "platform/qt/qt_testing.h"
#include "platform/testing.h"

namespace kolvar::test {
namespace {

const char* KindName(MenuEntry::Kind kind) {
    switch (kind) {
        case MenuEntry::Text:
            return "text";
        case MenuEntry::Separator:
            return "separator";
        case MenuEntry::SubMenu:
            return "sub-menu";
        case MenuEntry::OwnerDrawn:
            return "owner-drawn";
    }
    return "?";
}

}  // namespace

void PrintTo(const MenuEntry& entry, std::ostream* out) {
    *out << "{" << KindName(entry.kind) << " \"" << entry.text << "\" id " << entry.id
         << (entry.checked ? " checked" : "") << " data 0x" << std::hex << entry.data << std::dec
         << "}";
}

MenuEntry Describe(const QAction& action) {
    MenuEntry entry;
    entry.text = action.text().toStdString();
    if (action.isSeparator()) {
        entry.kind = MenuEntry::Separator;
        return entry;
    }
    if (action.menu() != nullptr) {
        entry.kind = MenuEntry::SubMenu;
        return entry;
    }
    const std::optional<ItemRecord> item = MenuItemOf(action);
    if (!item) {
        entry.text = "<not an item of its menu> " + entry.text;
        return entry;
    }
    entry.kind = item->ownerDrawn ? MenuEntry::OwnerDrawn : MenuEntry::Text;
    // What an owner-drawn item says is its drawing; its text is for assistive technology.
    if (item->ownerDrawn) {
        entry.text.clear();
    }
    entry.id = item->id;
    entry.checked = item->checked;
    entry.data = item->data;
    return entry;
}

std::vector<MenuEntry> Describe(const QMenu& menu) {
    std::vector<MenuEntry> entries;
    for (const QAction* action : menu.actions()) {
        entries.push_back(Describe(*action));
    }
    return entries;
}

QMenu& WidgetOf(const CMenu& menu) {
    return PopupOf(menu);
}

QMenu* SubMenuTitled(const QMenu& menu, std::string_view title) {
    for (QAction* action : menu.actions()) {
        if (action->menu() != nullptr && action->text().toStdString() == title) {
            return action->menu();
        }
    }
    return nullptr;
}

QAction* ActionWithId(const QMenu& menu, unsigned id) {
    for (QAction* action : menu.actions()) {
        const std::optional<ItemRecord> item = MenuItemOf(*action);
        if (item && item->id == id) {
            return action;
        }
    }
    return nullptr;
}

}  // namespace kolvar::test
