#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "expected_menu.h"
#include "item_look.h"
#include "item_surface.h"
#include "menu/colour_item.h"
#include "picture/sys_colours.h"
#include "platform/message_map.h"
#include "platform/surface.h"
#include "platform/system_metrics.h"
#include "tests/support/row_name.h"

namespace kolvar::test {
namespace {

constexpr int kItemHeight = 19;
// Somewhere inside the surface, so that drawing outside the item would show.
constexpr Rect kItem{7, 5, 7 + 149, 5 + kItemHeight};
constexpr Colour kUntouched = Rgb(1, 2, 3);

constexpr SysColours kColours{.menuItemHeight = kItemHeight,
                              .menu = Rgb(236, 233, 216),
                              .menuText = Rgb(12, 24, 36),
                              .highlight = Rgb(49, 106, 197),
                              .highlightText = Rgb(250, 251, 252),
                              .window = Rgb(255, 255, 254)};

struct WidthRow {
    unsigned id;
    int height;
    int labelWidth;
    unsigned width;
};

TEST(ColourItemSize, AColourItemIsAHundredPixelsWiderThanItsCellAndLabel) {
    for (const WidthRow& row : {
             WidthRow{35006, 19, 30, 149},
             WidthRow{35024, 19, 30, 149},
             WidthRow{35050, 19, 30, 149},
             WidthRow{35059, 19, 30, 149},
             WidthRow{35046, 23, 12, 135},
             WidthRow{35048, 19, 0, 119},
             WidthRow{35005, 19, 30, 49},
             WidthRow{35060, 19, 30, 49},
             WidthRow{35000, 19, 30, 49},
             WidthRow{16, 19, 30, 49},
             WidthRow{1, 21, 40, 61},
         }) {
        EXPECT_EQ(ColourItemWidth(row.id, row.height, row.labelWidth), row.width) << row.id;
    }
}

TEST(ColourItemSize, OnlyTheIdsFromTheFirstDigitToTheNoBandToleranceHaveASwatch) {
    for (const unsigned id : {35006U, 35015U, 35047U, 35050U, 35059U}) {
        EXPECT_TRUE(HasSwatch(id)) << id;
    }
    for (const unsigned id : {0U, 1U, 16U, 35000U, 35005U, 35060U, 35064U, 0xFFFFFFFFU}) {
        EXPECT_FALSE(HasSwatch(id)) << id;
    }
}

struct DrawRow {
    std::string name;
    unsigned id;
    Colour data;
    unsigned action;
    unsigned state;
    bool highlighted;
};

void PrintTo(const DrawRow& row, std::ostream* out) {
    *out << row.name;
}

DRAWITEMSTRUCT Request(const DrawRow& row, Surface& surface) {
    DRAWITEMSTRUCT request;
    request.CtlType = ODT_MENU;
    request.itemID = row.id;
    request.itemAction = row.action;
    request.itemState = row.state;
    request.hDC = &surface;
    request.rcItem = kItem;
    request.itemData = row.data;
    return request;
}

ItemLook LookOf(const DrawRow& row) {
    ItemLook look;
    look.background = row.highlighted ? kColours.highlight : kColours.menu;
    look.text = row.highlighted ? kColours.highlightText : kColours.menuText;
    look.checked = (row.state & ODS_CHECKED) != 0;
    // The system's mark centred in the 19-pixel cell: a 13-pixel one 3 pixels in.
    const CheckMark mark = LoadCheckMark();
    look.markAt = {kItem.left + (kItemHeight - mark.width) / 2,
                   kItem.top + (kItemHeight - mark.height) / 2};
    look.cell = kItemHeight;
    look.swatch = row.id >= 35006 && row.id <= 35059;
    look.noColourText = row.id == expected::kNoBandItem;
    look.swatchColour = look.noColourText ? look.background : row.data;
    return look;
}

class ColourItemDrawing : public testing::TestWithParam<DrawRow> {};

// The system draws menu items in its menu font, which fits the item; a fresh surface's own font
// need not (Windows gives it the 16-pixel System font).
TEST_P(ColourItemDrawing, PaintsCellSwatchAndLabelInTheItemsColours) {
    ItemSurface canvas(kItem.right + 10, kItem.bottom + 6, kUntouched);
    const Font menuFont(LogFont{.height = -11, .faceName = {}});
    const Selected<const Font> font(canvas.surface(), menuFont);
    const int objectsBefore = LiveDrawingObjects();

    DrawColourItem(Request(GetParam(), canvas.surface()), kColours);

    EXPECT_EQ(LiveDrawingObjects(), objectsBefore) << "drawing objects left behind";
    const PixelReader pixels = ReaderOf(canvas.surface());
    const Rect whole{0, 0, kItem.right + 10, kItem.bottom + 6};
    EXPECT_EQ(CountOf(pixels, whole, kUntouched),
              whole.Width() * whole.Height() - kItem.Width() * kItem.Height())
        << "drawn outside the item";
    ExpectItemLooks(pixels, kItem, LookOf(GetParam()));
}

constexpr unsigned kSelected = ODS_SELECTED;
constexpr unsigned kChecked = ODS_CHECKED;

INSTANTIATE_TEST_SUITE_P(
    Items, ColourItemDrawing,
    testing::Values(DrawRow{"Plain", 35012, expected::kViolet, ODA_DRAWENTIRE, 0, false},
                    DrawRow{"Checked", 35040, expected::kOrange, ODA_DRAWENTIRE, kChecked, false},
                    DrawRow{"HighlightArrives", 35021, expected::kBlue, ODA_SELECT, kSelected,
                            true},
                    DrawRow{"HighlightLeaves", 35021, expected::kBlue, ODA_SELECT, 0, false},
                    DrawRow{"CheckedAndHighlighted", 35006, expected::kBrown, ODA_SELECT,
                            kSelected | kChecked, true},
                    // A selected item repainted whole keeps its highlight.
                    DrawRow{"SelectedRepaintedWhole", 35035, expected::kSilver, ODA_DRAWENTIRE,
                            kSelected, true},
                    DrawRow{"SelectedCheckedRepaintedWhole", 35049, expected::kGold, ODA_DRAWENTIRE,
                            kSelected | kChecked, true},
                    DrawRow{"BlackSwatch", 35015, expected::kBlack, ODA_DRAWENTIRE, 0, false},
                    DrawRow{"WhiteSwatch", 35046, expected::kWhite, ODA_DRAWENTIRE, 0, false},
                    DrawRow{"NoBand", 35059, 0, ODA_DRAWENTIRE, 0, false},
                    DrawRow{"NoBandChecked", 35059, 0, ODA_DRAWENTIRE, kChecked, false},
                    DrawRow{"NoBandHighlighted", 35059, 0, ODA_SELECT, kSelected, true},
                    DrawRow{"NoBandSelectedRepaintedWhole", 35059, 0, ODA_DRAWENTIRE,
                            kSelected | kChecked, true},
                    DrawRow{"NoSwatchBelowTheRange", 35005, 0, ODA_DRAWENTIRE, kChecked, false},
                    DrawRow{"NoSwatchAboveTheRange", 35060, 0, ODA_SELECT, kSelected, true}),
    test::RowName());

// Where menus have a theme, a selected item is highlighted as the theme highlights the menu's own
// items, the check mark's cell and the rows beside the swatch in the theme's colour; elsewhere in
// the highlight colour.
TEST(ColourItemUnderATheme, IsSelectedAsTheThemeSelectsAMenuItem) {
    SysColours colours = kColours;
    colours.themedMenus = MenusHaveTheme();
    ItemSurface scratch(kItem.right, kItem.bottom, kUntouched);
    const std::optional<ThemedHighlight> theme =
        colours.themedMenus ? DrawThemedMenuHighlight(scratch.surface(), kItem, 96) : std::nullopt;
    ASSERT_EQ(theme.has_value(), colours.themedMenus);
    ItemSurface canvas(kItem.right, kItem.bottom, kUntouched);
    const DrawRow row{"", 35049, expected::kGold, ODA_DRAWENTIRE, kSelected | kChecked, true};

    DrawColourItem(Request(row, canvas.surface()), colours);

    const Colour highlight = theme ? theme->background : kColours.highlight;
    const CheckMark mark = LoadCheckMark();
    const int middle = kItem.top + kItemHeight / 2;
    EXPECT_EQ(canvas.At(kItem.left + 1, middle), highlight);
    EXPECT_EQ(canvas.At(kItem.left + (kItemHeight - mark.width) / 2, middle), highlight);
    EXPECT_EQ(canvas.At(kItem.left + 69, kItem.top + 1), highlight);
}

// How many pixels of the colour follow one another from `from`, a step at a time, after any of
// other colours.
int RunOf(const ItemSurface& canvas, Point from, Point step, Colour colour) {
    Point at = from;
    while (canvas.At(at.x, at.y) != colour && canvas.At(at.x, at.y) != CLR_INVALID) {
        at = {at.x + step.x, at.y + step.y};
    }
    int run = 0;
    for (; canvas.At(at.x, at.y) == colour; at = {at.x + step.x, at.y + step.y}) {
        ++run;
    }
    return run;
}

// Where each column of the cell has ink of the colour: its top and depth, left to right.
std::vector<std::pair<int, int>> InkColumns(const ItemSurface& canvas, int side, Colour ink) {
    std::vector<std::pair<int, int>> columns;
    for (int x = 0; x < side; ++x) {
        const int depth = RunOf(canvas, {x, 0}, {0, 1}, ink);
        if (depth > 0) {
            columns.emplace_back(RunOf(canvas, {x, 0}, {0, 1}, canvas.At(x, 0)), depth);
        }
    }
    return columns;
}

// At 125, 150 and 175 % the swatch's frame is as wide on every side, and the check mark's strokes
// are even: every column of it as deep, each a pixel above or below its neighbour's.
class ColourItemAtAScale : public testing::TestWithParam<int> {};

TEST_P(ColourItemAtAScale, HasAFrameOfOneWidthAndAnEvenCheckMark) {
    SysColours colours = kColours;
    colours.dpi = GetParam();
    colours.menuItemHeight = GetSystemMetricsForDpi(SM_CYMENU, colours.dpi);
    const int side = colours.menuItemHeight;
    const int swatchWidth = MulDiv(100, colours.dpi, 96);
    ItemSurface canvas(3 * side + swatchWidth, side, kUntouched);
    DRAWITEMSTRUCT request = Request(
        DrawRow{"", 35040, expected::kOrange, ODA_DRAWENTIRE, kChecked, false}, canvas.surface());
    request.rcItem = {0, 0, 3 * side + swatchWidth, side};

    DrawColourItem(request, colours);

    const Colour frame = expected::kSwatchFrame;
    const int middle = side + swatchWidth / 2;
    const int width = RunOf(canvas, {side, side / 2}, {1, 0}, frame);
    EXPECT_GT(width, 0);
    EXPECT_EQ(RunOf(canvas, {side + swatchWidth, side / 2}, {-1, 0}, frame), width) << "right";
    EXPECT_EQ(RunOf(canvas, {middle, 0}, {0, 1}, frame), width) << "top";
    EXPECT_EQ(RunOf(canvas, {middle, side - 1}, {0, -1}, frame), width) << "bottom";
    const std::vector<std::pair<int, int>> mark = InkColumns(canvas, side, kColours.menuText);
    ASSERT_GT(mark.size(), 3U);
    for (std::size_t column = 1; column < mark.size(); ++column) {
        EXPECT_EQ(std::abs(mark[column].first - mark[column - 1].first), 1) << column;
        EXPECT_EQ(mark[column].second, mark[0].second) << column;
    }
}

INSTANTIATE_TEST_SUITE_P(Scales, ColourItemAtAScale, testing::Values(120, 144, 168));

// With h = 19 the swatch runs from 19 to 119 pixels from the item's left, two pixels in from its
// top and bottom.
TEST(ColourItemGeometry, TheSwatchSpansNineteenToOneHundredNineteen) {
    ItemSurface canvas(kItem.right, kItem.bottom, kUntouched);
    DRAWITEMSTRUCT request;
    request.itemID = 35010;
    request.hDC = &canvas.surface();
    request.rcItem = kItem;
    request.itemData = expected::kGreen;

    DrawColourItem(request, kColours);

    const int midRow = kItem.top + kItemHeight / 2;
    EXPECT_EQ(canvas.At(kItem.left + 18, midRow), kColours.menu);
    EXPECT_EQ(canvas.At(kItem.left + 19, midRow), expected::kSwatchFrame);
    EXPECT_EQ(canvas.At(kItem.left + 20, midRow), expected::kGreen);
    EXPECT_EQ(canvas.At(kItem.left + 117, midRow), expected::kGreen);
    EXPECT_EQ(canvas.At(kItem.left + 118, midRow), expected::kSwatchFrame);
    EXPECT_EQ(canvas.At(kItem.left + 119, midRow), kColours.menu);
    const int midColumn = kItem.left + 69;
    EXPECT_EQ(canvas.At(midColumn, kItem.top + 1), kColours.menu);
    EXPECT_EQ(canvas.At(midColumn, kItem.top + 2), expected::kSwatchFrame);
    EXPECT_EQ(canvas.At(midColumn, kItem.top + 3), expected::kGreen);
    EXPECT_EQ(canvas.At(midColumn, kItem.bottom - 4), expected::kGreen);
    EXPECT_EQ(canvas.At(midColumn, kItem.bottom - 3), expected::kSwatchFrame);
    EXPECT_EQ(canvas.At(midColumn, kItem.bottom - 2), kColours.menu);
}

}  // namespace
}  // namespace kolvar::test
