#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "expected_menu.h"
#include "menu/colour_menu.h"
#include "menu_inspection.h"
#include "model/caption_text.h"
#include "platform/system_metrics.h"
#include "platform/testing.h"
#include "tests/support/row_name.h"
#include "view_fixture.h"

namespace kolvar::test {
namespace {

constexpr BandCode kDefaults{0, 1, 2, 5, 3, -2};

// The marking view as a child window, as in the program, with what assistive technology hears.
class AccessibleView : public testing::Test {
protected:
    TestSettings settings{kDefaults};
    CWnd frame;
    bool framed = frame.CreateEx(0, WS_VISIBLE, ShownView::kPlace, nullptr, 0);
    CMarkingView view;
    ShownView shown{view, &frame};
    NameAnnouncements announcements{view};
};

struct ReadingRow {
    std::string name;
    unsigned id;  // 0: as created
    std::string bands;
};

void PrintTo(const ReadingRow& row, std::ostream* out) {
    *out << row.name;
}

class ViewReading : public AccessibleView, public testing::WithParamInterface<ReadingRow> {};

// Every choice is announced, also one that leaves the reading as it was: the user hears that it
// was taken.
TEST_P(ViewReading, IsTheCaptionAndTheBandsAndIsAnnouncedOnEachChoice) {
    const ReadingRow& row = GetParam();
    ASSERT_TRUE(framed && view.IsWindow());
    if (row.id != 0) {
        view.SendMessage(WM_COMMAND, row.id, 0);
    }
    EXPECT_EQ(announcements.Count(), row.id != 0 ? 1 : 0);
    const AccessibleFacts reading = AccessibleOf(view);
    EXPECT_EQ(reading.role, "graphic");
    EXPECT_EQ(reading.name, CaptionText(view.bandCode()));
    EXPECT_EQ(reading.description, row.bands);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, ViewReading,
    testing::Values(
        ReadingRow{"AsCreated", 0, "коричневый, красный, оранжевый, серебристый"},
        ReadingRow{"FiveBand", 35000, "коричневый, красный, зелёный, оранжевый, серебристый"},
        ReadingRow{"FirstDigit", 35014, "белый, красный, оранжевый, серебристый"},
        ReadingRow{"SecondDigit", 35015, "коричневый, чёрный, оранжевый, серебристый"},
        ReadingRow{"ThirdDigitWhileHidden", 35031, "коричневый, красный, оранжевый, серебристый"},
        ReadingRow{"Multiplier", 35041, "коричневый, красный, жёлтый, серебристый"},
        ReadingRow{"ToleranceWithoutBand", 35059, "коричневый, красный, оранжевый"}),
    test::RowName());

// What a screen reader says for each item of a sub-menu, and which one it hears as checked.
struct ItemsRow {
    const expected::SubMenu* subMenu;
    BandCode code;
    std::vector<std::string> names;
    int checked;
};

void PrintTo(const ItemsRow& row, std::ostream* out) {
    *out << "items " << row.subMenu->items.front().id << " to " << row.subMenu->items.back().id;
}

class ColourItemsReading : public testing::TestWithParam<ItemsRow> {};

TEST_P(ColourItemsReading, NameTheLabelAndTheColourAndTheCheck) {
    const ItemsRow& row = GetParam();
    const CMenu menu = BuildColourMenu(row.code);
    const AccessibleFacts root = AccessibleOf(menu);
    const auto entry =
        std::find_if(root.children.begin(), root.children.end(), [&row](const auto& item) {
            return item.name == row.subMenu->title && item.children.size() == 1;
        });
    ASSERT_NE(entry, root.children.end());
    const AccessibleFacts& reader = entry->children[0];
    EXPECT_EQ(reader.name, row.subMenu->title);
    ASSERT_EQ(reader.children.size(), row.names.size());
    for (std::size_t index = 0; index < reader.children.size(); ++index) {
        const AccessibleFacts& item = reader.children[index];
        EXPECT_EQ(item.name, row.names[index]);
        EXPECT_TRUE(item.checkable.value_or(true)) << row.names[index];
        EXPECT_EQ(item.checked, static_cast<int>(index) == row.checked) << row.names[index];
    }
}

INSTANTIATE_TEST_SUITE_P(
    SubMenus, ColourItemsReading,
    testing::Values(ItemsRow{&expected::kPower,
                             kDefaults,
                             {"0.01, серебристый", "0.1, золотистый", "1, чёрный", "10, коричневый",
                              "100, красный", "1000, оранжевый", "10e+4, жёлтый", "10e+5, зелёный",
                              "10e+6, синий", "10e+7, фиолетовый", "10e+8, серый", "10e+9, белый"},
                             5},
                    ItemsRow{&expected::kTolerance,
                             {0, 1, 2, 5, 3, 9},
                             {"± 10 %, серебристый", "± 5 %, золотистый", "± 1 %, коричневый",
                              "± 2 %, красный", "± 0.5 %, зелёный", "± 0.25 %, синий",
                              "± 0.1 %, фиолетовый", "± 0.05 %, серый", "± 20 %, нет цвета"},
                             8}),
    test::RowName());

struct KeyboardRow {
    std::string name;
    std::function<void(CWnd&)> ask;
};

void PrintTo(const KeyboardRow& row, std::ostream* out) {
    *out << row.name;
}

class KeyboardMenu : public AccessibleView, public testing::WithParamInterface<KeyboardRow> {};

TEST_P(KeyboardMenu, OpensAtTheViewsCentreAndLeavesThePointerAlone) {
    const Point pointer{7, 9};
    SetCursorPos(pointer.x, pointer.y);
    const Rect client = view.GetClientRect();
    const Point centre = view.ClientToScreen({client.Width() / 2, client.Height() / 2});
    Point topLeft;
    Point cursor;
    RunWhileMenuOpen([&] { GetParam().ask(view); },
                     [&] {
                         const std::optional<OpenMenuFacts> menu = ActiveMenu();
                         ASSERT_TRUE(menu);
                         topLeft = {menu->frame.left, menu->frame.top};
                         cursor = CursorPosition();
                     });
    EXPECT_EQ(topLeft, centre);
    EXPECT_EQ(cursor, pointer);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyboardMenu,
    testing::Values(KeyboardRow{"ShiftF10",
                                [](CWnd& view) { PressKey(view, Key::F10, KeyModifier::Shift); }},
                    KeyboardRow{"ContextMenuKey", [](CWnd& view) { PressKey(view, Key::Menu); }}),
    test::RowName());

}  // namespace
}  // namespace kolvar::test
