#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <vector>

#include "platform/menu.h"
#include "platform/testing.h"
#include "recording_owner.h"
#include "test_menu.h"

namespace kolvar {
namespace {

using namespace test_menu;

constexpr Point kMenuAt{60, 50};

// Runs the steps while the menu is tracked for the owner at kMenuAt.
void TrackWhile(CMenu& menu, CWnd& owner, const std::function<void()>& steps) {
    RunWhileMenuOpen([&] { menu.TrackPopupMenu(TPM_RIGHTBUTTON, kMenuAt.x, kMenuAt.y, owner); },
                     steps);
}

// The ids of the innermost open menu's items, once another menu than the one open before has
// opened.
std::vector<unsigned> IdsOfOpenedSubMenu(int openBefore) {
    std::vector<unsigned> ids;
    const std::optional<OpenMenuFacts> menu =
        WaitUntil([openBefore] { return OpenMenuCount() > openBefore; }) ? ActiveMenu()
                                                                         : std::nullopt;
    for (const MenuItemFacts& item : menu ? menu->items : std::vector<MenuItemFacts>()) {
        ids.push_back(item.id);
    }
    return ids;
}

bool OpenSubMenuByHover(int row) {
    const int open = OpenMenuCount();
    HoverMenuItem(row);
    return !IdsOfOpenedSubMenu(open).empty();
}

void ChooseTheCheckedColourByKeys() {
    PressMenuKey(Key::Down);
    PressMenuKey(Key::Down);
    PressMenuKey(Key::Right);
    PressMenuKey(Key::Down);
    PressMenuKey(Key::Return);
}

// Menus are tracked for a window shown on the screen.
class MenuChoice : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(owner.CreateEx(0, WS_VISIBLE, {0, 0, 300, 200}, nullptr, 0));
        ASSERT_TRUE(WaitForShown(owner));
    }

    RecordingOwner owner;
    CMenu menu = Build();
};

TEST_F(MenuChoice, TheMenuOpensWithItsTopLeftAtThePoint) {
    std::optional<OpenMenuFacts> opened;
    TrackWhile(menu, owner, [&] { opened = ActiveMenu(); });
    ASSERT_TRUE(opened);
    EXPECT_EQ((Point{opened->frame.left, opened->frame.top}), kMenuAt);
    EXPECT_EQ(OpenMenuCount(), 0) << "tracking returns only once the menu has closed";
}

TEST_F(MenuChoice, AnItemChosenByKeysArrivesAsItsCommandAfterTheMenuClosed) {
    const int loopLevel = EventLoopDepth();
    TrackWhile(menu, owner, ChooseTheCheckedColourByKeys);

    ASSERT_EQ(owner.commands, std::vector<unsigned>{kColourIds[1]});
    EXPECT_FALSE(owner.menuOpenAtCommand.front());
    EXPECT_EQ(owner.loopLevelAtCommand.front(), loopLevel) << "the menu's own loop has ended";
    EXPECT_EQ(owner.events.back().kind, OwnerEvent::Command);
}

// The choice is posted: tracking returns before it is handled, the window hears of it later,
// and a window destroyed by then never does.
TEST_F(MenuChoice, TheChoiceIsPostedAndDroppedOnceTheWindowIsDestroyed) {
    for (const bool destroy : {false, true}) {
        RunWhileMenuOpen(
            [&] {
                menu.TrackPopupMenu(TPM_RIGHTBUTTON, kMenuAt.x, kMenuAt.y, owner);
                EXPECT_EQ(owner.commands.size(), destroy ? 1U : 0U) << "handled inside tracking";
                if (destroy) {
                    owner.DestroyWindow();
                }
            },
            [] { PressMenuAccessKey('A'); });
    }
    EXPECT_EQ(owner.commands, std::vector<unsigned>{kAlpha}) << "the first only";
}

TEST_F(MenuChoice, ATextItemChosenByKeysArrivesToo) {
    TrackWhile(menu, owner, [] {
        PressMenuKey(Key::Up);
        PressMenuKey(Key::Return);
    });
    EXPECT_EQ(owner.commands, std::vector<unsigned>{kClose});
}

TEST_F(MenuChoice, TheLeftButtonChoosesAnItem) {
    const int loopLevel = EventLoopDepth();
    TrackWhile(menu, owner, [] {
        ASSERT_TRUE(OpenSubMenuByHover(kMoreRow));
        ClickMenuItem(1, MouseButton::Left);
    });
    ASSERT_EQ(owner.commands, std::vector<unsigned>{kMoreIds[1]});
    EXPECT_FALSE(owner.menuOpenAtCommand.front());
    EXPECT_EQ(owner.loopLevelAtCommand.front(), loopLevel);
}

TEST_F(MenuChoice, TheRightButtonChoosesAnItem) {
    TrackWhile(menu, owner, [] {
        ASSERT_TRUE(OpenSubMenuByHover(kColoursRow));
        ClickMenuItem(3, MouseButton::Right);
    });
    EXPECT_EQ(owner.commands, std::vector<unsigned>{kColourIds[3]});
}

TEST_F(MenuChoice, AClickOnATextItemChoosesIt) {
    TrackWhile(menu, owner, [] { ClickMenuItem(kAlphaRow, MouseButton::Left); });
    EXPECT_EQ(owner.commands, std::vector<unsigned>{kAlpha});
}

TEST_F(MenuChoice, AnAccessKeyChoosesItsItem) {
    TrackWhile(menu, owner, [] { PressMenuAccessKey('A'); });
    EXPECT_EQ(owner.commands, std::vector<unsigned>{kAlpha});
}

TEST_F(MenuChoice, AnAccessKeyOpensItsSubMenu) {
    std::vector<unsigned> opened;
    TrackWhile(menu, owner, [&] {
        const int open = OpenMenuCount();
        PressMenuAccessKey('M');
        opened = IdsOfOpenedSubMenu(open);
    });
    EXPECT_EQ(opened, kMoreIds);
    EXPECT_TRUE(owner.commands.empty());
}

TEST_F(MenuChoice, EscapeSendsNothing) {
    bool closed = false;
    TrackWhile(menu, owner, [&] {
        PressMenuKey(Key::Down);
        PressMenuKey(Key::Down);
        PressMenuKey(Key::Right);
        PressMenuKey(Key::Escape);
        PressMenuKey(Key::Escape);
        closed = OpenMenuCount() == 0;
    });
    EXPECT_TRUE(closed);
    EXPECT_TRUE(owner.commands.empty());
}

TEST_F(MenuChoice, AClickOutsideSendsNothing) {
    bool closed = false;
    TrackWhile(menu, owner, [&] {
        HoverMenuItem(kAlphaRow);
        ClickOutsideMenus();
        closed = OpenMenuCount() == 0;
    });
    EXPECT_TRUE(closed);
    EXPECT_TRUE(owner.commands.empty());
}

TEST_F(MenuChoice, AMenuCanBeTrackedAgainWithoutMeasuringAgain) {
    TrackWhile(menu, owner, ChooseTheCheckedColourByKeys);
    const std::size_t measured = owner.measures.size();
    TrackWhile(menu, owner, ChooseTheCheckedColourByKeys);

    EXPECT_EQ(owner.commands, (std::vector<unsigned>{kCheckedColour, kCheckedColour}));
    EXPECT_EQ(owner.measures.size(), measured);
}

}  // namespace
}  // namespace kolvar
