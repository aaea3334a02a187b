#include <gtest/gtest.h>

#include <QMenu>
#include <QTest>
#include <QThread>
#include <QWindow>

#include "menu_driver.h"
#include "platform/menu.h"
#include "platform/qt/qt_testing.h"
#include "platform/testing.h"
#include "recording_owner.h"
#include "test_menu.h"

namespace kolvar {
namespace {

using namespace test_menu;

const QPoint kMenuAt(60, 50);

QMenu* OpenSubMenuByHover(int row) {
    QMenu* root = ActivePopup();
    HoverOver(*root, *root->actions().at(row));
    return WaitForOtherMenu(root);
}

class MenuChoice : public testing::Test {
protected:
    RecordingOwner owner;
    CMenu menu = Build();
};

TEST_F(MenuChoice, TheMenuOpensWithItsTopLeftAtThePoint) {
    QPoint topLeft;
    bool visible = false;
    TrackWhile(menu, owner, kMenuAt, [&] {
        topLeft = ActivePopup()->geometry().topLeft();
        visible = ActivePopup()->isVisible();
    });
    EXPECT_TRUE(visible);
    EXPECT_EQ(topLeft, kMenuAt);
    EXPECT_FALSE(Widget(menu).isVisible()) << "tracking returns only once the menu has closed";
}

// A Wayland compositor places a pop-up only next to a window it knows to be the pop-up's parent.
TEST_F(MenuChoice, TheMenuAndItsSubMenuAreTransientForTheOwnersWindow) {
    ASSERT_TRUE(owner.CreateEx(0, WS_VISIBLE, {0, 0, 300, 200}, nullptr, 0));
    const QWindow* ownerWindow = WidgetBehind(owner)->windowHandle();
    const QWindow* menuParent = nullptr;
    const QWindow* subMenuParent = nullptr;
    const QWindow* menuWindow = nullptr;
    TrackWhile(menu, owner, kMenuAt, [&] {
        menuWindow = ActivePopup()->windowHandle();
        menuParent = menuWindow->transientParent();
        subMenuParent = OpenSubMenuByHover(kMoreRow)->windowHandle()->transientParent();
    });
    ASSERT_NE(ownerWindow, nullptr);
    EXPECT_EQ(menuParent, ownerWindow);
    EXPECT_EQ(subMenuParent, menuWindow);
}

TEST_F(MenuChoice, AnItemChosenByKeysArrivesAsItsCommandAfterTheMenuClosed) {
    TrackWhile(menu, owner, kMenuAt, [] {
        KeyClick(Qt::Key_Down);
        KeyClick(Qt::Key_Down);
        KeyClick(Qt::Key_Right);
        KeyClick(Qt::Key_Down);
        KeyClick(Qt::Key_Return);
    });

    ASSERT_EQ(owner.commands, std::vector<unsigned>{kColourIds[1]});
    EXPECT_FALSE(owner.popupOpenAtCommand.front());
    EXPECT_EQ(owner.loopLevelAtCommand.front(), QThread::currentThread()->loopLevel())
        << "the menu's own loop has ended";
    EXPECT_EQ(owner.events.back().kind, OwnerEvent::Command);
}

// The choice is posted: tracking returns before it is handled, the window hears of it later,
// and a window destroyed by then never does.
TEST_F(MenuChoice, TheChoiceIsPostedAndDroppedOnceTheWindowIsDestroyed) {
    ASSERT_TRUE(owner.CreateEx(0, WS_VISIBLE, {0, 0, 300, 200}, nullptr, 0));
    for (const bool destroy : {false, true}) {
        RunWhileMenuOpen(
            [&] {
                menu.TrackPopupMenu(TPM_RIGHTBUTTON, kMenuAt.x(), kMenuAt.y(), owner);
                EXPECT_EQ(owner.commands.size(), destroy ? 1U : 0U) << "handled inside tracking";
                if (destroy) {
                    owner.DestroyWindow();
                }
            },
            [] { KeyClick(Qt::Key_A); });
    }
    EXPECT_EQ(owner.commands, std::vector<unsigned>{kAlpha}) << "the first only";
}

TEST_F(MenuChoice, ATextItemChosenByKeysArrivesToo) {
    TrackWhile(menu, owner, kMenuAt, [] {
        KeyClick(Qt::Key_Up);
        KeyClick(Qt::Key_Return);
    });
    EXPECT_EQ(owner.commands, std::vector<unsigned>{kClose});
}

TEST_F(MenuChoice, TheLeftButtonChoosesAnItem) {
    TrackWhile(menu, owner, kMenuAt, [] {
        QMenu* more = OpenSubMenuByHover(kMoreRow);
        ASSERT_NE(more, nullptr);
        ClickOn(*more, *more->actions().at(1), Qt::LeftButton);
    });
    ASSERT_EQ(owner.commands, std::vector<unsigned>{kMoreIds[1]});
    EXPECT_FALSE(owner.popupOpenAtCommand.front());
    EXPECT_EQ(owner.loopLevelAtCommand.front(), QThread::currentThread()->loopLevel());
}

TEST_F(MenuChoice, TheRightButtonChoosesAnItem) {
    TrackWhile(menu, owner, kMenuAt, [] {
        QMenu* colours = OpenSubMenuByHover(kColoursRow);
        ASSERT_NE(colours, nullptr);
        ClickOn(*colours, *colours->actions().at(3), Qt::RightButton);
    });
    EXPECT_EQ(owner.commands, std::vector<unsigned>{kColourIds[3]});
}

TEST_F(MenuChoice, AClickOnATextItemChoosesIt) {
    TrackWhile(menu, owner, kMenuAt, [] {
        QMenu* root = ActivePopup();
        ClickOn(*root, *root->actions().at(kAlphaRow), Qt::LeftButton);
    });
    EXPECT_EQ(owner.commands, std::vector<unsigned>{kAlpha});
}

TEST_F(MenuChoice, AnAccessKeyChoosesItsItem) {
    TrackWhile(menu, owner, kMenuAt, [] { KeyClick(Qt::Key_A); });
    EXPECT_EQ(owner.commands, std::vector<unsigned>{kAlpha});
}

TEST_F(MenuChoice, AnAccessKeyOpensItsSubMenu) {
    const QMenu* more = SubMenuAt(Widget(menu), kMoreRow);
    const QMenu* opened = nullptr;
    TrackWhile(menu, owner, kMenuAt, [&] {
        QMenu* root = ActivePopup();
        KeyClick(Qt::Key_M);
        opened = WaitForOtherMenu(root);
    });
    EXPECT_EQ(opened, more);
    EXPECT_TRUE(owner.commands.empty());
}

TEST_F(MenuChoice, EscapeSendsNothing) {
    bool closed = false;
    TrackWhile(menu, owner, kMenuAt, [&] {
        KeyClick(Qt::Key_Down);
        KeyClick(Qt::Key_Down);
        KeyClick(Qt::Key_Right);
        KeyClick(Qt::Key_Escape);
        KeyClick(Qt::Key_Escape);
        closed = ActivePopup() == nullptr;
    });
    EXPECT_TRUE(closed);
    EXPECT_TRUE(owner.commands.empty());
}

TEST_F(MenuChoice, AClickOutsideSendsNothing) {
    bool closed = false;
    TrackWhile(menu, owner, kMenuAt, [&] {
        QMenu* root = ActivePopup();
        HoverOver(*root, *root->actions().at(kAlphaRow));
        QTest::mouseClick(root, Qt::LeftButton, Qt::NoModifier, QPoint(-20, -20));
        Settle();
        closed = ActivePopup() == nullptr;
    });
    EXPECT_TRUE(closed);
    EXPECT_TRUE(owner.commands.empty());
}

TEST_F(MenuChoice, AMenuCanBeTrackedAgainWithoutMeasuringAgain) {
    const auto chooseChecked = [] {
        KeyClick(Qt::Key_Down);
        KeyClick(Qt::Key_Down);
        KeyClick(Qt::Key_Right);
        KeyClick(Qt::Key_Down);
        KeyClick(Qt::Key_Return);
    };
    TrackWhile(menu, owner, kMenuAt, chooseChecked);
    const std::size_t measured = owner.measures.size();
    TrackWhile(menu, owner, kMenuAt, chooseChecked);

    EXPECT_EQ(owner.commands, (std::vector<unsigned>{kCheckedColour, kCheckedColour}));
    EXPECT_EQ(owner.measures.size(), measured);
}

}  // namespace
}  // namespace kolvar
