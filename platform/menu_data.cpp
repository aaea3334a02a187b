#include "platform/menu_data.h"

namespace kolvar {

// Qt hands a widget's style on to none of its pop-ups, so every menu gets its own.
MenuData::MenuData()
    : style(std::make_unique<OwnerDrawStyle>()), widget(std::make_unique<MenuWidget>()) {
    widget->setStyle(style.get());
}

MenuData::~MenuData() = default;

void MenuData::SetOwner(CWnd* owner) {
    widget->SetOwner(owner);
    for (const auto& subMenu : subMenus) {
        subMenu->SetOwner(owner);
    }
}

}  // namespace kolvar
