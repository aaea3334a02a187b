#include "platform/menu.h"

#include <QString>
#include <QWidget>
#include <QWindow>
#include <limits>
#include <optional>

#include "platform/menu_data.h"
#include "platform/window.h"
#include "platform/window_impl.h"

namespace kolvar {
namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The owner hears from the menu only while it is tracked.
class OwnerDuringTracking {
public:
    OwnerDuringTracking(MenuData& menu, CWnd& owner) : menu_(menu) { menu_.SetOwner(&owner); }
    ~OwnerDuringTracking() { menu_.SetOwner(nullptr); }
    OwnerDuringTracking(const OwnerDuringTracking&) = delete;
    OwnerDuringTracking& operator=(const OwnerDuringTracking&) = delete;

private:
    MenuData& menu_;
};

// A Wayland compositor places a pop-up only relative to a window of the same program: a menu
// that names none becomes a top-level window of its own whenever the program lacks the keyboard
// focus. Qt links each sub-menu to the menu it opens from. The transient parent is only a weak
// link, so the menus stay owned by their MenuData.
void AttachToWindow(MenuData& menu, QWindow* parent) {
    menu.widget->winId();
    menu.widget->windowHandle()->setTransientParent(parent);
}

QWindow* WindowOf(const CWnd& owner) {
    const QWidget* widget = owner.impl().widget;
    return widget ? widget->window()->windowHandle() : nullptr;
}

std::optional<unsigned> ChooseCommand(MenuData& menu, QPoint at, CWnd& owner) {
    const OwnerDuringTracking tracking(menu, owner);
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

bool CMenu::SetMenuDefaultItem(unsigned id, bool byPosition) {
    if (!data_ || id == std::numeric_limits<unsigned>::max()) {
        return false;
    }
    return byPosition ? data_->widget->SetDefaultItemByPosition(id)
                      : data_->widget->SetDefaultItemById(id);
}

// The chosen command is sent only once the menu has closed and its loop has ended, so that the
// handler may open dialogs of its own or end the program's dialog.
bool CMenu::TrackPopupMenu(unsigned /*flags*/, int x, int y, CWnd& owner) {
    if (!data_) {
        return false;
    }
    const std::optional<unsigned> command = ChooseCommand(*data_, QPoint(x, y), owner);
    if (command) {
        owner.SendMessage(WM_COMMAND, *command, 0);
    }
    return true;
}

}  // namespace kolvar
