#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QPalette>
#include <QScreen>

#include "platform/system_metrics.h"
#include "tests/support/row_name.h"

namespace kolvar {
namespace {

struct ColourRow {
    int index;
    const char* paletteOf;  // nullptr: the application's palette
    QPalette::ColorRole role;
};

void PrintTo(const ColourRow& row, std::ostream* out) {
    *out << "colour " << row.index;
}

// Puts every palette back as it was.
class SystemColour : public testing::TestWithParam<ColourRow> {
protected:
    void TearDown() override {
        QApplication::setPalette(applicationPalette_);
        QApplication::setPalette(menuPalette_, "QMenu");
    }
    QPalette applicationPalette_ = QApplication::palette();
    QPalette menuPalette_ = QApplication::palette("QMenu");
};

TEST_P(SystemColour, FollowsThePaletteInTheBgrLayout) {
    const ColourRow& row = GetParam();
    QPalette palette = row.paletteOf != nullptr ? menuPalette_ : applicationPalette_;
    palette.setColor(row.role, QColor(0x12, 0x34, 0x56));
    if (row.paletteOf != nullptr) {
        QApplication::setPalette(palette, row.paletteOf);
    } else {
        QApplication::setPalette(palette);
    }
    EXPECT_EQ(GetSysColor(row.index), 0x00563412u);
}

INSTANTIATE_TEST_SUITE_P(Indices, SystemColour,
                         testing::Values(ColourRow{COLOR_MENU, "QMenu", QPalette::Window},
                                         ColourRow{COLOR_MENUTEXT, "QMenu", QPalette::WindowText},
                                         ColourRow{COLOR_HIGHLIGHT, "QMenu", QPalette::Highlight},
                                         ColourRow{COLOR_HIGHLIGHTTEXT, "QMenu",
                                                   QPalette::HighlightedText},
                                         ColourRow{COLOR_WINDOW, nullptr, QPalette::Base}),
                         test::RowName());

TEST(SystemMetrics, IconsAreSquareAndScaleWithTheScreen) {
    const int dpi = qRound(QGuiApplication::primaryScreen()->logicalDotsPerInchY());
    EXPECT_EQ(GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON));
    EXPECT_NEAR(GetSystemMetrics(SM_CXICON), 32.0 * dpi / 96, 0.5);
}

TEST(SystemMetrics, MenuItemsHaveRoomForTheMenuFont) {
    const QFontMetrics menuFont(QApplication::font("QMenu"));
    EXPECT_GE(GetSystemMetrics(SM_CYMENU), menuFont.height() + 4);
    EXPECT_GE(GetSystemMetrics(SM_CYMENU), 19);
}

TEST(SystemMetrics, UnknownIndicesGiveZero) {
    EXPECT_EQ(GetSystemMetrics(0), 0);
    EXPECT_EQ(GetSysColor(99), 0u);
}

}  // namespace
}  // namespace kolvar
