#include <gtest/gtest.h>

#include "canvas.h"
#include "platform/qt/drawing_objects.h"
#include "platform/qt/qt_conversions.h"
#include "platform/system_metrics.h"
#include "window_test_resources.h"

namespace kolvar {
namespace {

class IconFromResources : public testing::Test {
protected:
    test::TestResources resources;
};

TEST_F(IconFromResources, TakesTheLargeImageAtIconSizeAndKeepsTheSmallOne) {
    const Icon icon = LoadIcon(test::kTestIcon);
    ASSERT_TRUE(icon);
    const QImage& large = QtIconOf(NativeOf(icon)).large;
    EXPECT_EQ(large.size(), QSize(GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)));
    EXPECT_EQ(large.pixel(5, 5), ToQRgb(test::kLargeIconColour));
    EXPECT_EQ(qAlpha(large.pixel(0, 0)), 0);
    EXPECT_EQ(QtIconOf(NativeOf(icon)).small.pixel(5, 5), ToQRgb(test::kSmallIconColour));
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
