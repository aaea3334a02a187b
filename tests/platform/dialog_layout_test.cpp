#include <gtest/gtest.h>

#include <optional>

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
