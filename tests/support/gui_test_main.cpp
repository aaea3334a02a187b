#include <gtest/gtest.h>

#include "platform/testing.h"

// Windows, menus and fonts need the platform set up first.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    const kolvar::TestPlatform platform(argc, argv);
    return RUN_ALL_TESTS();
}
