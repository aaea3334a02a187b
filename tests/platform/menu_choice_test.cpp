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

// The ids of the innermost open menu's items, once another menu than those open before has
// opened.
std::vector<unsigned> IdsOfOpenedSubMenu(int openBefore) {
    std::vector<unsigned> ids;
    const std::optional<OpenMenuFacts> menu =
        OpenedAnotherMenu(openBefore) ? ActiveMenu() : std::nullopt;
    for (const MenuItemFacts& item : menu ? menu->items : std::vector<MenuItemFacts>()) {
        ids.push_back(item.id);
    }
    return ids;
}

bool OpenSubMenuByHover(int row) {
    const int open = OpenMenuCount();
    HoverMenuItem(row);
    return OpenedAnotherMenu(open);
}

void ChooseTheCheckedColourByKeys() {
    PressMenuKey(Key::Down);
    PressMenuKey(Key::Down);
    PressMenuKey(Key::Right);
    PressMenuKey(Key::Down);
    PressMenuKey(Key::Return);
}

class MenuChoice : public TrackedMenu {
protected:
    void TrackWhile(const std::function<void()>& steps) { TrackedMenu::TrackWhile(kMenuAt, steps); }
};

TEST_F(MenuChoice, TheMenuOpensWithItsTopLeftAtThePoint) {
    std::optional<OpenMenuFacts> opened;
    TrackWhile([&] { opened = ActiveMenu(); });
    ASSERT_TRUE(opened);
    EXPECT_EQ((Point{opened->frame.left, opened->frame.top}), kMenuAt);
    EXPECT_EQ(OpenMenuCount(), 0) << "tracking returns only once the menu has closed";
}

TEST_F(MenuChoice, AnItemChosenByKeysArrivesAsItsCommandAfterTheMenuClosed) {
    const int loopLevel = EventLoopDepth();
    TrackWhile(ChooseTheCheckedColourByKeys);

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
    TrackWhile([] {
        PressMenuKey(Key::Up);
        PressMenuKey(Key::Return);
    });
    EXPECT_EQ(owner.commands, std::vector<unsigned>{kClose});
}

TEST_F(MenuChoice, TheLeftButtonChoosesAnItem) {
    const int loopLevel = EventLoopDepth();
    TrackWhile([] {
        ASSERT_TRUE(OpenSubMenuByHover(kMoreRow));
        ClickMenuItem(1, MouseButton::Left);
    });
    ASSERT_EQ(owner.commands, std::vector<unsigned>{kMoreIds[1]});
    EXPECT_FALSE(owner.menuOpenAtCommand.front());
    EXPECT_EQ(owner.loopLevelAtCommand.front(), loopLevel);
}

TEST_F(MenuChoice, TheRightButtonChoosesAnItem) {
    TrackWhile([] {
        ASSERT_TRUE(OpenSubMenuByHover(kColoursRow));
        ClickMenuItem(3, MouseButton::Right);
    });
    EXPECT_EQ(owner.commands, std::vector<unsigned>{kColourIds[3]});
}

TEST_F(MenuChoice, AClickOnATextItemChoosesIt) {
    TrackWhile([] { ClickMenuItem(kAlphaRow, MouseButton::Left); });
    EXPECT_EQ(owner.commands, std::vector<unsigned>{kAlpha});
}

TEST_F(MenuChoice, AnAccessKeyChoosesItsItem) {
    TrackWhile([] { PressMenuAccessKey('A'); });
    EXPECT_EQ(owner.commands, std::vector<unsigned>{kAlpha});
}

TEST_F(MenuChoice, AnAccessKeyOpensItsSubMenu) {
    std::vector<unsigned> opened;
    TrackWhile([&] {
        const int open = OpenMenuCount();
        PressMenuAccessKey('M');
        opened = IdsOfOpenedSubMenu(open);
    });
    EXPECT_EQ(opened, kMoreIds);
    EXPECT_TRUE(owner.commands.empty());
}

TEST_F(MenuChoice, EscapeSendsNothing) {
    bool closed = false;
    TrackWhile([&] {
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
    TrackWhile([&] {
        HoverMenuItem(kAlphaRow);
        ClickOutsideMenus();
        closed = OpenMenuCount() == 0;
    });
    EXPECT_TRUE(closed);
    EXPECT_TRUE(owner.commands.empty());
}

TEST_F(MenuChoice, AMenuCanBeTrackedAgainWithoutMeasuringAgain) {
    TrackWhile(ChooseTheCheckedColourByKeys);
    const std::size_t measured = owner.measures.size();
    TrackWhile(ChooseTheCheckedColourByKeys);

    EXPECT_EQ(owner.commands, (std::vector<unsigned>{kCheckedColour, kCheckedColour}));
    EXPECT_EQ(owner.measures.size(), measured);
}

}  // namespace
}  // namespace kolvar
