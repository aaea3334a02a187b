#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "expected_menu.h"
#include "item_look.h"
#include "menu/marking_view.h"
#include "menu_opening.h"
#include "platform/surface.h"
#include "platform/system_metrics.h"
#include "platform/testing.h"
#include "tests/support/row_name.h"
#include "view_fixture.h"

namespace kolvar::test {
namespace {

constexpr BandCode kDefaults{0, 1, 2, 5, 3, -2};

// w: the label's width in the font menus show their texts in, measured on a window of the test's
// own.
int LabelWidth(std::string_view label) {
    CWnd window;
    window.CreateEx(0, 0, {0, 0, 50, 20}, nullptr, 0);
    CClientDC surface(window);
    const Font menuFont(MenuFontForDpi(USER_DEFAULT_SCREEN_DPI));
    const Selected selected(surface, menuFont);
    return surface.GetTextExtentPoint32(label).cx;
}

// The open sub-menu as it looked at one moment.
struct Shot {
    Image image;
    std::vector<Rect> items;
};

Shot ShotOfActiveMenu() {
    const std::optional<OpenMenuFacts> menu = ActiveMenu();
    return {GrabActiveMenu(), menu ? menu->itemRects : std::vector<Rect>()};
}

ItemLook LookOf(const expected::ColourItem& item, bool selected, bool checked, const Rect& rect) {
    const int height = GetSystemMetrics(SM_CYMENU);
    const CheckMark mark = LoadCheckMark();
    ItemLook look;
    look.background = GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_MENU);
    look.text = GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);
    look.checked = checked;
    look.markAt = {rect.left + (height - mark.width) / 2, rect.top + (height - mark.height) / 2};
    look.cell = height;
    look.swatch = true;
    look.noColourText = item.id == expected::kNoBandItem;
    look.swatchColour = look.noColourText ? look.background : static_cast<Colour>(item.data);
    return look;
}

struct SubMenuRow {
    std::string name;
    const expected::SubMenu* subMenu;
    int downs;  // highlight steps from nothing to its entry in the four-band menu
    int value;  // the checked code
};

void PrintTo(const SubMenuRow& row, std::ostream* out) {
    *out << row.name;
}

class OpenMenuPixels : public testing::TestWithParam<SubMenuRow> {
protected:
    TestSettings settings{kDefaults};
    CMarkingView view;
    ShownView shown{view};

    void ExpectShot(const Shot& shot, std::size_t selectedRow) {
        const SubMenuRow& row = GetParam();
        ASSERT_EQ(shot.items.size(), row.subMenu->items.size());
        for (std::size_t index = 0; index < shot.items.size(); ++index) {
            const expected::ColourItem& item = row.subMenu->items[index];
            SCOPED_TRACE("item " + std::to_string(item.id));
            const Rect& rect = shot.items[index];
            ExpectItemLooks(ReaderOf(shot.image), rect,
                            LookOf(item, index == selectedRow, item.code == row.value, rect));
        }
    }
};

// The keys highlight the first item on opening; going down to the last moves the highlight
// there, and the grab then repaints every item whole.
TEST_P(OpenMenuPixels, ItemsShowMarkSwatchAndLabelAndTheHighlightKeepsTheSwatch) {
    const SubMenuRow& row = GetParam();
    Shot first;
    Shot last;
    OpenMenuWhile(view, WM_RBUTTONDOWN, {40, 30}, [&] {
        ASSERT_TRUE(OpenSubMenuByKeys(row.downs));
        first = ShotOfActiveMenu();
        for (std::size_t step = 1; step < row.subMenu->items.size(); ++step) {
            PressMenuKey(Key::Down);
        }
        last = ShotOfActiveMenu();
    });

    {
        SCOPED_TRACE("first highlighted");
        ExpectShot(first, 0);
    }
    {
        SCOPED_TRACE("last highlighted");
        ExpectShot(last, row.subMenu->items.size() - 1);
    }
}

// Every item is as high as a menu item, and all are as wide as the widest: check-mark cell,
// swatch and label, and whatever margin the platform adds beside an owner's measure (Windows adds
// two of the menu font's characters).
TEST_P(OpenMenuPixels, ItemsTakeTheMeasuredSize) {
    const SubMenuRow& row = GetParam();
    std::vector<Rect> items;
    OpenMenuWhile(view, WM_RBUTTONDOWN, {40, 30}, [&] {
        ASSERT_TRUE(OpenSubMenuByKeys(row.downs));
        items = ShotOfActiveMenu().items;
    });

    const int height = GetSystemMetrics(SM_CYMENU);
    int widest = 0;
    for (const expected::ColourItem& item : row.subMenu->items) {
        widest = std::max(widest, height + LabelWidth(item.label) + 100);
    }
    ASSERT_EQ(items.size(), row.subMenu->items.size());
    EXPECT_GE(items.front().Width(), widest);
    for (const Rect& item : items) {
        EXPECT_EQ(item.Height(), height);
        EXPECT_EQ(item.Width(), items.front().Width());
    }
}

