#include "platform/win32/menu.h"

#include <string>

#include "platform/menu.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window.h"

namespace kolvar {

Win32Menu::Win32Menu(HMENU menu, bool owned) : menu_(menu), owned_(owned) {}

Win32Menu::~Win32Menu() {
    if (owned_ && menu_ != nullptr) {
        DestroyMenu(menu_);
    }
}

void Win32Menu::AddText(unsigned id, std::string_view text, bool checked) {
    AppendMenuW(menu_, MF_STRING | (checked ? MF_CHECKED : 0U), id, Widen(text).c_str());
}

// The item keeps its text beside the owner's drawing: the system reads it to assistive
// technology and takes its access key from it, and draws it never.
void Win32Menu::AddOwnerDrawn(unsigned id, std::uintptr_t itemData, bool checked,
                              std::string_view text) {
    std::wstring label = Widen(text);
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_DATA | MIIM_STRING;
    item.fType = MFT_OWNERDRAW;
    item.fState = checked ? MFS_CHECKED : MFS_UNCHECKED;
    item.wID = id;
    item.dwItemData = itemData;
    item.dwTypeData = label.data();
    Insert(item);
}

void Win32Menu::AddSubMenu(std::unique_ptr<NativeMenu> subMenu, std::string_view title) {
    auto& sub = static_cast<Win32Menu&>(*subMenu);
    if (AppendMenuW(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(sub.menu_), Widen(title).c_str())) {
        sub.owned_ = false;  // destroyed with this menu from now on
    }
}

// Wine takes the default from the old item before it looks for the new one, so that an unknown
// id would leave the menu without any: the item is looked for first.
bool Win32Menu::SetDefaultItem(unsigned id) {
    bool found = false;
    for (int row = 0; row < GetMenuItemCount(menu_) && !found; ++row) {
        found = GetMenuItemID(menu_, row) == id;
    }
    return found && SetMenuDefaultItem(menu_, id, FALSE) != FALSE;
}

// The system posts the chosen command to the owner, which handles it after this has returned.
void Win32Menu::Track(unsigned flags, Point screen, CWnd& owner) {
    TrackPopupMenu(menu_, flags, screen.x, screen.y, 0, HandleOf(&owner), nullptr);
}

void Win32Menu::Insert(MENUITEMINFOW& item) {
    InsertMenuItemW(menu_, static_cast<UINT>(GetMenuItemCount(menu_)), TRUE, &item);
}

std::unique_ptr<NativeMenu> CreateNativeMenu(bool popup) {
    HMENU menu = popup ? CreatePopupMenu() : CreateMenu();
    return menu != nullptr ? std::make_unique<Win32Menu>(menu, true) : nullptr;
}

}  // namespace kolvar
