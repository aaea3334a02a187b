#include <gtest/gtest.h>

#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QCursor>
#include <QMenu>
#include <QTest>
#include <functional>
#include <string>
#include <vector>

#include "expected_menu.h"
#include "menu/colour_menu.h"
#include "menu_inspection.h"
#include "model/caption_text.h"
#include "platform/qt/qt_testing.h"
#include "platform/testing.h"
#include "tests/platform/menu_driver.h"
#include "view_fixture.h"

namespace kolvar::test {
namespace {

constexpr BandCode kDefaults{0, 1, 2, 5, 3, -2};

// The objects whose accessible name changed, as assistive technology would hear of them.
std::vector<QObject*> gRenamed;

void NoteRename(QAccessibleEvent* event) {
    if (event->type() == QAccessible::NameChanged) {
        gRenamed.push_back(event->object());
    }
}

// Qt tells assistive technology of changes only while a screen reader is there, which the
// platform reports; offscreen, that is for the test to say.
void SetScreenReaderPresent(bool present) {
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(present);
}

// The marking view as a child window, as in the program, with what assistive technology hears.
class AccessibleView : public testing::Test {
protected:
    void SetUp() override {
        gRenamed.clear();
        QAccessible::installUpdateHandler(&NoteRename);
        SetScreenReaderPresent(true);
    }
    void TearDown() override {
        SetScreenReaderPresent(false);
        QAccessible::installUpdateHandler(nullptr);
    }

    QAccessibleInterface& Interface() const {
        return *QAccessible::queryAccessibleInterface(&shown.widget());
    }
    std::string Text(QAccessible::Text text) const { return Interface().text(text).toStdString(); }

    TestSettings settings{kDefaults};
    CWnd frame;
    bool framed = frame.CreateEx(0, WS_VISIBLE, ShownView::kPlace, nullptr, 0);
    CMarkingView view;
    ShownView shown{view, &frame};
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
    std::vector<QObject*> announced;
    if (row.id != 0) {
        view.SendMessage(WM_COMMAND, row.id, 0);
        announced.push_back(&shown.widget());
    }
    EXPECT_EQ(gRenamed, announced);
    EXPECT_EQ(Interface().role(), QAccessible::Graphic);
    EXPECT_EQ(Text(QAccessible::Name), CaptionText(view.bandCode()));
    EXPECT_EQ(Text(QAccessible::Description), row.bands);
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
    [](const testing::TestParamInfo<ReadingRow>& row) { return row.param.name; });

// What a screen reader says for each item of a sub-menu, and which one it hears as checked.
struct ItemsRow {
    const expected::SubMenu* subMenu;
    BandCode code;
    std::vector<std::string> names;
    int checked;
};

void PrintTo(const ItemsRow& row, std::ostream* out) {
    *out << row.subMenu->title;
}

class ColourItemsReading : public testing::TestWithParam<ItemsRow> {};

TEST_P(ColourItemsReading, NameTheLabelAndTheColourAndTheCheck) {
    const ItemsRow& row = GetParam();
    const CMenu menu = BuildColourMenu(row.code);
    QMenu* subMenu = SubMenuTitled(WidgetOf(menu), row.subMenu->title);
    ASSERT_NE(subMenu, nullptr);
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(subMenu);
    EXPECT_EQ(reader->text(QAccessible::Name).toStdString(), row.subMenu->title);
    ASSERT_EQ(reader->childCount(), static_cast<int>(row.names.size()));
    for (int index = 0; index < reader->childCount(); ++index) {
        const QAccessibleInterface* item = reader->child(index);
        EXPECT_EQ(item->text(QAccessible::Name).toStdString(), row.names[index]);
        EXPECT_TRUE(item->state().checkable) << row.names[index];
        EXPECT_EQ(item->state().checked, index == row.checked) << row.names[index];
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
                             8}));

struct KeyboardRow {
    std::string name;
    std::function<void(QWidget&)> ask;
};

void PrintTo(const KeyboardRow& row, std::ostream* out) {
    *out << row.name;
}

class KeyboardMenu : public AccessibleView, public testing::WithParamInterface<KeyboardRow> {};

TEST_P(KeyboardMenu, OpensAtTheViewsCentreAndLeavesThePointerAlone) {
    const QPoint pointer(7, 9);
    QCursor::setPos(pointer);
    const Rect client = view.GetClientRect();
    const Point centre = view.ClientToScreen({client.Width() / 2, client.Height() / 2});
    QPoint topLeft;
    QPoint cursor;
    RunWhileMenuOpen([&] { GetParam().ask(shown.widget()); },
                     [&] {
                         ASSERT_NE(ActivePopup(), nullptr);
                         topLeft = ActivePopup()->geometry().topLeft();
                         cursor = QCursor::pos();
                     });
    EXPECT_EQ(topLeft, QPoint(centre.x, centre.y));
    EXPECT_EQ(cursor, pointer);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyboardMenu,
    testing::Values(
        KeyboardRow{"ShiftF10",
                    [](QWidget& view) { QTest::keyClick(&view, Qt::Key_F10, Qt::ShiftModifier); }},
        // The context-menu key reaches the focused widget as Qt's keyboard context-menu event.
        KeyboardRow{"ContextMenuKey",
                    [](QWidget& view) {
                        QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(), QPoint());
                        QApplication::sendEvent(&view, &event);
                    }}),
    [](const testing::TestParamInfo<KeyboardRow>& row) { return row.param.name; });

}  // namespace
}  // namespace kolvar::test
