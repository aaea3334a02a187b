#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QMenu>
#include <algorithm>
#include <map>
#include <vector>

#include "menu_driver.h"
#include "platform/menu.h"
#include "recording_owner.h"
#include "test_menu.h"

namespace kolvar {
namespace {

using namespace test_menu;

const QPoint kMenuAt(40, 30);

// Down to the Colours entry and into its sub-menu, by keys only.
QMenu* OpenColoursByKeys() {
    QMenu* root = ActivePopup();
    KeyClick(Qt::Key_Down);
    KeyClick(Qt::Key_Down);
    KeyClick(Qt::Key_Right);
    return WaitForOtherMenu(root);
}

QMenu* OpenColoursByHover() {
    QMenu* root = ActivePopup();
    HoverOver(*root, *root->actions().at(kColoursRow));
    return WaitForOtherMenu(root);
}

Rect ToRect(const QRect& rect) {
    return {rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1};
}

std::map<unsigned, QRect> ItemGeometries(QMenu& menu, const std::vector<unsigned>& ids) {
    std::map<unsigned, QRect> geometries;
    for (std::size_t row = 0; row < ids.size(); ++row) {
        geometries[ids[row]] = menu.actionGeometry(menu.actions().at(static_cast<qsizetype>(row)));
    }
    return geometries;
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

class MenuOwnerDraw : public testing::Test {
protected:
    RecordingOwner owner;
    CMenu menu = Build();
};

TEST_F(MenuOwnerDraw, TheOwnerMeasuresEachItemOnceWithItsIdAndData) {
    TrackWhile(menu, owner, kMenuAt, [] {
        OpenColoursByKeys();
        KeyClick(Qt::Key_Left);
        KeyClick(Qt::Key_Right);
        Settle();
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
    TrackWhile(menu, owner, kMenuAt, [] { OpenColoursByKeys(); });

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

TEST_F(MenuOwnerDraw, ItemsTakeExactlyTheMeasuredHeightAndTheWidestWidth) {
    std::map<unsigned, QRect> geometries;
    QSize menuSize;
    TrackWhile(menu, owner, kMenuAt, [&] {
        QMenu* colours = OpenColoursByKeys();
        ASSERT_NE(colours, nullptr);
        geometries = ItemGeometries(*colours, kColourIds);
        menuSize = colours->size();
    });

    ASSERT_EQ(geometries.size(), kColourIds.size());
    const int widest = WidestOwnerWidth(kColourIds);
    int heights = 0;
    for (const unsigned id : kColourIds) {
        EXPECT_EQ(geometries[id].height(), RecordingOwner::SizeFor(id).cy) << id;
        EXPECT_EQ(geometries[id].width(), widest) << id;
        heights += geometries[id].height();
    }
    for (std::size_t row = 1; row < kColourIds.size(); ++row) {
        EXPECT_EQ(geometries[kColourIds[row]].top(), geometries[kColourIds[row - 1]].bottom() + 1);
    }
    const QPoint inset = geometries[kColourIds.front()].topLeft();
    EXPECT_EQ(inset.x(), inset.y()) << "the same frame on every side";
    EXPECT_EQ(menuSize, QSize(widest + 2 * inset.x(), heights + 2 * inset.y()));
}

TEST_F(MenuOwnerDraw, TheMenuShowsExactlyWhatTheOwnerPainted) {
    QImage image;
    std::map<unsigned, QRect> geometries;
    TrackWhile(menu, owner, kMenuAt, [&] {
        // A highlighted item is where a style would paint most of its own.
        QMenu* colours = OpenColoursByKeys();
        ASSERT_NE(colours, nullptr);
        KeyClick(Qt::Key_Down);
        geometries = ItemGeometries(*colours, kColourIds);
        image = colours->grab().toImage();
    });

    ASSERT_FALSE(image.isNull());
    for (const unsigned id : kColourIds) {
        const std::vector<DrawRecord> draws = owner.DrawsOf(id);
        ASSERT_FALSE(draws.empty()) << id;
        const QColor painted(RedOf(draws.back().painted), GreenOf(draws.back().painted),
                             BlueOf(draws.back().painted));
        const QRect item = geometries[id];
        int strayPixels = 0;
        for (int y = item.top(); y <= item.bottom(); ++y) {
            for (int x = item.left(); x <= item.right(); ++x) {
                strayPixels += image.pixelColor(x, y) != painted ? 1 : 0;
            }
        }
        EXPECT_EQ(strayPixels, 0) << id;
    }
}

TEST_F(MenuOwnerDraw, DrawRequestsCarryTheItemRectangleDataAndTheMenuFont) {
    std::map<unsigned, QRect> geometries;
    QFont menuFont;
    TrackWhile(menu, owner, kMenuAt, [&] {
        QMenu* colours = OpenColoursByKeys();
        ASSERT_NE(colours, nullptr);
        geometries = ItemGeometries(*colours, kColourIds);
        menuFont = colours->font();
    });

    const QFontMetrics metrics(menuFont);
    ASSERT_FALSE(owner.draws.empty());
    for (const DrawRecord& draw : owner.draws) {
        EXPECT_EQ(draw.rcItem, ToRect(geometries[draw.itemID])) << draw.itemID;
        EXPECT_EQ(draw.itemData, DataFor(draw.itemID));
        EXPECT_EQ(draw.textExtent,
                  Size(metrics.horizontalAdvance(RecordingOwner::kSampleText), metrics.height()));
    }
}

TEST_F(MenuOwnerDraw, OnlyTheCheckedItemIsDrawnChecked) {
    TrackWhile(menu, owner, kMenuAt, [] {
        OpenColoursByKeys();
        for (std::size_t step = 0; step < kColourIds.size(); ++step) {
            KeyClick(Qt::Key_Down);
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
    TrackWhile(menu, owner, kMenuAt, [&] {
        OpenColoursByKeys();
        onOpening = std::exchange(owner.draws, {});
        KeyClick(Qt::Key_Down);
        onFirstMove = std::exchange(owner.draws, {});
        KeyClick(Qt::Key_Down);
        onSecondMove = std::exchange(owner.draws, {});
    });

    const auto ofItem = [](const std::vector<DrawRecord>& draws, unsigned id) {
        std::vector<DrawRecord> found;
        std::copy_if(draws.begin(), draws.end(), std::back_inserter(found),
                     [id](const DrawRecord& draw) { return draw.itemID == id; });
        return found;
    };
    const unsigned first = kColourIds[0];
    const unsigned checked = kColourIds[1];
    const unsigned third = kColourIds[2];
    EXPECT_TRUE(HasDraw(ofItem(onOpening, first), ODA_SELECT, ODS_SELECTED));
    EXPECT_TRUE(HasDraw(ofItem(onOpening, third), ODA_DRAWENTIRE, 0));

    EXPECT_TRUE(HasDraw(ofItem(onFirstMove, first), ODA_SELECT, 0));
    EXPECT_TRUE(HasDraw(ofItem(onFirstMove, checked), ODA_SELECT, ODS_SELECTED | ODS_CHECKED));
    EXPECT_FALSE(HasDraw(ofItem(onFirstMove, first), ODA_SELECT, ODS_SELECTED));

    EXPECT_TRUE(HasDraw(ofItem(onSecondMove, checked), ODA_SELECT, ODS_CHECKED));
    EXPECT_TRUE(HasDraw(ofItem(onSecondMove, third), ODA_SELECT, ODS_SELECTED));
    for (const DrawRecord& draw : onSecondMove) {
        EXPECT_EQ((draw.itemState & ODS_SELECTED) != 0, draw.itemID == third) << draw.itemID;
    }
}

TEST_F(MenuOwnerDraw, ARepaintWithoutAMoveDrawsEverythingWhole) {
    std::vector<DrawRecord> onRepaint;
    TrackWhile(menu, owner, kMenuAt, [&] {
        QMenu* colours = OpenColoursByKeys();
        ASSERT_NE(colours, nullptr);
        owner.draws.clear();
        colours->grab();
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
    TrackWhile(menu, owner, kMenuAt, [&] {
        QMenu* colours = OpenColoursByHover();
        ASSERT_NE(colours, nullptr);
        owner.draws.clear();
        HoverOver(*colours, *colours->actions().at(2));
        onHover = owner.draws;
    });

    std::vector<DrawRecord> third;
    std::copy_if(onHover.begin(), onHover.end(), std::back_inserter(third),
                 [](const DrawRecord& draw) { return draw.itemID == kColourIds[2]; });
    EXPECT_TRUE(HasDraw(third, ODA_SELECT, ODS_SELECTED));
}

}  // namespace
}  // namespace kolvar
