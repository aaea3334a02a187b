#include "platform/menu.h"

#include <QWindow>
#include <optional>

#include "platform/menu_widget.h"
#include "platform/qt_conversions.h"
#include "platform/window_widget.h"

namespace kolvar {
namespace {

// A Wayland compositor places a pop-up only relative to a window of the same program: a menu
// that names none becomes a top-level window of its own whenever the program lacks the keyboard
// focus. Qt links each sub-menu to the menu it opens from. The transient parent is only a weak
// link, so the menus stay owned by their MenuData.
void AttachToWindow(MenuData& menu, QWindow* parent) {
    menu.widget->winId();
    menu.widget->windowHandle()->setTransientParent(parent);
}

QWindow* WindowOf(const CWnd& owner) {
    const QWidget* topLevel = TopLevelWidget(&owner);
    return topLevel != nullptr ? topLevel->windowHandle() : nullptr;
}

std::optional<unsigned> ChooseCommand(MenuData& menu, QPoint at, CWnd& owner) {
    // The owner hears from the menu only while it is tracked.
    menu.SetOwner(&owner);
    const ScopeExit tracked([&menu] { menu.SetOwner(nullptr); });
    AttachToWindow(menu, WindowOf(owner));
    return MenuWidget::CommandOf(menu.widget->exec(at));
}

}  // namespace

CMenu::CMenu() = default;
CMenu::CMenu(CMenu&&) noexcept = default;
CMenu& CMenu::operator=(CMenu&&) noexcept = default;
CMenu::~CMenu() = default;

bool CMenu::CreatePopupMenu() {
    data_ = std::make_unique<MenuData>();
    return true;
}

// Qt's menu bars are a different widget; the program only ever shows menus as pop-ups, so a
// menu is the same thing either way.
bool CMenu::CreateMenu() {
    return CreatePopupMenu();
}

void CMenu::DestroyMenu() {
    data_.reset();
}

bool CMenu::AppendMenu(unsigned flags, unsigned id, std::string_view text) {
    if (!data_ || (flags & (MF_POPUP | MF_OWNERDRAW)) != 0) {
        return false;
    }
    if ((flags & MF_SEPARATOR) != 0) {
        data_->widget->addSeparator();
    } else {
        data_->widget->AddTextItem(id, FromUtf8(text), (flags & MF_CHECKED) != 0);
    }
    return true;
}

bool CMenu::AppendMenu(unsigned flags, unsigned id, ItemData data, std::string_view text) {
    if (!data_ || (flags & MF_OWNERDRAW) == 0 || (flags & (MF_POPUP | MF_SEPARATOR)) != 0) {
        return false;
    }
    data_->widget->AddOwnerDrawnItem(id, data, (flags & MF_CHECKED) != 0, FromUtf8(text));
    return true;
}

bool CMenu::AppendMenu(unsigned flags, CMenu&& subMenu, std::string_view text) {
    if (!data_ || !subMenu.data_ || (flags & MF_POPUP) == 0 || subMenu.data_ == data_) {
        return false;
    }
    data_->widget->AddSubMenu(*subMenu.data_->widget, FromUtf8(text));
    data_->subMenus.push_back(std::move(subMenu.data_));
    return true;
}

bool CMenu::SetMenuDefaultItem(unsigned id) {
    return data_ && data_->widget->SetDefaultItemById(id);
}

// The chosen command is posted, so that the owner handles it once the menu has closed, tracking
// has returned and the menu may be gone; the handler may open dialogs of its own or end the
// program's dialog.
bool CMenu::TrackPopupMenu(unsigned /*flags*/, int x, int y, CWnd& owner) {
    if (!data_) {
        return false;
    }
    const std::optional<unsigned> command = ChooseCommand(*data_, QPoint(x, y), owner);
    if (command) {
        PostToWindow(owner, Message{WM_COMMAND, *command, 0});
    }
    return true;
}

MenuData& DataOf(const CMenu& menu) {
    return *menu.data_;
}

}  // namespace kolvar
