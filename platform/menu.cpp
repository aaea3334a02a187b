#include "platform/menu.h"

#include "platform/backend.h"

namespace kolvar {

CMenu::CMenu() = default;
CMenu::CMenu(std::unique_ptr<NativeMenu> native) : native_(std::move(native)) {}
CMenu::CMenu(CMenu&&) noexcept = default;
CMenu& CMenu::operator=(CMenu&&) noexcept = default;
CMenu::~CMenu() = default;

bool CMenu::CreatePopupMenu() {
    native_ = CreateNativeMenu();
    return native_ != nullptr;
}

void CMenu::DestroyMenu() {
    native_.reset();
}

bool CMenu::AppendMenu(unsigned flags, unsigned id, std::string_view text) {
    if (!native_ || (flags & (MF_POPUP | MF_OWNERDRAW)) != 0) {
        return false;
    }
    if ((flags & MF_SEPARATOR) != 0) {
        native_->AddSeparator();
    } else {
        native_->AddText(id, text, (flags & MF_CHECKED) != 0);
    }
    return true;
}

bool CMenu::AppendMenu(unsigned flags, unsigned id, ItemData data, std::string_view text) {
    if (!native_ || (flags & MF_OWNERDRAW) == 0 || (flags & (MF_POPUP | MF_SEPARATOR)) != 0) {
        return false;
    }
    native_->AddOwnerDrawn(id, data.value, (flags & MF_CHECKED) != 0, text);
    return true;
}

bool CMenu::AppendMenu(unsigned flags, CMenu&& subMenu, std::string_view text) {
    if (!native_ || !subMenu.native_ || (flags & MF_POPUP) == 0 || &subMenu == this) {
        return false;
    }
    native_->AddSubMenu(std::move(subMenu.native_), text);
    return true;
}

bool CMenu::SetMenuDefaultItem(unsigned id) {
    return native_ && native_->SetDefaultItem(id);
}

bool CMenu::TrackPopupMenu(unsigned flags, int x, int y, CWnd& owner) {
    if (!native_) {
        return false;
    }
    native_->Track(flags, {x, y}, owner);
    return true;
}

NativeMenu* NativeOf(const CMenu& menu) {
    return menu.native_.get();
}

}  // namespace kolvar
