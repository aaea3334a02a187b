#include "platform/menu_widget.h"

#include <QRegularExpression>

#include "platform/owner_draw_requests.h"
#include "platform/testing.h"

namespace kolvar {
namespace {

MenuItem Item(unsigned id, bool ownerDrawn, bool checked, ItemData itemData = {}) {
    MenuItem item;
    item.id = id;
    item.ownerDrawn = ownerDrawn;
    item.checked = checked;
    item.data = itemData;
    return item;
}

// Assistive technology reads the check from the action. Owner-drawn items each stand for one
// value the owner may check, so they are all checkable; a text item is when it is checked.
// Choosing an item toggles its action, which then goes straight back: the menu's state is the
// one it was built with for as long as it lives.
void MirrorCheck(QAction& action, const MenuItem& item) {
    const bool checked = item.checked;
    action.setCheckable(item.ownerDrawn || checked);
    action.setChecked(checked);
    QObject::connect(&action, &QAction::toggled, &action, [&action, checked](bool now) {
        if (now != checked) {
            action.setChecked(checked);
        }
    });
}

// A title as it reads: "&" marks the access key and "&&" stands for "&".
QString WithoutAccessKeyMarks(QString text) {
    static const QRegularExpression kMark(QStringLiteral("&(.)"));
    return text.replace(kMark, QStringLiteral("\\1"));
}

QFont WithBold(QFont font, bool bold) {
    font.setBold(bold);
    return font;
}

}  // namespace

MenuWidget::MenuWidget() = default;

MenuWidget::~MenuWidget() = default;

void MenuWidget::AddItem(const QString& text, const MenuItem& item) {
    auto* action = new QAction(text, this);
    MirrorCheck(*action, item);
    addAction(action);
    items_.emplace(action, item);
}

void MenuWidget::AddTextItem(unsigned id, const QString& text, bool checked) {
    AddItem(text, Item(id, false, checked));
}

void MenuWidget::AddOwnerDrawnItem(unsigned id, ItemData itemData, bool checked,
                                   const QString& text) {
    AddItem(text, Item(id, true, checked, itemData));
}

void MenuWidget::AddSubMenu(MenuWidget& subMenu, const QString& text) {
    subMenu.setTitle(text);
    subMenu.setAccessibleName(WithoutAccessKeyMarks(text));
    addMenu(&subMenu);
}

bool MenuWidget::SetDefaultItemById(unsigned id) {
    for (QAction* action : actions()) {
        const MenuItem* item = ItemOf(action);
        if (item != nullptr && item->id == id) {
            MakeDefault(action);
            return true;
        }
    }
    return false;
}

// The default item is shown bold whatever the style makes of a default action; the font on
// the action also makes the menu measure it in bold.
void MenuWidget::MakeDefault(QAction* action) {
    if (QAction* previous = defaultAction()) {
        previous->setFont(WithBold(previous->font(), false));
    }
    setDefaultAction(action);
    action->setFont(WithBold(action->font(), true));
}

std::optional<unsigned> MenuWidget::CommandOf(const QAction* action) {
    const auto* menu =
        action != nullptr ? qobject_cast<const MenuWidget*>(action->parent()) : nullptr;
    const MenuItem* item = menu != nullptr ? menu->ItemOf(action) : nullptr;
    if (item == nullptr) {
        return std::nullopt;
    }
    return item->id;
}

std::optional<MenuItemFacts> MenuItemOf(const QAction& action) {
    const auto* menu = qobject_cast<const MenuWidget*>(action.parent());
    const MenuItem* item = menu != nullptr ? menu->ItemOf(&action) : nullptr;
    if (item == nullptr) {
        return std::nullopt;
    }
    return MenuItemFacts{item->id, item->ownerDrawn, item->checked, item->data.value};
}

const MenuItem* MenuWidget::ItemOf(const QAction* action) const {
    const auto found = items_.find(action);
    return found != items_.end() ? &found->second : nullptr;
}

const MenuItem* MenuWidget::OwnerDrawnItemOf(const QStyleOption& option) const {
    const MenuItem* item = ItemOf(qobject_cast<const QAction*>(option.styleObject));
    return item != nullptr && item->ownerDrawn ? item : nullptr;
}

QSize MenuWidget::OwnerDrawnSize(const MenuItem& item) const {
    if (owner_ == nullptr) {
        return {};
    }
    if (!item.ownerSize) {
        item.ownerSize = RequestItemSize(*owner_, item);
    }
    return *item.ownerSize;
}

void MenuWidget::DrawOwnerDrawn(const MenuItem& item, QPainter& painter,
                                const QStyleOptionMenuItem& option) const {
    if (owner_ == nullptr) {
        return;
    }
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const ItemPaint paint{.rect = option.rect,
                          .selected = selected,
                          .highlightMoved = selected != item.paintedSelected};
    item.paintedSelected = selected;
    RequestItemDrawing(*owner_, item, paint, painter, font(), logicalDpiY());
}

// An owner-drawn item's option names its action, so that the style can tell which item it is
// for; such an option never reaches the application style's menu-item code.
void MenuWidget::initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const {
    QMenu::initStyleOption(option, action);
    // Like the native menus: a check column always, so checked and unchecked text line up.
    option->menuHasCheckableItems = true;
    const MenuItem* item = ItemOf(action);
    if (item != nullptr && item->ownerDrawn) {
        option->styleObject = const_cast<QAction*>(action);
    } else if (item != nullptr && item->checked) {
        option->checkType = QStyleOptionMenuItem::NonExclusive;
        option->checked = true;
    }
}

// Every showing starts without a highlight, so the first highlight is a move onto the item.
void MenuWidget::showEvent(QShowEvent* event) {
    for (const auto& [action, item] : items_) {
        item.paintedSelected = false;
    }
    QMenu::showEvent(event);
}

}  // namespace kolvar