const auto kSubMenuRows = testing::Values(SubMenuRow{"FirstDigit", &expected::kDigit1, 2, 1},
                                          SubMenuRow{"SecondDigit", &expected::kDigit2, 3, 2},
                                          SubMenuRow{"Multiplier", &expected::kPower, 4, 3},
                                          SubMenuRow{"Tolerance", &expected::kTolerance, 5, -2});

INSTANTIATE_TEST_SUITE_P(SubMenus, OpenMenuPixels, kSubMenuRows, test::RowName());

// The view, noting each item of a sub-menu as it was measured, and its label's extent in the
// font the menu drew it in.
class LabelProbe : public CMarkingView {
public:
    explicit LabelProbe(const expected::SubMenu& subMenu) : subMenu_(subMenu) {}

    std::map<unsigned, Size> measured;
    std::map<unsigned, Size> drawnLabels;

    static const MessageMap* ClassMessageMap() {
        static constexpr MessageMapEntry kEntries[] = {
            OnWmMeasureItem<&LabelProbe::OnMeasureItem>(),
            OnWmDrawItem<&LabelProbe::OnDrawItem>(),
        };
        static constexpr MessageMap kMap{&CMarkingView::ClassMessageMap, kEntries};
        return &kMap;
    }

protected:
    const MessageMap* GetMessageMap() const override { return ClassMessageMap(); }

private:
    void OnMeasureItem(int, MEASUREITEMSTRUCT& item) {
        PassToMarkingView(*this, {WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&item)});
        measured[item.itemID] = {static_cast<int>(item.itemWidth),
                                 static_cast<int>(item.itemHeight)};
    }
    void OnDrawItem(int, DRAWITEMSTRUCT& item) {
        for (const expected::ColourItem& colourItem : subMenu_.items) {
            if (colourItem.id == item.itemID) {
                drawnLabels[item.itemID] = item.hDC->GetTextExtentPoint32(colourItem.label);
            }
        }
        PassToMarkingView(*this, {WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item)});
    }

    const expected::SubMenu& subMenu_;
};

class LargerMenuFont : public testing::TestWithParam<SubMenuRow> {};

// Each item is its cell, its swatch and its label wide (h + w + 100) and h high: the label as
// drawn, in the menu's own font, takes no more than w, and no more than h in height, also where
// the font grew after the view was made.
TEST_P(LargerMenuFont, EachLabelAsDrawnFitsTheRoomItsItemWasMeasuredWith) {
    const SubMenuRow& row = GetParam();
    const TestSettings settings{kDefaults};
    LabelProbe view(*row.subMenu);
    const ShownView shown{view};
    const MenuFontChange larger(30);
    OpenMenuWhile(view, WM_RBUTTONDOWN, {40, 30},
                  [&] { ASSERT_TRUE(OpenSubMenuByKeys(row.downs)); });

    ASSERT_EQ(view.drawnLabels.size(), row.subMenu->items.size());
    for (const auto& [id, label] : view.drawnLabels) {
        const Size item = view.measured[id];
        EXPECT_LE(label.cx, item.cx - item.cy - 100) << id;
        EXPECT_LE(label.cy, item.cy) << id;
    }
}

INSTANTIATE_TEST_SUITE_P(SubMenus, LargerMenuFont, kSubMenuRows, test::RowName());
struct MeasureRow {
    unsigned id;
    std::string label;  // 16 and 35047 have none
    bool swatch;
};

// h + w, and 100 more for the swatch of the ids from 35006 to 35059, by h.
TEST(MeasureRequest, AnItemIsItsCellItsSwatchAndItsLabelWideAndOneMenuItemHigh) {
    TestSettings settings{kDefaults};
    CMarkingView view;
    ShownView shown{view};
    const int h = GetSystemMetrics(SM_CYMENU);
    for (const MeasureRow& row : {
             MeasureRow{35006, "1", true},
             MeasureRow{35046, "10e+9", true},
             MeasureRow{35047, "", true},
             MeasureRow{35048, "± 10 %", true},
             MeasureRow{35059, "± 20 %", true},
             MeasureRow{35000, "Пятишриховый код", false},
             MeasureRow{35060, "Ом", false},
             MeasureRow{16, "", false},
         }) {
        MEASUREITEMSTRUCT request;
        request.itemID = row.id;
        view.SendMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&request));
        EXPECT_EQ(request.itemWidth,
                  static_cast<unsigned>(h + LabelWidth(row.label) + (row.swatch ? 100 : 0)))
            << row.id;
        EXPECT_EQ(request.itemHeight, static_cast<unsigned>(h)) << row.id;
    }
}

}  // namespace
}  // namespace kolvar::test
