#pragma once

#include <cstddef>
#include <vector>

#include "platform/application.h"
#include "platform/colour.h"

namespace kolvar::test {

inline constexpr unsigned kMainTemplate = 102;   // 320 x 200 units, no controls
inline constexpr unsigned kAboutTemplate = 100;  // 235 x 55 units: icon, text, OK button
inline constexpr unsigned kTestIcon = 128;
inline constexpr unsigned kCommandOk = 1;
inline constexpr unsigned kCommandCancel = 2;

// The test icon: 32 x 32 in one colour and 16 x 16 in another, each with its top-left pixel
// masked out.
inline constexpr Colour kLargeIconColour = Rgb(200, 30, 40);
inline constexpr Colour kSmallIconColour = Rgb(20, 160, 60);

std::vector<std::byte> TwoSizeIcon();

// Installs the test templates and icon for the life of the object.
class TestResources {
public:
    TestResources();
    ~TestResources();
    TestResources(const TestResources&) = delete;
    TestResources& operator=(const TestResources&) = delete;

private:
    ResourceModule previous_;
};

}  // namespace kolvar::test
