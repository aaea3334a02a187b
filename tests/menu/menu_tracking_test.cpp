#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "expected_menu.h"
#include "menu/marking_view.h"
#include "menu_inspection.h"
#include "menu_opening.h"
#include "platform/surface.h"
#include "platform/testing.h"
#include "tests/support/row_name.h"
#include "view_fixture.h"

namespace kolvar::test {
namespace {

constexpr BandCode kDefaults{0, 1, 2, 5, 3, -2};
// Root rows, separators counted, of the four-band menu.
constexpr int kFiveBandRow = 0;
constexpr int kToleranceDowns = 5;  // highlight steps from nothing to the tolerance entry

// When each command reached the view: was a menu still open, how deep were the loops.
struct CommandArrival {
    unsigned id = 0;
    bool menuOpen = false;
    int loopLevel = 0;
};

// The marking view, with every command noted on its way to the view's own handlers.
class ProbedView : public CMarkingView {
public:
    std::vector<CommandArrival> arrivals;

    static const MessageMap* ClassMessageMap() {
        static constexpr MessageMapEntry kEntries[] = {
            OnCommandRange<1, 0xFFFF, &ProbedView::OnAnyCommand>(),
        };
        static constexpr MessageMap kMap{&CMarkingView::ClassMessageMap, kEntries};
        return &kMap;
    }

protected:
    const MessageMap* GetMessageMap() const override { return ClassMessageMap(); }

private:
    void OnAnyCommand(unsigned id) {
        arrivals.push_back({id, ActiveMenu().has_value(), EventLoopDepth()});
        PassToMarkingView(*this, Message{WM_COMMAND, id, 0});
    }
};

class MenuTracking : public testing::Test {
protected:
    TestSettings settings{kDefaults};
    ProbedView view;
    ShownView shown{view};

