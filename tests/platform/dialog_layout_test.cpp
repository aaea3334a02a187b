#include <gtest/gtest.h>

#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/dialog_layout.h"
#include "platform/keyboard.h"
#include "platform/program.h"
#include "tests/support/row_name.h"

namespace kolvar {
namespace {

struct UnitsRow {
    int dpi;
    int cx;
    int cy;
    Size pixels;
};

void PrintTo(const UnitsRow& row, std::ostream* out) {
    *out << row.cx << "x" << row.cy << " at " << row.dpi << " dpi";
}

class DialogUnits : public testing::TestWithParam<UnitsRow> {};

TEST_P(DialogUnits, ScaleTheTemplateWithTheScreensResolution) {
    const UnitsRow& row = GetParam();
    const DialogBaseUnits units = DialogBaseUnitsForDpi(row.dpi, row.dpi);
    EXPECT_EQ((Size{DialogXToPixels(row.cx, units), DialogYToPixels(row.cy, units)}), row.pixels);
}

// 6 x 13 at 96 dpi, 7.5 -> 8 x 16.25 -> 16 at 120, 9 x 19.5 -> 20 at 144.
INSTANTIATE_TEST_SUITE_P(Templates, DialogUnits,
                         testing::Values(UnitsRow{96, 320, 200, {480, 325}},
                                         UnitsRow{96, 235, 55, {353, 89}},
                                         UnitsRow{120, 320, 200, {640, 400}},
                                         UnitsRow{144, 320, 200, {720, 500}}),
                         test::RowName());

TEST(DialogUnitsOfControls, MapEachCoordinateOnItsOwn) {
    const DialogBaseUnits units = DialogBaseUnitsForDpi(96, 96);
    // 11 * 6 / 4 = 16.5, 17 * 13 / 8 = 27.625, 20 * 6 / 4 = 30, 20 * 13 / 8 = 32.5
    EXPECT_EQ(DialogRectToPixels(11, 17, 20, 20, units), (Rect{17, 28, 17 + 30, 28 + 33}));
}

struct KeyRow {
    KeyCode key;
    unsigned modifiers;
    std::optional<unsigned> command;
};

void PrintTo(const KeyRow& row, std::ostream* out) {
    *out << "key " << static_cast<int>(row.key) << " modifiers " << row.modifiers;
}

class DialogKeys : public testing::TestWithParam<KeyRow> {};

TEST_P(DialogKeys, GiveTheDefaultCommandOrCancel) {
    constexpr unsigned kDefault = 7;
    EXPECT_EQ(DialogKeyCommand({GetParam().key, GetParam().modifiers}, kDefault),
              GetParam().command);
}

INSTANTIATE_TEST_SUITE_P(Keys, DialogKeys,
                         testing::Values(KeyRow{KeyCode::Return, 0, 7u},
                                         KeyRow{KeyCode::Enter, 0, 7u},
                                         KeyRow{KeyCode::Escape, 0, 2u},
                                         KeyRow{KeyCode::Escape, kControlKey, std::nullopt},
                                         KeyRow{KeyCode::Return, kAltKey, std::nullopt},
                                         KeyRow{KeyCode::Other, 0, std::nullopt}),
                         test::RowName());

struct ContextKeyRow {
    KeyCode key;
    unsigned modifiers;
    bool asks;
};

void PrintTo(const ContextKeyRow& row, std::ostream* out) {
    *out << "key " << static_cast<int>(row.key) << " modifiers " << row.modifiers;
}

class ContextMenuKey : public testing::TestWithParam<ContextKeyRow> {};

TEST_P(ContextMenuKey, IsShiftF10Alone) {
    EXPECT_EQ(AsksForContextMenu({GetParam().key, GetParam().modifiers}), GetParam().asks);
}

INSTANTIATE_TEST_SUITE_P(Keys, ContextMenuKey,
                         testing::Values(ContextKeyRow{KeyCode::F10, kShiftKey, true},
                                         ContextKeyRow{KeyCode::F10, 0, false},
                                         ContextKeyRow{KeyCode::F10, kShiftKey | kControlKey,
                                                       false},
                                         ContextKeyRow{KeyCode::Return, kShiftKey, false}),
                         test::RowName());

// Owner-drawn items' labels, as the colour menus have them.
struct AccessKeyRow {
    const char* name;
    std::vector<std::string_view> texts;
    char32_t typed;
    std::optional<std::size_t> highlighted;
    std::optional<std::pair<std::size_t, bool>> match;  // the item, and whether it is chosen
};

void PrintTo(const AccessKeyRow& row, std::ostream* out) {
    *out << row.name;
}

class MenuAccessKeys : public testing::TestWithParam<AccessKeyRow> {};

TEST_P(MenuAccessKeys, AreTheFirstLetterOrDigitAndChooseAloneOrHighlightInTurn) {
    const AccessKeyRow& row = GetParam();
    std::vector<char32_t> keys;
    for (std::string_view text : row.texts) {
        keys.push_back(ImplicitAccessKey(text));
    }
    const std::optional<AccessKeyMatch> match = MatchAccessKey(keys, row.typed, row.highlighted);
    EXPECT_EQ(match ? std::optional(std::pair(match->item, match->choose)) : std::nullopt,
              row.match);
}

const std::vector<std::string_view> kMultipliers = {"0.01, серебристый", "0.1, золотой",
                                                    "1, чёрный", "10, коричневый", "100, красный"};

INSTANTIATE_TEST_SUITE_P(
    Typed, MenuAccessKeys,
    testing::Values(AccessKeyRow{"TheOnlyOne",
                                 {"± 10 %, серебристый", "± 5 %, золотой"},
                                 U'5',
                                 0,
                                 std::pair<std::size_t, bool>{1, true}},
                    AccessKeyRow{"TheFirstOfSeveral", kMultipliers, U'1', std::nullopt,
                                 std::pair<std::size_t, bool>{2, false}},
                    AccessKeyRow{"TheNextAfterTheHighlight", kMultipliers, U'1', 3,
                                 std::pair<std::size_t, bool>{4, false}},
                    AccessKeyRow{"RoundTheMenu", kMultipliers, U'0', 1,
                                 std::pair<std::size_t, bool>{0, false}},
                    AccessKeyRow{"ALetterInEitherCase",
                                 {"1, коричневый", "нет цвета"},
                                 U'Н',
                                 std::nullopt,
                                 std::pair<std::size_t, bool>{1, true}},
                    AccessKeyRow{"NoneWithTheKey", kMultipliers, U'7', 0, std::nullopt},
                    AccessKeyRow{"NotALetterOrDigit", {"± 5 %"}, U'±', std::nullopt, std::nullopt}),
    test::RowName());

struct PlacementRow {
    const char* name;
    Size window;
    Rect over;
    Point expected;
};

void PrintTo(const PlacementRow& row, std::ostream* out) {
    *out << row.name;
}

class DialogPlacement : public testing::TestWithParam<PlacementRow> {};

// A work area of 1280 x 1000 below a 24-pixel panel.
TEST_P(DialogPlacement, IsCentredOverItsOwnerAndKeptInTheWorkArea) {
    constexpr Rect kWorkArea{0, 24, 1280, 1024};
    const PlacementRow& row = GetParam();
    EXPECT_EQ(CentredWindowPosition(row.window, row.over, kWorkArea), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Owners, DialogPlacement,
    testing::Values(
        PlacementRow{"OverTheWorkArea", {400, 300}, {0, 24, 1280, 1024}, {440, 374}},
        PlacementRow{"OverItsOwner", {200, 100}, {100, 100, 600, 500}, {250, 250}},
        PlacementRow{"OwnerAtTheRightEdge", {400, 100}, {1100, 600, 1400, 700}, {880, 600}},
        PlacementRow{"OwnerAboveTheTop", {200, 300}, {0, -200, 400, 100}, {100, 24}},
        PlacementRow{"LargerThanTheWorkArea", {1400, 1100}, {0, 24, 1280, 1024}, {0, 24}}),
    test::RowName());

TEST(ApplicationName, IsTheExecutablesBaseNameWithoutExtension) {
    EXPECT_EQ(ApplicationNameFromPath("/usr/bin/kolvar"), "kolvar");
    EXPECT_EQ(ApplicationNameFromPath("kolvar.exe"), "kolvar");
    EXPECT_EQ(ApplicationNameFromPath("./dir.d/a.b.c"), "a.b");
    EXPECT_EQ(ApplicationNameFromPath("/opt/.hidden"), ".hidden");
}

}  // namespace
}  // namespace kolvar
