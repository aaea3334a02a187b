#include <gtest/gtest.h>

#include <utility>

#include "platform/surface.h"
#include "platform/system_metrics.h"
#include "platform/testing.h"
#include "platform/window.h"

namespace kolvar {
namespace {

int ScreenDpi() {
    CWnd window;
    window.CreateEx(0, 0, {0, 0, 10, 10}, nullptr, 0);
    return CClientDC(window).GetDeviceCaps(LOGPIXELSY);
}

TEST(SystemMetrics, IconsAreSquareAndScaleWithTheScreen) {
    EXPECT_EQ(GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON));
    EXPECT_NEAR(GetSystemMetrics(SM_CXICON), 32.0 * ScreenDpi() / 96, 0.5);
}

TEST(SystemMetrics, MenuItemsHaveRoomForTheMenuFont) {
    EXPECT_GE(GetSystemMetrics(SM_CYMENU), MenuTextExtent("Mg").cy + 4);
    EXPECT_GE(GetSystemMetrics(SM_CYMENU), 19);
}

// For a window drawn at another dpi, the system's metrics at 96 dpi scaled to it: its icon of 32
// pixels is 48 at 144 dpi and 64 at 192; the menu's height, rounded, is within a pixel.
TEST(SystemMetrics, ForAWindowAtAnotherDpiAreThoseAt96Scaled) {
    ASSERT_EQ(GetSystemMetricsForDpi(SM_CXICON, 96), 32);
    const int menuAt96 = GetSystemMetricsForDpi(SM_CYMENU, 96);
    for (const auto& [dpi, icon] : {std::pair{144, 48}, std::pair{192, 64}}) {
        EXPECT_EQ(GetSystemMetricsForDpi(SM_CXICON, dpi), icon) << dpi;
        EXPECT_EQ(GetSystemMetricsForDpi(SM_CYICON, dpi), icon) << dpi;
        EXPECT_NEAR(GetSystemMetricsForDpi(SM_CYMENU, dpi), menuAt96 * dpi / 96.0, 1.0) << dpi;
    }
}

// Indices the platform does not know.
TEST(SystemMetrics, UnknownIndicesGiveZero) {
    EXPECT_EQ(GetSystemMetrics(-1), 0);
    EXPECT_EQ(GetSysColor(99), 0u);
}

}  // namespace
}  // namespace kolvar
