#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "expected_menu.h"
#include "menu/colour_menu.h"
#include "menu_inspection.h"
#include "model/band_code.h"
#include "platform/surface.h"
#include "resources/string_table.h"
#include "tests/support/row_name.h"

namespace kolvar::test {
namespace {

MenuEntry TextEntry(std::string_view text, unsigned id, bool checked = false) {
    return {Kind::Text, std::string(text), id, checked, 0};
}

MenuEntry SeparatorEntry() {
    return {Kind::Separator, "", 0, false, 0};
}

MenuEntry SubMenuEntry(std::string_view title) {
    return {Kind::SubMenu, std::string(title), 0, false, 0};
}

// The top level, with the third-digit entry only in the five-band code.
std::vector<MenuEntry> ExpectedTopLevel(bool fiveBand) {
    std::vector<MenuEntry> entries = {
        TextEntry(expected::kFiveBandText, expected::kFiveBand, fiveBand),
        SeparatorEntry(),
        SubMenuEntry(expected::kDigit1Title),
        SubMenuEntry(expected::kDigit2Title),
    };
    if (fiveBand) {
        entries.push_back(SubMenuEntry(expected::kDigit3Title));
    }
    for (const MenuEntry& entry : {
             SubMenuEntry(expected::kPowerTitle),
             SubMenuEntry(expected::kToleranceTitle),
             SeparatorEntry(),
             TextEntry(expected::kValueText, expected::kValue),
             TextEntry(expected::kAboutText, expected::kAbout),
             SeparatorEntry(),
             TextEntry(expected::kCloseText, expected::kClose),
         }) {
        entries.push_back(entry);
    }
    return entries;
}

// Every item owner-drawn, without text, carrying its colour; checked where its code is the
// field's value.
std::vector<MenuEntry> ExpectedItems(const expected::SubMenu& subMenu, int value) {
    std::vector<MenuEntry> entries;
    for (const expected::ColourItem& item : subMenu.items) {
        entries.push_back({Kind::OwnerDrawn, "", item.id, item.code == value, item.data});
    }
    return entries;
}

BandCode Code(int extended, int digit1, int digit2, int digit3, int power, int overshoot) {
    return {extended, digit1, digit2, digit3, power, overshoot};
}

TEST(ColourMenuStructure, TheFourBandCodeHasNoThirdDigitEntry) {
    const CMenu menu = BuildColourMenu(Code(0, 1, 2, 5, 3, -2));
    EXPECT_EQ(Describe(ItemsOf(menu)), ExpectedTopLevel(false));
}

TEST(ColourMenuStructure, TheFiveBandCodeIsCheckedAndHasTheThirdDigitAfterTheSecond) {
    for (const int extended : {1, 7, -1}) {
        const CMenu menu = BuildColourMenu(Code(extended, 1, 2, 5, 3, -2));
        EXPECT_EQ(Describe(ItemsOf(menu)), ExpectedTopLevel(true)) << "extended " << extended;
    }
}

TEST(ColourMenuStructure, CloseIsTheBoldDefaultItemAndNothingElseIsBold) {
    const CMenu menu = BuildColourMenu(Code(1, 1, 2, 5, 3, -2));
    const std::vector<MenuItemFacts> root = ItemsOf(menu);
    const int close = RowWithId(root, expected::kClose);
    ASSERT_GE(close, 0);
    for (std::size_t row = 0; row < root.size(); ++row) {
        EXPECT_EQ(root[row].isDefault, static_cast<int>(row) == close) << root[row].text;
        EXPECT_EQ(root[row].bold, static_cast<int>(row) == close) << root[row].text;
    }
}

TEST(ColourMenuStructure, ColourItemsHaveNoTextOfTheirOwnAndTheStringOfTheirIdIsTheirLabel) {
    for (const expected::SubMenu* subMenu :
         {&expected::kDigit1, &expected::kDigit2, &expected::kDigit3, &expected::kPower,
          &expected::kTolerance}) {
        for (const expected::ColourItem& item : subMenu->items) {
            EXPECT_EQ(std::string(LoadText(item.id)), item.label) << item.id;
        }
    }
    EXPECT_EQ(LoadText(35064), expected::kNoColourText);
}

struct CheckRow {
    std::string name;
    BandCode code;
};

void PrintTo(const CheckRow& row, std::ostream* out) {
    *out << row.name;
}

class ColourMenuItems : public testing::TestWithParam<CheckRow> {};

// Each sub-menu lists its colours in ascending code, ids base + code, and checks the one item
// whose code is the field's value, or none when the field holds a value it does not offer.
TEST_P(ColourMenuItems, EachSubMenuOffersItsColoursWithTheCurrentOneChecked) {
    const BandCode& code = GetParam().code;
    const CMenu menu = BuildColourMenu(code);
    const std::vector<MenuItemFacts> root = ItemsOf(menu);
    struct Band {
        const expected::SubMenu& subMenu;
        int value;
    };
    std::vector<Band> bands = {{expected::kDigit1, code.digit1}, {expected::kDigit2, code.digit2}};
    if (code.extended != 0) {
        bands.push_back({expected::kDigit3, code.digit3});
    }
    bands.push_back({expected::kPower, code.power});
    bands.push_back({expected::kTolerance, code.overshoot});

    for (const Band& band : bands) {
        const std::vector<MenuItemFacts>* subMenu = SubMenuTitled(root, band.subMenu.title);
        ASSERT_NE(subMenu, nullptr) << band.subMenu.title;
        EXPECT_EQ(Describe(*subMenu), ExpectedItems(band.subMenu, band.value))
            << band.subMenu.title;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Selections, ColourMenuItems,
    testing::Values(CheckRow{"Defaults", Code(0, 1, 2, 5, 3, -2)},
                    CheckRow{"FiveBandKeepsTheThirdDigit", Code(1, 4, 7, 7, -1, -1)},
                    CheckRow{"LowestCodes", Code(1, 1, 0, 0, -2, -2)},
                    CheckRow{"HighestCodes", Code(1, 9, 9, 9, 9, 9)},
                    CheckRow{"ToleranceWithoutBand", Code(0, 2, 2, 5, 9, 9)},
                    CheckRow{"MiddleTolerances", Code(1, 5, 6, 8, 6, 6)},
                    CheckRow{"ValuesTheMenuDoesNotOffer", Code(0, 0, 2, 5, 3, 3)},
                    CheckRow{"ToleranceZeroAndFour", Code(1, 0, 2, 5, 3, 4)}),
    test::RowName());

TEST(ColourMenuStructure, AStoredValueNoItemOffersLeavesItsSubMenuWithoutACheck) {
    for (const int overshoot : {0, 3, 4}) {
        const CMenu menu = BuildColourMenu(Code(0, 0, 2, 5, 3, overshoot));
        const std::vector<MenuItemFacts> root = ItemsOf(menu);
        for (const std::string_view title : {expected::kDigit1Title, expected::kToleranceTitle}) {
            const std::vector<MenuItemFacts>* subMenu = SubMenuTitled(root, title);
            ASSERT_NE(subMenu, nullptr) << title;
            int checked = 0;
            for (const MenuEntry& entry : Describe(*subMenu)) {
                checked += entry.checked ? 1 : 0;
            }
            EXPECT_EQ(checked, 0) << title << " with tolerance " << overshoot;
        }
        const std::vector<MenuItemFacts>* power = SubMenuTitled(root, expected::kPowerTitle);
        ASSERT_NE(power, nullptr);
        const int row = RowWithId(*power, 35040);
        ASSERT_GE(row, 0);
        EXPECT_TRUE((*power)[row].checked) << "the others keep theirs";
    }
}

TEST(ColourMenuStructure, EachOpeningGetsAMenuOfItsOwnThatLeavesNothingBehind) {
    const int before = LiveDrawingObjects();
    {
        const CMenu first = BuildColourMenu(Code(0, 1, 2, 5, 3, -2));
        const CMenu second = BuildColourMenu(Code(1, 1, 2, 5, 3, -2));
        EXPECT_NE(Describe(ItemsOf(first)), Describe(ItemsOf(second)));
        EXPECT_EQ(SubMenuTitled(ItemsOf(first), expected::kDigit3Title), nullptr);
        EXPECT_NE(SubMenuTitled(ItemsOf(second), expected::kDigit3Title), nullptr);
    }
    EXPECT_EQ(LiveDrawingObjects(), before);
}

}  // namespace
}  // namespace kolvar::test
