#pragma once

// Inside the platform only: a CMenu's menu on Qt, and the style it is drawn with.

#include <QMenu>
#include <QProxyStyle>
#include <QSize>
#include <QStyleOptionMenuItem>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "platform/backend.h"
#include "platform/menu.h"
#include "platform/owner_drawn_item.h"

namespace kolvar {

// What a menu keeps about each of its items.
struct MenuItem {
    unsigned id = 0;
    // Ours, not the action's: a checkable action toggles itself when chosen. The action only
    // mirrors it, for assistive technology.
    bool checked = false;
    // What the owner measures and draws; none for a text item.
    std::optional<OwnerDrawnItem> ownerDrawn;
    // An owner-drawn item's, from its text; a text item's is marked in its text.
    char32_t accessKey = 0;
};

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
    // size, and its painting. The size is the owner's measure with two of the menu font's
    // characters beside it, as Windows gives an owner-drawn item, so that a label measured to
    // the pixel does not touch the menu's edge.
    const MenuItem* OwnerDrawnItemOf(const QStyleOption& option) const;
    QSize OwnerDrawnSize(const MenuItem& item) const;
    void DrawOwnerDrawn(const MenuItem& item, QPainter& painter,
                        const QStyleOptionMenuItem& option) const;

protected:
    void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void AddItem(const QString& text, const MenuItem& item);
    // Highlights or chooses the owner-drawn item that the character is the access key of;
    // false where none is.
    bool FollowAccessKey(char32_t typed);
    void MakeDefault(QAction* action);

    std::map<const QAction*, MenuItem> items_;
    CWnd* owner_ = nullptr;
};

// The application's style, except that owner-drawn menu items take the size their owner
// measured (MenuWidget::OwnerDrawnSize) and show exactly what their owner paints. Text items,
// separators and the panel are the application style's.
//
// The panel has a 1-pixel frame and no margins: the first item's rectangle starts one pixel in
// from the menu's top-left corner, and every item spans the full width inside the frame.
class OwnerDrawStyle : public QProxyStyle {
    Q_OBJECT

public:
    OwnerDrawStyle();
    ~OwnerDrawStyle() override;

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
};

// A CMenu's menu on Qt: the pop-up with its sub-menus, each drawn in the owner-draw style.
class QtMenu : public NativeMenu {
public:
    QtMenu();
    ~QtMenu() override;

    void AddText(unsigned id, std::string_view text, bool checked) override;
    void AddSeparator() override;
    void AddOwnerDrawn(unsigned id, std::uintptr_t itemData, bool checked,
                       std::string_view text) override;
    void AddSubMenu(std::unique_ptr<NativeMenu> subMenu, std::string_view title) override;
    bool SetDefaultItem(unsigned id) override;
    // The chosen command is posted, so that the owner handles it once the menu has closed,
    // tracking has returned and the menu may be gone; the handler may open dialogs of its own or
    // end the program's dialog.
    void Track(unsigned flags, Point screen, CWnd& owner) override;

    MenuWidget& widget() const { return *widget_; }

private:
    // Measure and draw requests of this menu and all its sub-menus go to the owner.
    void SetOwner(CWnd* owner);

    // Declared in this order so that the sub-menus go first, then the pop-up, and the style,
    // which Qt does not own, last of all.
    std::unique_ptr<OwnerDrawStyle> style_;
    std::unique_ptr<MenuWidget> widget_;
    std::vector<std::unique_ptr<QtMenu>> subMenus_;
};

}  // namespace kolvar
