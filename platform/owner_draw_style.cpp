#include "platform/owner_draw_style.h"

#include <QStyleOptionMenuItem>
#include <utility>

#include "platform/menu_widget.h"

namespace kolvar {
namespace {

constexpr int kPanelFrameWidth = 1;

// The owner-drawn item the option is for, with its menu; none for anything else.
std::pair<const MenuWidget*, const MenuItem*> OwnerDrawnItem(const QStyleOption* option,
                                                             const QWidget* widget) {
    const auto* menu = qobject_cast<const MenuWidget*>(widget);
    const MenuItem* item =
        menu != nullptr && option != nullptr ? menu->OwnerDrawnItemOf(*option) : nullptr;
    return {menu, item};
}

}  // namespace

OwnerDrawStyle::OwnerDrawStyle() = default;

OwnerDrawStyle::~OwnerDrawStyle() = default;

int OwnerDrawStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                const QWidget* widget) const {
    switch (metric) {
        case PM_MenuPanelWidth:
            return kPanelFrameWidth;
        case PM_MenuHMargin:
        case PM_MenuVMargin:
        case PM_MenuDesktopFrameWidth:
            return 0;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

QSize OwnerDrawStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                       const QSize& size, const QWidget* widget) const {
    if (type == CT_MenuItem) {
        if (const auto [menu, item] = OwnerDrawnItem(option, widget); item != nullptr) {
            return menu->OwnerDrawnSize(*item);
        }
    }
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}

void OwnerDrawStyle::drawControl(ControlElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    const auto* menuOption = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (element == CE_MenuItem && menuOption != nullptr && painter != nullptr) {
        if (const auto [menu, item] = OwnerDrawnItem(option, widget); item != nullptr) {
            menu->DrawOwnerDrawn(*item, *painter, *menuOption);
            return;
        }
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

}  // namespace kolvar
