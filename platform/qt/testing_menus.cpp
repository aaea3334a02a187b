// The test seam on Qt: open menus, what they hold and input to them.

#include <QApplication>
#include <QFontMetrics>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <cctype>

#include "platform/qt/menu.h"
#include "platform/qt/qt_conversions.h"
#include "platform/qt/testing_internals.h"
#include "platform/testing.h"

namespace kolvar {
namespace {

constexpr int kSettleMs = 20;

// Lets pending layout and painting happen.
void Settle() {
    QTest::qWait(kSettleMs);
}

QMenu* ActivePopup() {
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

std::vector<MenuItemFacts> FactsOf(const QMenu& menu);

MenuItemFacts FactsOf(const QMenu& menu, const QAction& action) {
    MenuItemFacts facts;
    facts.text = action.text().toStdString();
    facts.isDefault = menu.defaultAction() == &action;
    facts.bold = action.font().bold();
    if (action.isSeparator()) {
        facts.kind = MenuItemFacts::Kind::Separator;
        return facts;
    }
    if (action.menu() != nullptr) {
        facts.kind = MenuItemFacts::Kind::SubMenu;
        facts.subMenu = FactsOf(*action.menu());
        return facts;
    }
    const auto* ownMenu = qobject_cast<const MenuWidget*>(&menu);
    const MenuItem* item = ownMenu != nullptr ? ownMenu->ItemOf(&action) : nullptr;
    if (item == nullptr) {
        facts.text = "<not an item of its menu> " + facts.text;
        return facts;
    }
    facts.kind = item->ownerDrawn ? MenuItemFacts::Kind::OwnerDrawn : MenuItemFacts::Kind::Text;
    // What an owner-drawn item says is its drawing; its text is for assistive technology.
    if (item->ownerDrawn) {
        facts.text.clear();
        facts.data = item->ownerDrawn->Data();
    }
    facts.id = item->id;
    facts.checked = item->checked;
    return facts;
}

std::vector<MenuItemFacts> FactsOf(const QMenu& menu) {
    std::vector<MenuItemFacts> items;
    for (const QAction* action : menu.actions()) {
        items.push_back(FactsOf(menu, *action));
    }
    return items;
}

QAction* ActionAt(const QMenu& menu, int row) {
    const QList<QAction*> actions = menu.actions();
    return row >= 0 && row < actions.size() ? actions.at(row) : nullptr;
}

// The menu ignores a release until the mouse has really moved since it opened, so the pointer
// wanders inside the item a little before it stops at the centre.
void HoverOver(QMenu& menu, QAction& action) {
    const QRect item = menu.actionGeometry(&action);
    for (int step = 0; step < 8; ++step) {
        QTest::mouseMove(&menu, item.topLeft() + QPoint(step, item.height() / 2));
    }
    QTest::mouseMove(&menu, item.center());
    Settle();
}

}  // namespace

QMenu& PopupOf(const CMenu& menu) {
    return static_cast<QtMenu*>(NativeOf(menu))->widget();
}

std::vector<MenuItemFacts> ItemsOf(const CMenu& menu) {
    return FactsOf(PopupOf(menu));
}

std::optional<OpenMenuFacts> ActiveMenu() {
    const QMenu* menu = ActivePopup();
    if (menu == nullptr) {
        return std::nullopt;
    }
    OpenMenuFacts facts{FromQRect(menu->geometry()), FactsOf(*menu), {}};
    for (QAction* action : menu->actions()) {
        facts.itemRects.push_back(FromQRect(menu->actionGeometry(action)));
    }
    return facts;
}

Image GrabActiveMenu() {
    QMenu* menu = ActivePopup();
    return menu != nullptr ? ImageOf(menu->grab().toImage()) : Image();
}

Size MenuTextExtent(std::string_view text) {
    const QFontMetrics metrics(QApplication::font("QMenu"));
    return {metrics.horizontalAdvance(FromUtf8(text)), metrics.height()};
}

int OpenMenuCount() {
    int open = 0;
    for (const QWidget* widget : QApplication::topLevelWidgets()) {
        open += qobject_cast<const QMenu*>(widget) != nullptr && widget->isVisible() ? 1 : 0;
    }
    return open;
}

void HoverMenuItem(int row) {
    QMenu* menu = ActivePopup();
    if (QAction* action = menu != nullptr ? ActionAt(*menu, row) : nullptr) {
        HoverOver(*menu, *action);
    }
}

void ClickMenuItem(int row, MouseButton button) {
    QMenu* menu = ActivePopup();
    if (QAction* action = menu != nullptr ? ActionAt(*menu, row) : nullptr) {
        HoverOver(*menu, *action);
        QTest::mouseClick(menu, QtButton(button), Qt::NoModifier,
                          menu->actionGeometry(action).center());
    }
}

void PressMenuKey(Key key) {
    if (QMenu* menu = ActivePopup()) {
        QTest::keyClick(menu, QtKey(key));
        Settle();
    }
}

void PressMenuAccessKey(char letter) {
    if (QMenu* menu = ActivePopup()) {
        QTest::keyClick(menu, static_cast<char>(std::tolower(static_cast<unsigned char>(letter))));
        Settle();
    }
}

void ClickOutsideMenus() {
    if (QMenu* menu = ActivePopup()) {
        QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, QPoint(-30, -30));
        Settle();
    }
}

void RunWhileMenuOpen(const std::function<void()>& open, const std::function<void()>& steps) {
    QTimer start;
    start.setSingleShot(true);
    QObject::connect(&start, &QTimer::timeout, [&steps] {
        Settle();
        steps();
        CloseMenus();
    });
    start.start(0);
    open();
    // The choice is posted to the owner: handle it before the test looks.
    QCoreApplication::sendPostedEvents();
}

}  // namespace kolvar
