#include "platform/qt_testing.h"

#include "platform/menu_widget.h"
#include "platform/window_widget.h"

namespace kolvar {

QWidget* WidgetBehind(const CWnd& window) {
    return ImplOf(window).widget;
}

QRect ClientAreaOf(const CWnd& window) {
    return ImplOf(window).ClientArea();
}

QMenu& PopupOf(const CMenu& menu) {
    return *DataOf(menu).widget;
}

std::optional<ItemRecord> MenuItemOf(const QAction& action) {
    const auto* menu = qobject_cast<const MenuWidget*>(action.parent());
    const MenuItem* item = menu != nullptr ? menu->ItemOf(&action) : nullptr;
    if (item == nullptr) {
        return std::nullopt;
    }
    return ItemRecord{item->id, item->ownerDrawn, item->checked, item->data.value};
}

}  // namespace kolvar
