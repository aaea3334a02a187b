#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "platform/surface.h"

namespace kolvar {

class CWnd;
class NativeMenu;

inline constexpr unsigned MF_STRING = 0x0000;
inline constexpr unsigned MF_CHECKED = 0x0008;
inline constexpr unsigned MF_POPUP = 0x0010;
inline constexpr unsigned MF_OWNERDRAW = 0x0100;
inline constexpr unsigned MF_SEPARATOR = 0x0800;

inline constexpr unsigned TPM_RIGHTBUTTON = 0x0002;

// What an owner-drawn item carries back in its measure and draw requests.
struct ItemData {
    std::uintptr_t value = 0;
};

// A pop-up menu or sub-menu. Owns its sub-menus; destroying it destroys them. The window menu
// that CWnd::GetSystemMenu hands out is the window system's: destroying that CMenu leaves the
// menu itself as it is.
class CMenu : CountedObject {
public:
    CMenu();
    CMenu(CMenu&&) noexcept;
    CMenu& operator=(CMenu&&) noexcept;
    ~CMenu();

    // A sub-menu is made as a pop-up menu too, as the window system asks.
    bool CreatePopupMenu();
    void DestroyMenu();
    explicit operator bool() const { return native_ != nullptr; }

    // MF_STRING (with MF_CHECKED) or MF_SEPARATOR; "&" marks the access key.
    bool AppendMenu(unsigned flags, unsigned id, std::string_view text);
    // MF_OWNERDRAW (with MF_CHECKED): the owner measures and draws the item. The text is never
    // drawn or measured; it tells assistive technology what the drawing shows.
    bool AppendMenu(unsigned flags, unsigned id, ItemData data, std::string_view text = {});
    // MF_POPUP: the sub-menu now belongs to this menu.
    bool AppendMenu(unsigned flags, CMenu&& subMenu, std::string_view text);

    // The item with this command is the default one, shown in bold.
    bool SetMenuDefaultItem(unsigned id);

    // Shows the menu with its top-left corner at the screen point and returns when it has
    // closed. Measure and draw requests go to the owner meanwhile; a chosen item's command
    // reaches the owner afterwards.
    bool TrackPopupMenu(unsigned flags, int x, int y, CWnd& owner);

private:
    friend class CWnd;
    friend NativeMenu* NativeOf(const CMenu& menu);

    explicit CMenu(std::unique_ptr<NativeMenu> native);

    std::unique_ptr<NativeMenu> native_;
};

}  // namespace kolvar