    Point ScreenPointOf(Point client) const {
        const Rect area = ClientAreaOnScreen(view);
        return {area.left + client.x, area.top + client.y};
    }
};

struct OpeningRow {
    std::string name;
    unsigned message;
    Point at;
    bool realEvent;
};

void PrintTo(const OpeningRow& row, std::ostream* out) {
    *out << row.name;
}

class MenuOpening : public MenuTracking, public testing::WithParamInterface<OpeningRow> {};

TEST_P(MenuOpening, TheMenuOpensWithItsTopLeftAtTheClickedPoint) {
    const OpeningRow& row = GetParam();
    Point topLeft;
    Point cursor;
    bool opened = false;
    const auto look = [&] {
        const std::optional<OpenMenuFacts> menu = ActiveMenu();
        ASSERT_TRUE(menu);
        opened = true;
        topLeft = {menu->frame.left, menu->frame.top};
        cursor = CursorPosition();
    };
    if (row.realEvent) {
        ClickMenuOpenWhile(view, row.message, row.at, look);
    } else {
        OpenMenuWhile(view, row.message, row.at, look);
    }
    ASSERT_TRUE(opened);
    EXPECT_EQ(topLeft, ScreenPointOf(row.at));
    EXPECT_EQ(cursor, ScreenPointOf(row.at)) << "the cursor is moved to the point";
    EXPECT_FALSE(ActiveMenu());
}

INSTANTIATE_TEST_SUITE_P(
    Clicks, MenuOpening,
    testing::Values(OpeningRow{"RightButtonMessage", WM_RBUTTONDOWN, {30, 40}, false},
                    OpeningRow{"DoubleClickMessage", WM_LBUTTONDBLCLK, {200, 120}, false},
                    OpeningRow{"AtTheClientOrigin", WM_RBUTTONDOWN, {0, 0}, false},
                    OpeningRow{"RightButtonPress", WM_RBUTTONDOWN, {57, 11}, true},
                    OpeningRow{"LeftDoubleClick", WM_LBUTTONDBLCLK, {140, 66}, true}),
    test::RowName());

// The system reports a right press soon after the one that opened the menu, at the same place,
// as a double click.
TEST_F(MenuTracking, ARightPressJustAfterTheMenuClosedOpensItAgain) {
    ClickMenuOpenWhile(view, WM_RBUTTONDOWN, {50, 50}, [] { PressMenuKey(Key::Escape); });
    bool reopened = false;
    ClickMenuOpenWhile(view, WM_RBUTTONDOWN, {50, 50},
                       [&] { reopened = ActiveMenu().has_value(); });
    EXPECT_TRUE(reopened);
}

TEST_F(MenuTracking, AChosenItemArrivesAsItsCommandOnceTheMenuHasClosed) {
    bool changedWhileOpen = true;
    const int loopLevel = EventLoopDepth();
    OpenMenuWhile(view, WM_RBUTTONDOWN, {50, 50}, [&] {
        ASSERT_TRUE(OpenSubMenuByKeys(kToleranceDowns));
        PressMenuKey(Key::Down);
        PressMenuKey(Key::Return);
        changedWhileOpen = view.bandCode() != kDefaults;
    });

    ASSERT_EQ(view.arrivals.size(), 1U);
    EXPECT_EQ(view.arrivals[0].id, 35049U);
    EXPECT_FALSE(view.arrivals[0].menuOpen);
    EXPECT_EQ(view.arrivals[0].loopLevel, loopLevel) << "the menu's own loop had ended";
    EXPECT_FALSE(changedWhileOpen);
    BandCode gold = kDefaults;
    gold.overshoot = -1;
    EXPECT_EQ(view.bandCode(), gold);
}

TEST_F(MenuTracking, ChoosingTheFiveBandCodeChecksItAndAddsTheThirdDigitAtTheNextOpening) {
    const auto chooseFiveBand = [] {
        PressMenuKey(Key::Down);
        PressMenuKey(Key::Return);
    };
    std::vector<MenuEntry> fourBand;
    OpenMenuWhile(view, WM_RBUTTONDOWN, {20, 20}, [&] {
        fourBand = Describe(ActiveMenu()->items);
        chooseFiveBand();
    });
    std::vector<MenuEntry> fiveBand;
    std::vector<MenuEntry> thirdDigit;
    OpenMenuWhile(view, WM_LBUTTONDBLCLK, {20, 20}, [&] {
        const std::vector<MenuItemFacts> root = ActiveMenu()->items;
        fiveBand = Describe(root);
        if (const std::vector<MenuItemFacts>* digit3 =
                SubMenuTitled(root, expected::kDigit3Title)) {
            thirdDigit = Describe(*digit3);
        }
    });

    ASSERT_EQ(fourBand.size(), 11U);
    EXPECT_FALSE(fourBand[kFiveBandRow].checked);
    ASSERT_EQ(fiveBand.size(), 12U);
    EXPECT_TRUE(fiveBand[kFiveBandRow].checked);
    EXPECT_EQ(fiveBand[3].text, expected::kDigit2Title);
    EXPECT_EQ(fiveBand[4].text, expected::kDigit3Title);
    EXPECT_EQ(fiveBand[5].text, expected::kPowerTitle);
    ASSERT_EQ(thirdDigit.size(), 10U);
    for (std::size_t row = 0; row < thirdDigit.size(); ++row) {
        EXPECT_EQ(thirdDigit[row].checked, row == 5) << "the kept third digit is 5";
    }
}

struct DismissRow {
    std::string name;
    std::function<void()> dismiss;
};

void PrintTo(const DismissRow& row, std::ostream* out) {
    *out << row.name;
}

class MenuDismissal : public MenuTracking, public testing::WithParamInterface<DismissRow> {};

TEST_P(MenuDismissal, ChangesNothingAndCausesNoPaint) {
    shown.Linger();
    const int paints = shown.paints();
    const int objects = LiveDrawingObjects();
    bool dismissed = false;
    OpenMenuWhile(view, WM_RBUTTONDOWN, {60, 30}, [&] {
        GetParam().dismiss();
        dismissed = !ActiveMenu();
    });
    shown.Linger();

    EXPECT_TRUE(dismissed);
    EXPECT_TRUE(view.arrivals.empty());
    EXPECT_EQ(view.bandCode(), kDefaults);
    EXPECT_EQ(shown.paints(), paints) << "the view was painted again";
    EXPECT_EQ(LiveDrawingObjects(), objects) << "the menu outlived its tracking";
}

INSTANTIATE_TEST_SUITE_P(Ways, MenuDismissal,
                         testing::Values(DismissRow{"Escape", [] { PressMenuKey(Key::Escape); }},
                                         DismissRow{"EscapeFromASubMenu",
                                                    [] {
                                                        OpenSubMenuByKeys(kToleranceDowns);
                                                        PressMenuKey(Key::Down);
                                                        PressMenuKey(Key::Escape);
                                                        PressMenuKey(Key::Escape);
                                                    }},
                                         DismissRow{"ClickOutside",
                                                    [] {
                                                        HoverMenuItem(kFiveBandRow);
                                                        ClickOutsideMenus();
                                                    }}),
                         test::RowName());

// An item's access key is the first digit of its label; the one item with the key is chosen at
// once.
struct AccessKeyRow {
    std::string name;
    int downs;
    char typed;
    BandCode chosen;
};

void PrintTo(const AccessKeyRow& row, std::ostream* out) {
    *out << row.name;
}

class MenuAccessKeys : public MenuTracking, public testing::WithParamInterface<AccessKeyRow> {};

TEST_P(MenuAccessKeys, ChooseTheColourWhoseLabelBeginsWithTheTypedDigit) {
    const AccessKeyRow& row = GetParam();
    OpenMenuWhile(view, WM_RBUTTONDOWN, {50, 50}, [&] {
        ASSERT_TRUE(OpenSubMenuByKeys(row.downs));
        PressMenuAccessKey(row.typed);
    });
    EXPECT_EQ(view.bandCode(), row.chosen);
}

INSTANTIATE_TEST_SUITE_P(
    Typed, MenuAccessKeys,
    testing::Values(AccessKeyRow{"FirstDigitSeven", 2, '7', {0, 7, 2, 5, 3, -2}},
                    AccessKeyRow{"SecondDigitZero", 3, '0', {0, 1, 0, 5, 3, -2}},
                    AccessKeyRow{"ToleranceFive", 5, '5', {0, 1, 2, 5, 3, -1}}),
    test::RowName());

}  // namespace
}  // namespace kolvar::test
