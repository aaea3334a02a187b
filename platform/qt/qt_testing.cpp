#include "platform/qt/qt_testing.h"

#include "platform/qt/menu.h"
#include "platform/qt/window.h"

namespace kolvar {

QWidget* WidgetBehind(const CWnd& window) {
    const QtWindow* native = QtWindowOf(window);
    return native != nullptr ? native->widget.data() : nullptr;
}

QRect ClientAreaOf(const CWnd& window) {
    const QtWindow* native = QtWindowOf(window);
    return native != nullptr ? native->ClientArea() : QRect();
}

QMenu& PopupOf(const CMenu& menu) {
    return static_cast<QtMenu*>(NativeOf(menu))->widget();
}

std::optional<ItemRecord> MenuItemOf(const QAction& action) {
    const auto* menu = qobject_cast<const MenuWidget*>(action.parent());
    const MenuItem* item = menu != nullptr ? menu->ItemOf(&action) : nullptr;
    if (item == nullptr) {
        return std::nullopt;
    }
    return ItemRecord{item->id, item->ownerDrawn.has_value(), item->checked,
                      item->ownerDrawn ? item->ownerDrawn->Data() : 0};
}

}  // namespace kolvar
