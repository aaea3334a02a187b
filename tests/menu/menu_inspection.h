#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/testing.h"

namespace kolvar::test {

using Kind = MenuItemFacts::Kind;

// One entry of a menu as the tests compare it: what kind it is and what it says and does.
struct MenuEntry {
    Kind kind = Kind::Text;
    std::string text;  // an item's text or a sub-menu's title; owner-drawn items have none
    unsigned id = 0;
    bool checked = false;
    std::uintptr_t data = 0;

    friend bool operator==(const MenuEntry&, const MenuEntry&) = default;
};

void PrintTo(const MenuEntry& entry, std::ostream* out);

std::vector<MenuEntry> Describe(const std::vector<MenuItemFacts>& items);

// The items of the sub-menu with that title, or null.
const std::vector<MenuItemFacts>* SubMenuTitled(const std::vector<MenuItemFacts>& items,
                                                std::string_view title);

// The row of the item with that command id, or -1.
int RowWithId(const std::vector<MenuItemFacts>& items, unsigned id);

}  // namespace kolvar::test
