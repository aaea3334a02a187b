#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QMenu>
#include <QPointer>

#include "platform/menu.h"
#include "platform/surface.h"
#include "platform/testing.h"
#include "test_menu.h"

namespace kolvar {
namespace {

using namespace test_menu;

TEST(MenuBuilding, ItemsStandInTheOrderTheyWereAppended) {
    const CMenu menu = Build();
    const QList<QAction*> actions = Widget(menu).actions();

    ASSERT_EQ(actions.size(), 6);
    EXPECT_EQ(actions.at(kAlphaRow)->text(), "&Alpha");
    EXPECT_TRUE(actions.at(1)->isSeparator());
    EXPECT_EQ(actions.at(kColoursRow)->text(), "&Colours");
    EXPECT_EQ(actions.at(kMoreRow)->text(), "&More");
    EXPECT_TRUE(actions.at(4)->isSeparator());
    EXPECT_EQ(actions.at(kCloseRow)->text(), "&Close");
    EXPECT_EQ(SubMenuAt(Widget(menu), kColoursRow)->actions().size(),
              static_cast<qsizetype>(kColourIds.size()));
    EXPECT_EQ(SubMenuAt(Widget(menu), kMoreRow)->actions().size(),
              static_cast<qsizetype>(kMoreIds.size()));
}

TEST(MenuBuilding, TextArrivesAsUtf8) {
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, 7, "&О программе");
    EXPECT_EQ(Widget(menu).actions().at(0)->text(), QString::fromUtf8("&О программе"));
}

TEST(MenuBuilding, NothingCanBeAppendedToAMenuNotCreated) {
    CMenu menu;
    CMenu subMenu;
    subMenu.CreatePopupMenu();
    EXPECT_FALSE(menu);
    EXPECT_FALSE(menu.AppendMenu(MF_STRING, 1, "text"));
    EXPECT_FALSE(menu.AppendMenu(MF_OWNERDRAW, 2, ItemData{3}));
    EXPECT_FALSE(menu.AppendMenu(MF_POPUP, std::move(subMenu), "sub"));
    EXPECT_FALSE(menu.SetMenuDefaultItem(1));
}

TEST(MenuBuilding, EachOverloadTakesOnlyItsOwnKindOfItem) {
    CMenu menu;
    menu.CreatePopupMenu();
    CMenu subMenu;
    subMenu.CreatePopupMenu();
    EXPECT_FALSE(menu.AppendMenu(MF_OWNERDRAW, 1, "text"));
    EXPECT_FALSE(menu.AppendMenu(MF_STRING, 2, ItemData{3}));
    EXPECT_FALSE(menu.AppendMenu(MF_STRING, std::move(subMenu), "sub"));
    EXPECT_TRUE(Widget(menu).actions().isEmpty());
}

// Assistive technology reads the checks from the actions: every owner-drawn item and a checked
// text item can be checked. Qt toggles such an action when it is chosen; it goes straight back,
// so the check stays the menu's own state, as built.
TEST(MenuBuilding, ActionsShowTheChecksAsBuiltAlsoAfterAChoice) {
    const CMenu menu = Build();
    QAction* alpha = Widget(menu).actions().at(kAlphaRow);
    QAction* close = Widget(menu).actions().at(kCloseRow);
    const QList<QAction*> colours = SubMenuAt(Widget(menu), kColoursRow)->actions();
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

TEST(MenuBuilding, SubMenusAreNamedByTheirTitlesWithoutTheAccessKeyMark) {
    const CMenu menu = Build();
    EXPECT_EQ(SubMenuAt(Widget(menu), kColoursRow)->accessibleName(), "Colours");
    EXPECT_EQ(SubMenuAt(Widget(menu), kMoreRow)->accessibleName(), "More");
}

TEST(MenuBuilding, ACheckedTextItemShowsACheck) {
    CMenu checked;
    checked.CreatePopupMenu();
    checked.AppendMenu(MF_STRING | MF_CHECKED, 1, "Same text");
    CMenu unchecked;
    unchecked.CreatePopupMenu();
    unchecked.AppendMenu(MF_STRING, 1, "Same text");
    Widget(checked).adjustSize();
    Widget(unchecked).adjustSize();

    ASSERT_EQ(Widget(checked).size(), Widget(unchecked).size());
    EXPECT_NE(Widget(checked).grab().toImage(), Widget(unchecked).grab().toImage());
}

TEST(MenuBuilding, TheDefaultItemIsBoldAndTheOthersAreNot) {
    const CMenu menu = Build();
    const QList<QAction*> actions = Widget(menu).actions();
    EXPECT_TRUE(actions.at(kCloseRow)->font().bold());
    EXPECT_EQ(Widget(menu).defaultAction(), actions.at(kCloseRow));
    EXPECT_FALSE(actions.at(kAlphaRow)->font().bold());
    EXPECT_FALSE(actions.at(kColoursRow)->font().bold());
}

TEST(MenuBuilding, ANewDefaultItemTakesTheBoldFromTheOld) {
    CMenu menu = Build();
    ASSERT_TRUE(menu.SetMenuDefaultItem(kAlpha));
    const QList<QAction*> actions = Widget(menu).actions();
    EXPECT_TRUE(actions.at(kAlphaRow)->font().bold());
    EXPECT_FALSE(actions.at(kCloseRow)->font().bold());
}

TEST(MenuBuilding, AnUnknownDefaultItemChangesNothing) {
    CMenu menu = Build();
    EXPECT_FALSE(menu.SetMenuDefaultItem(4242));
    EXPECT_EQ(Widget(menu).defaultAction(), Widget(menu).actions().at(kCloseRow));
}

TEST(MenuLifetime, ASubMenuMovesIntoItsParent) {
    CMenu menu;
    menu.CreatePopupMenu();
    CMenu subMenu;
    subMenu.CreatePopupMenu();
    const QPointer<QMenu> subWidget = &Widget(subMenu);

    ASSERT_TRUE(menu.AppendMenu(MF_POPUP, std::move(subMenu), "&Sub"));

    EXPECT_FALSE(subMenu);
    EXPECT_EQ(SubMenuAt(Widget(menu), 0), subWidget.data());
}

TEST(MenuLifetime, DestroyingAMenuDestroysItsSubMenus) {
    CMenu menu = Build();
    const QPointer<QMenu> root = &Widget(menu);
    const QPointer<QMenu> colours = SubMenuAt(Widget(menu), kColoursRow);
    const QPointer<QMenu> more = SubMenuAt(Widget(menu), kMoreRow);
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
        colours = SubMenuAt(Widget(menu), kColoursRow);
        EXPECT_GT(LiveDrawingObjects(), before);
    }
    EXPECT_TRUE(colours.isNull());
    EXPECT_EQ(LiveDrawingObjects(), before);
}

TEST(MenuLifetime, CreatingAgainReplacesTheOldMenu) {
    CMenu menu = Build();
    const QPointer<QMenu> old = &Widget(menu);
    ASSERT_TRUE(menu.CreatePopupMenu());
    EXPECT_TRUE(old.isNull());
    EXPECT_TRUE(Widget(menu).actions().isEmpty());
}

TEST(MenuLifetime, MovingAMenuKeepsItsPopup) {
    CMenu menu = Build();
    const QPointer<QMenu> widget = &Widget(menu);
    CMenu moved(std::move(menu));
    EXPECT_FALSE(menu);
    EXPECT_EQ(&Widget(moved), widget.data());

    CMenu assigned;
    assigned.CreatePopupMenu();
    const QPointer<QMenu> replaced = &Widget(assigned);
    assigned = std::move(moved);
    EXPECT_TRUE(replaced.isNull());
    EXPECT_EQ(&Widget(assigned), widget.data());
}

}  // namespace
}  // namespace kolvar
