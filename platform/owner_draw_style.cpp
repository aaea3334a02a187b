#include "platform/owner_draw_style.h"

#include <QStyleOptionMenuItem>

#include "platform/menu_widget.h"

namespace kolvar {
namespace {

constexpr int kPanelFrameWidth = 1;

const MenuWidget* OwnerDrawnItemMenu(const QWidget* widget) {
    const auto* menu = qobject_cast<const MenuWidget*>(widget);
    return menu != nullptr && menu->IsStyledItemOwnerDrawn() ? menu : nullptr;
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
        if (const MenuWidget* menu = OwnerDrawnItemMenu(widget)) {
            return menu->StyledItemSize();
        }
    }
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}

void OwnerDrawStyle::drawControl(ControlElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (element == CE_MenuItem && item != nullptr && painter != nullptr) {
        if (const MenuWidget* menu = OwnerDrawnItemMenu(widget)) {
            menu->DrawStyledItem(*painter, *item);
            return;
        }
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

}  // namespace kolvar
