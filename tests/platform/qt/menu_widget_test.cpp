#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPointer>
#include <QWindow>

#include "platform/menu.h"
#include "platform/testing.h"
#include "qt_objects.h"
#include "tests/platform/test_menu.h"

namespace kolvar::test {
namespace {

using namespace test_menu;

// Assistive technology reads the checks from the actions: every owner-drawn item and a checked
// text item can be checked. Qt toggles such an action when it is chosen; it goes straight back,
// so the check stays the menu's own state, as built.
TEST(MenuActions, ShowTheChecksAsBuiltAlsoAfterAChoice) {
    const CMenu menu = Build();
    QAction* alpha = PopupOf(menu).actions().at(kAlphaRow);
    QAction* close = PopupOf(menu).actions().at(kCloseRow);
    const QList<QAction*> colours = SubMenuAt(PopupOf(menu), kColoursRow)->actions();
    for (const char* when : {"as built", "after a choice"}) {
        EXPECT_TRUE(alpha->isCheckable() && alpha->isChecked()) << when;
        EXPECT_FALSE(close->isCheckable()) << when;
        for (qsizetype row = 0; row < colours.size(); ++row) {
            const bool checked = kColourIds.at(static_cast<std::size_t>(row)) == kCheckedColour;
            EXPECT_TRUE(colours.at(row)->isCheckable()) << when << " " << row;
            EXPECT_EQ(colours.at(row)->isChecked(), checked) << when << " " << row;
        }
        for (QAction* chosen : colours + QList<QAction*>{alpha, close}) {
            chosen->trigger();
        }
    }
}

TEST(MenuActions, SubMenusAreNamedByTheirTitlesWithoutTheAccessKeyMark) {
    const CMenu menu = Build();
    EXPECT_EQ(SubMenuAt(PopupOf(menu), kColoursRow)->accessibleName(), "Colours");
    EXPECT_EQ(SubMenuAt(PopupOf(menu), kMoreRow)->accessibleName(), "More");
}

// A Wayland compositor places a pop-up only next to a window it knows to be the pop-up's parent.
class MenuWindows : public TrackedMenu {};

TEST_F(MenuWindows, TheMenuAndItsSubMenuAreTransientForTheOwnersWindow) {
    const QWindow* ownerWindow = WidgetOf(owner).windowHandle();
    const QWindow* menuParent = nullptr;
    const QWindow* subMenuParent = nullptr;
    const QWindow* menuWindow = nullptr;
    TrackWhile({60, 50}, [&] {
        menuWindow = QApplication::activePopupWidget()->windowHandle();
        menuParent = menuWindow->transientParent();
        HoverMenuItem(kMoreRow);
        ASSERT_TRUE(OpenedAnotherMenu(1));
        subMenuParent = QApplication::activePopupWidget()->windowHandle()->transientParent();
    });
    ASSERT_NE(ownerWindow, nullptr);
    EXPECT_EQ(menuParent, ownerWindow);
    EXPECT_EQ(subMenuParent, menuWindow);
}

TEST(MenuLifetime, ASubMenuMovesIntoItsParent) {
    CMenu menu;
    menu.CreatePopupMenu();
    CMenu subMenu;
    subMenu.CreatePopupMenu();
    const QPointer<QMenu> subWidget = &PopupOf(subMenu);

    ASSERT_TRUE(menu.AppendMenu(MF_POPUP, std::move(subMenu), "&Sub"));

    EXPECT_FALSE(subMenu);
    EXPECT_EQ(SubMenuAt(PopupOf(menu), 0), subWidget.data());
}

TEST(MenuLifetime, DestroyingAMenuDestroysItsSubMenus) {
    CMenu menu = Build();
    const QPointer<QMenu> root = &PopupOf(menu);
    const QPointer<QMenu> colours = SubMenuAt(PopupOf(menu), kColoursRow);
    const QPointer<QMenu> more = SubMenuAt(PopupOf(menu), kMoreRow);
    ASSERT_FALSE(colours.isNull());
    ASSERT_FALSE(more.isNull());

    menu.DestroyMenu();

    EXPECT_FALSE(menu);
    EXPECT_TRUE(root.isNull());
    EXPECT_TRUE(colours.isNull());
    EXPECT_TRUE(more.isNull());
}

TEST(MenuLifetime, AMenuGoingOutOfScopeLeavesNothingBehind) {
    const int before = LiveDrawingObjects();
    QPointer<QMenu> colours;
    {
        const CMenu menu = Build();
        colours = SubMenuAt(PopupOf(menu), kColoursRow);
        EXPECT_GT(LiveDrawingObjects(), before);
    }
    EXPECT_TRUE(colours.isNull());
    EXPECT_EQ(LiveDrawingObjects(), before);
}

TEST(MenuLifetime, CreatingAgainReplacesTheOldMenu) {
    CMenu menu = Build();
    const QPointer<QMenu> old = &PopupOf(menu);
    ASSERT_TRUE(menu.CreatePopupMenu());
    EXPECT_TRUE(old.isNull());
    EXPECT_TRUE(PopupOf(menu).actions().isEmpty());
}

TEST(MenuLifetime, MovingAMenuKeepsItsPopup) {
    CMenu menu = Build();
    const QPointer<QMenu> widget = &PopupOf(menu);
    CMenu moved(std::move(menu));
    EXPECT_FALSE(menu);
    EXPECT_EQ(&PopupOf(moved), widget.data());

    CMenu assigned;
    assigned.CreatePopupMenu();
    const QPointer<QMenu> replaced = &PopupOf(assigned);
    assigned = std::move(moved);
    EXPECT_TRUE(replaced.isNull());
    EXPECT_EQ(&PopupOf(assigned), widget.data());
}

}  // namespace
}  // namespace kolvar::test
