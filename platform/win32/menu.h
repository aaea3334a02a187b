#pragma once

// Inside the Win32 backend only: a CMenu's menu on Win32.

#include <memory>
#include <optional>
#include <vector>

#include "platform/backend.h"
#include "platform/menu.h"
#include "platform/win32/windows_api.h"

namespace kolvar {

// A menu handle; destroyed with this object when it is the program's own, left alone when it is
// the window system's (a window menu).
class Win32Menu : public NativeMenu {
public:
    Win32Menu(HMENU menu, bool owned);
    ~Win32Menu() override;

    void AddText(unsigned id, std::string_view text, bool checked) override;
    void AddSeparator() override { AppendMenuW(menu_, MF_SEPARATOR, 0, nullptr); }
    void AddOwnerDrawn(unsigned id, std::uintptr_t itemData, bool checked,
                       std::string_view text) override;
    void AddSubMenu(std::unique_ptr<NativeMenu> subMenu, std::string_view title) override;
    bool SetDefaultItem(unsigned id) override;
    void Track(unsigned flags, Point screen, CWnd& owner) override;

    HMENU Handle() const { return menu_; }

private:
    class OwnerDrawnItem;

    void Insert(MENUITEMINFOW& item);

    HMENU menu_;
    bool owned_;
    // The item data of this menu's owner-drawn items and of its sub-menus', which live as long
    // as the menu.
    std::vector<std::unique_ptr<OwnerDrawnItem>> ownerDrawn_;
};

// The program's own data of an owner-drawn item of the program's menus, from the item data that
// the system hands over with the item's requests; any other item data unchanged.
std::uintptr_t ProgramItemData(std::uintptr_t systemItemData);

// The answer to WM_MENUCHAR for a character typed in a menu of the program's: its owner-drawn
// item with the character as its access key chosen, or, of several, the next highlighted; none
// where no owner-drawn item has that key, for the window's default answer.
std::optional<LRESULT> AnswerMenuChar(WPARAM typed, LPARAM menuHandle);

}  // namespace kolvar
