#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "platform/menu.h"
#include "platform/testing.h"
#include "recording_owner.h"
#include "test_menu.h"

namespace kolvar {
namespace {

using namespace test_menu;

constexpr Point kMenuAt{40, 30};

// Down to the Colours entry and into its sub-menu, by keys only.
bool OpenColoursByKeys() {
    const int open = OpenMenuCount();
    PressMenuKey(Key::Down);
    PressMenuKey(Key::Down);
    PressMenuKey(Key::Right);
    return OpenedAnotherMenu(open);
}

bool OpenColoursByHover() {
    const int open = OpenMenuCount();
    HoverMenuItem(kColoursRow);
    return OpenedAnotherMenu(open);
}

// Where each item of the innermost open menu lies, by id, relative to the menu's top-left
// corner.
std::map<unsigned, Rect> ItemRects() {
    std::map<unsigned, Rect> rects;
    if (const std::optional<OpenMenuFacts> menu = ActiveMenu()) {
        for (std::size_t row = 0; row < menu->items.size(); ++row) {
            rects[menu->items[row].id] = menu->itemRects[row];
        }
    }
    return rects;
}

int WidestOwnerWidth(const std::vector<unsigned>& ids) {
    int widest = 0;
    for (const unsigned id : ids) {
        widest = std::max(widest, RecordingOwner::SizeFor(id).cx);
    }
    return widest;
}

bool HasDraw(const std::vector<DrawRecord>& draws, unsigned action, unsigned state) {
    return std::any_of(draws.begin(), draws.end(), [&](const DrawRecord& draw) {
        return draw.itemAction == action && draw.itemState == state;
    });
}

class MenuOwnerDraw : public TrackedMenu {
protected:
    void TrackWhile(const std::function<void()>& steps) { TrackedMenu::TrackWhile(kMenuAt, steps); }
};

TEST_F(MenuOwnerDraw, TheOwnerMeasuresEachItemOnceWithItsIdAndData) {
    TrackWhile([] {
        ASSERT_TRUE(OpenColoursByKeys());
        PressMenuKey(Key::Left);
        PressMenuKey(Key::Right);
        ProcessEvents(std::chrono::milliseconds(20));
    });

    for (const unsigned id : kColourIds) {
        EXPECT_EQ(owner.MeasuresOf(id), 1) << id;
    }
    for (const MEASUREITEMSTRUCT& measure : owner.measures) {
        EXPECT_EQ(measure.CtlType, ODT_MENU);
        EXPECT_EQ(measure.itemData, DataFor(measure.itemID));
    }
}

TEST_F(MenuOwnerDraw, EachItemIsMeasuredBeforeItIsFirstDrawn) {
    TrackWhile([] { ASSERT_TRUE(OpenColoursByKeys()); });

    for (const unsigned id : kColourIds) {
        const auto ofItem = [id](OwnerEvent::Kind kind) {
            return [id, kind](const OwnerEvent& event) {
                return event.id == id && event.kind == kind;
            };
        };
        const auto measured =
            std::find_if(owner.events.begin(), owner.events.end(), ofItem(OwnerEvent::Measure));
        const auto drawn =
            std::find_if(owner.events.begin(), owner.events.end(), ofItem(OwnerEvent::Draw));
        ASSERT_NE(drawn, owner.events.end()) << id << " was never drawn";
        EXPECT_LT(measured, drawn) << id;
    }
}

// Windows adds a margin of its own beside the measured width, the same for every item.
TEST_F(MenuOwnerDraw, ItemsTakeTheMeasuredHeightAndOneWidthAtLeastTheWidest) {
    std::map<unsigned, Rect> rects;
    Rect frame;
    TrackWhile([&] {
        ASSERT_TRUE(OpenColoursByKeys());
        rects = ItemRects();
        frame = ActiveMenu()->frame;
    });

    ASSERT_EQ(rects.size(), kColourIds.size());
    const int width = rects[kColourIds.front()].Width();
    EXPECT_GE(width, WidestOwnerWidth(kColourIds));
    int heights = 0;
    for (const unsigned id : kColourIds) {
        EXPECT_EQ(rects[id].Height(), RecordingOwner::SizeFor(id).cy) << id;
        EXPECT_EQ(rects[id].Width(), width) << id;
        heights += rects[id].Height();
    }
    for (std::size_t row = 1; row < kColourIds.size(); ++row) {
        EXPECT_EQ(rects[kColourIds[row]].top, rects[kColourIds[row - 1]].bottom);
    }
    const Rect& first = rects[kColourIds.front()];
    EXPECT_EQ(first.left, first.top) << "the same frame on every side";
    EXPECT_EQ((Size{frame.Width(), frame.Height()}),
              (Size{width + 2 * first.left, heights + 2 * first.top}));
}

// Closing the menu may draw the highlighted item once more, so the draws are those up to the
// grab.
TEST_F(MenuOwnerDraw, TheMenuShowsExactlyWhatTheOwnerPainted) {
    Image image;
    std::map<unsigned, Rect> rects;
    std::vector<DrawRecord> drawn;
    TrackWhile([&] {
        // A highlighted item is where a style would paint most of its own.
        ASSERT_TRUE(OpenColoursByKeys());
        PressMenuKey(Key::Down);
        rects = ItemRects();
        image = GrabActiveMenu();
        drawn = owner.draws;
    });

    ASSERT_GT(image.width, 0);
    for (const unsigned id : kColourIds) {
        const std::vector<DrawRecord> draws = DrawsOf(drawn, id);
        ASSERT_FALSE(draws.empty()) << id;
        const Rect& item = rects[id];
        int strayPixels = 0;
        for (int y = item.top; y < item.bottom; ++y) {
            for (int x = item.left; x < item.right; ++x) {
                strayPixels += image.At(x, y) != draws.back().painted ? 1 : 0;
            }
        }
        EXPECT_EQ(strayPixels, 0) << id;
    }
}

// The item's rectangle is on the menu's surface: where the owner fills it shows the item, as the
// test before shows; here, each rectangle is its item's, wherever the surface's origin lies.
TEST_F(MenuOwnerDraw, DrawRequestsCarryTheItemRectangleDataAndTheMenuFont) {
    std::map<unsigned, Rect> rects;
    TrackWhile([&] {
        ASSERT_TRUE(OpenColoursByKeys());
        rects = ItemRects();
    });

    ASSERT_FALSE(owner.draws.empty());
    const Rect& first = rects[owner.draws.front().itemID];
    const Point origin{owner.draws.front().rcItem.left - first.left,
                       owner.draws.front().rcItem.top - first.top};
    for (const DrawRecord& draw : owner.draws) {
        Rect item = rects[draw.itemID];
        OffsetRect(item, origin.x, origin.y);
        EXPECT_EQ(draw.rcItem, item) << draw.itemID;
        EXPECT_EQ(draw.itemData, DataFor(draw.itemID));
        EXPECT_EQ(draw.textExtent, MenuTextExtent(RecordingOwner::kSampleText));
    }
}

TEST_F(MenuOwnerDraw, OnlyTheCheckedItemIsDrawnChecked) {
    TrackWhile([] {
        ASSERT_TRUE(OpenColoursByKeys());
        for (std::size_t step = 0; step < kColourIds.size(); ++step) {
            PressMenuKey(Key::Down);
        }
    });

    ASSERT_FALSE(owner.draws.empty());
    for (const DrawRecord& draw : owner.draws) {
        EXPECT_EQ((draw.itemState & ODS_CHECKED) != 0, draw.itemID == kCheckedColour)
            << draw.itemID;
    }
}

TEST_F(MenuOwnerDraw, AMovingHighlightRedrawsBothItemsForSelection) {
    std::vector<DrawRecord> onOpening;
    std::vector<DrawRecord> onFirstMove;
    std::vector<DrawRecord> onSecondMove;
    TrackWhile([&] {
        ASSERT_TRUE(OpenColoursByKeys());
        onOpening = std::exchange(owner.draws, {});
        PressMenuKey(Key::Down);
        onFirstMove = std::exchange(owner.draws, {});
        PressMenuKey(Key::Down);
        onSecondMove = std::exchange(owner.draws, {});
    });

    const unsigned first = kColourIds[0];
    const unsigned checked = kColourIds[1];
    const unsigned third = kColourIds[2];
    EXPECT_TRUE(HasDraw(DrawsOf(onOpening, first), ODA_SELECT, ODS_SELECTED));
    EXPECT_TRUE(HasDraw(DrawsOf(onOpening, third), ODA_DRAWENTIRE, 0));

    EXPECT_TRUE(HasDraw(DrawsOf(onFirstMove, first), ODA_SELECT, 0));
    EXPECT_TRUE(HasDraw(DrawsOf(onFirstMove, checked), ODA_SELECT, ODS_SELECTED | ODS_CHECKED));
    EXPECT_FALSE(HasDraw(DrawsOf(onFirstMove, first), ODA_SELECT, ODS_SELECTED));

    EXPECT_TRUE(HasDraw(DrawsOf(onSecondMove, checked), ODA_SELECT, ODS_CHECKED));
    EXPECT_TRUE(HasDraw(DrawsOf(onSecondMove, third), ODA_SELECT, ODS_SELECTED));
    for (const DrawRecord& draw : onSecondMove) {
        EXPECT_EQ((draw.itemState & ODS_SELECTED) != 0, draw.itemID == third) << draw.itemID;
    }
}

TEST_F(MenuOwnerDraw, ARepaintWithoutAMoveDrawsEverythingWhole) {
    std::vector<DrawRecord> onRepaint;
    TrackWhile([&] {
        ASSERT_TRUE(OpenColoursByKeys());
        owner.draws.clear();
        GrabActiveMenu();
        onRepaint = owner.draws;
    });

    ASSERT_EQ(onRepaint.size(), kColourIds.size());
    for (const DrawRecord& draw : onRepaint) {
        EXPECT_EQ(draw.itemAction, ODA_DRAWENTIRE) << draw.itemID;
        EXPECT_EQ((draw.itemState & ODS_SELECTED) != 0, draw.itemID == kColourIds[0]);
    }
}

TEST_F(MenuOwnerDraw, TheMouseMovesTheHighlightToo) {
    std::vector<DrawRecord> onHover;
    TrackWhile([&] {
        ASSERT_TRUE(OpenColoursByHover());
        owner.draws.clear();
        HoverMenuItem(2);
        onHover = owner.draws;
    });

    EXPECT_TRUE(HasDraw(DrawsOf(onHover, kColourIds[2]), ODA_SELECT, ODS_SELECTED));
}

}  // namespace
}  // namespace kolvar
