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
// while it is tracked. The style option of an owner-drawn item carries the item's action, so
// that its style (see OwnerDrawStyle) learns from the option which item it sizes or paints.
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

    // The command of an action of this menu or of any of its sub-menus.
    static std::optional<unsigned> CommandOf(const QAction* action);

    // What this menu keeps about one of its own items; null for separators, sub-menu entries
    // and actions of other menus.
    const MenuItem* ItemOf(const QAction* action) const;

    // Measure and draw requests go to this window; none while it is null.
    void SetOwner(CWnd* owner) { owner_ = owner; }

    // For the style: the owner-drawn item a style option is for (null for any other), its
    // size, and its painting.
    const MenuItem* OwnerDrawnItemOf(const QStyleOption& option) const;
    QSize OwnerDrawnSize(const MenuItem& item) const;
    void DrawOwnerDrawn(const MenuItem& item, QPainter& painter,
                        const QStyleOptionMenuItem& option) const;

protected:
    void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override;
    void showEvent(QShowEvent* event) override;

private:
    void AddItem(const QString& text, const MenuItem& item);
    void MakeDefault(QAction* action);

    std::map<const QAction*, MenuItem> items_;
    CWnd* owner_ = nullptr;
};

}  // namespace kolvar
