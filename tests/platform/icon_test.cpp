#include <gtest/gtest.h>

#include <vector>

#include "canvas.h"
#include "platform/system_metrics.h"
#include "platform/window.h"
#include "window_test_resources.h"

namespace kolvar {
namespace {

class IconFromResources : public testing::Test {
protected:
    test::TestResources resources;
};

// A window given the icon shows its large image in the task bar and its small one in the title
// bar; each has its top-left pixel masked out.
TEST_F(IconFromResources, TakesTheLargeImageAtIconSizeAndKeepsTheSmallOne) {
    const Icon icon = LoadIcon(test::kTestIcon);
    ASSERT_TRUE(icon);
    CWnd window;
    ASSERT_TRUE(window.CreateEx(0, 0, {0, 0, 100, 80}, nullptr, 0));
    window.SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(&icon));
    window.SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(&icon));
    const std::vector<Image> images = WindowIconImages(window);

    ASSERT_EQ(images.size(), 2U);
    const Image& large = images.front();
    EXPECT_EQ(large.width, GetSystemMetrics(SM_CXICON));
    EXPECT_EQ(large.height, GetSystemMetrics(SM_CYICON));
    EXPECT_EQ(large.At(5, 5), test::kLargeIconColour);
    EXPECT_EQ(large.At(0, 0), test::kWhite);
    EXPECT_EQ(images.back().At(5, 5), test::kSmallIconColour);
}

TEST_F(IconFromResources, AMissingIconIsEmptyAndDrawsNothing) {
    const Icon icon = LoadIcon(999);
    EXPECT_FALSE(icon);
    test::Canvas canvas(8, 8);
    EXPECT_FALSE(DrawIcon(*canvas, 0, 0, icon));
    EXPECT_EQ(canvas->GetPixel(0, 0), test::kWhite);
}

TEST_F(IconFromResources, DrawsThroughItsMask) {
    const Icon icon = LoadIcon(test::kTestIcon);
    test::Canvas canvas(48, 48);
    ASSERT_TRUE(DrawIcon(*canvas, 3, 4, icon));
    EXPECT_EQ(canvas->GetPixel(3, 4), test::kWhite);
    EXPECT_EQ(canvas->GetPixel(4, 4), test::kLargeIconColour);
    EXPECT_EQ(canvas->GetPixel(3 + 31, 4 + 31), test::kLargeIconColour);
    EXPECT_EQ(canvas->GetPixel(3 + 32, 4 + 32), test::kWhite);
    EXPECT_EQ(canvas->GetPixel(2, 3), test::kWhite);
}

}  // namespace
}  // namespace kolvar
