#include <gtest/gtest.h>

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

// Indices the platform does not know.
TEST(SystemMetrics, UnknownIndicesGiveZero) {
    EXPECT_EQ(GetSystemMetrics(-1), 0);
    EXPECT_EQ(GetSysColor(99), 0u);
}

}  // namespace
}  // namespace kolvar
