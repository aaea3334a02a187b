#include "menu_inspection.h"

namespace kolvar::test {
namespace {

const char* KindName(Kind kind) {
    switch (kind) {
        case Kind::Text:
            return "text";
        case Kind::Separator:
            return "separator";
        case Kind::SubMenu:
            return "sub-menu";
        case Kind::OwnerDrawn:
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

std::vector<MenuEntry> Describe(const std::vector<MenuItemFacts>& items) {
    std::vector<MenuEntry> entries;
    for (const MenuItemFacts& item : items) {
        entries.push_back({item.kind, item.text, item.id, item.checked, item.data});
    }
    return entries;
}

const std::vector<MenuItemFacts>* SubMenuTitled(const std::vector<MenuItemFacts>& items,
                                                std::string_view title) {
    for (const MenuItemFacts& item : items) {
        if (item.kind == Kind::SubMenu && item.text == title) {
            return &item.subMenu;
        }
    }
    return nullptr;
}

int RowWithId(const std::vector<MenuItemFacts>& items, unsigned id) {
    for (std::size_t row = 0; row < items.size(); ++row) {
        const bool item = items[row].kind == Kind::Text || items[row].kind == Kind::OwnerDrawn;
        if (item && items[row].id == id) {
            return static_cast<int>(row);
        }
    }
    return -1;
}

}  // namespace kolvar::test
