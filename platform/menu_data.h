#pragma once

// Inside the platform only: what a CMenu holds.

#include <memory>
#include <vector>

#include "platform/menu_widget.h"
#include "platform/owner_draw_style.h"

namespace kolvar {

class CWnd;

struct MenuData;
MenuData& DataOf(const CMenu& menu);

struct MenuData {
    MenuData();
    ~MenuData();
    MenuData(const MenuData&) = delete;
    MenuData& operator=(const MenuData&) = delete;

    // Measure and draw requests of this menu and all its sub-menus go to the owner.
    void SetOwner(CWnd* owner);

    // Declared in this order so that the sub-menus go first, then the pop-up, and the style,
    // which Qt does not own, last of all.
    std::unique_ptr<OwnerDrawStyle> style;
    std::unique_ptr<MenuWidget> widget;
    std::vector<std::unique_ptr<MenuData>> subMenus;
};

}  // namespace kolvar
