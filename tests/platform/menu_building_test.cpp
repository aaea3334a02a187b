#include <gtest/gtest.h>

#include <vector>

#include "platform/menu.h"
#include "platform/testing.h"
#include "test_menu.h"

namespace kolvar {
namespace {

using namespace test_menu;
using Kind = MenuItemFacts::Kind;

TEST(MenuBuilding, ItemsStandInTheOrderTheyWereAppended) {
    const std::vector<MenuItemFacts> items = ItemsOf(Build());

    ASSERT_EQ(items.size(), 6U);
    EXPECT_EQ(items[kAlphaRow].text, "&Alpha");
    EXPECT_EQ(items[1].kind, Kind::Separator);
    EXPECT_EQ(items[kColoursRow].text, "&Colours");
    EXPECT_EQ(items[kMoreRow].text, "&More");
    EXPECT_EQ(items[4].kind, Kind::Separator);
    EXPECT_EQ(items[kCloseRow].text, "&Close");
    EXPECT_EQ(items[kColoursRow].subMenu.size(), kColourIds.size());
    EXPECT_EQ(items[kMoreRow].subMenu.size(), kMoreIds.size());
}

TEST(MenuBuilding, TextArrivesAsUtf8) {
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, 7, "&О программе");
    EXPECT_EQ(ItemsOf(menu).at(0).text, "&О программе");
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
    EXPECT_TRUE(ItemsOf(menu).empty());
}

// The menu as it shows while it is tracked for a window of its own.
Image ShownMenu(CMenu& menu) {
    CWnd owner;
    owner.CreateEx(0, WS_VISIBLE, {0, 0, 100, 80}, nullptr, 0);
    Image shown;
    RunWhileMenuOpen([&] { menu.TrackPopupMenu(TPM_RIGHTBUTTON, 40, 30, owner); },
                     [&shown] { shown = GrabActiveMenu(); });
    return shown;
}

TEST(MenuBuilding, ACheckedTextItemShowsACheck) {
    CMenu checked;
    checked.CreatePopupMenu();
    checked.AppendMenu(MF_STRING | MF_CHECKED, 1, "Same text");
    CMenu unchecked;
    unchecked.CreatePopupMenu();
    unchecked.AppendMenu(MF_STRING, 1, "Same text");

    const Image withCheck = ShownMenu(checked);
    const Image withoutCheck = ShownMenu(unchecked);
    ASSERT_GT(withCheck.width, 0);
    ASSERT_EQ(withCheck.width, withoutCheck.width);
    ASSERT_EQ(withCheck.height, withoutCheck.height);
    EXPECT_NE(withCheck.pixels, withoutCheck.pixels);
}

TEST(MenuBuilding, TheDefaultItemIsBoldAndTheOthersAreNot) {
    const std::vector<MenuItemFacts> items = ItemsOf(Build());
    EXPECT_TRUE(items.at(kCloseRow).bold);
    EXPECT_TRUE(items.at(kCloseRow).isDefault);
    EXPECT_FALSE(items.at(kAlphaRow).bold);
    EXPECT_FALSE(items.at(kColoursRow).bold);
}

TEST(MenuBuilding, ANewDefaultItemTakesTheBoldFromTheOld) {
    CMenu menu = Build();
    ASSERT_TRUE(menu.SetMenuDefaultItem(kAlpha));
    const std::vector<MenuItemFacts> items = ItemsOf(menu);
    EXPECT_TRUE(items.at(kAlphaRow).bold);
    EXPECT_FALSE(items.at(kCloseRow).bold);
}

TEST(MenuBuilding, AnUnknownDefaultItemChangesNothing) {
    CMenu menu = Build();
    EXPECT_FALSE(menu.SetMenuDefaultItem(4242));
    EXPECT_TRUE(ItemsOf(menu).at(kCloseRow).isDefault);
}

}  // namespace
}  // namespace kolvar
