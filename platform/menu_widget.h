#pragma once

// Inside the platform only: the Qt pop-up behind a CMenu.

#include <QMenu>
#include <QStyleOptionMenuItem>
#include <map>
#include <optional>

#include "platform/menu_item.h"

namespace kolvar {

class CWnd;

// A QMenu whose owner-drawn items are measured and painted by the window that owns the menu
// while it is tracked. Its style (see OwnerDrawStyle) asks it about the action Qt last
// prepared a style option for, which is always the one being sized or painted.
class MenuWidget : public QMenu {
    Q_OBJECT

public:
    MenuWidget();
    ~MenuWidget() override;

    void AddTextItem(unsigned id, const QString& text, bool checked);
    // The text names the item for assistive technology only: the owner draws what is seen.
    void AddOwnerDrawnItem(unsigned id, ItemData itemData, bool checked, const QString& text);
    void AddSubMenu(MenuWidget& subMenu, const QString& text);
    bool SetDefaultItemById(unsigned id);
    bool SetDefaultItemByPosition(unsigned position);

    // The command of an action of this menu or of any of its sub-menus.
    static std::optional<unsigned> CommandOf(const QAction* action);

    // What this menu keeps about one of its own items; null for separators, sub-menu entries
    // and actions of other menus.
    const MenuItem* ItemOf(const QAction* action) const;

    // Measure and draw requests go to this window; none while it is null.
    void SetOwner(CWnd* owner) { owner_ = owner; }

    // For the style: whether the action being sized or painted is owner-drawn, its size, and
    // its painting.
    bool IsStyledItemOwnerDrawn() const;
    QSize StyledItemSize() const;
    void DrawStyledItem(QPainter& painter, const QStyleOptionMenuItem& option) const;

protected:
    void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override;
    void showEvent(QShowEvent* event) override;

private:
    void AddItem(const QString& text, const MenuItem& item);
    void MakeDefault(QAction* action);

    std::map<const QAction*, MenuItem> items_;
    mutable const QAction* styledAction_ = nullptr;
    CWnd* owner_ = nullptr;
};

}  // namespace kolvar
