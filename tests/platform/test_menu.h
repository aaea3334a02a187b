#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "platform/geometry.h"
#include "platform/menu.h"
#include "recording_owner.h"

namespace kolvar {

// The menu the tests open, top to bottom:
//   "&Alpha" (checked), separator, "&Colours" >, "&More" >, separator, "&Close" (default)
// with owner-drawn items in both sub-menus.
namespace test_menu {

inline constexpr unsigned kAlpha = 100;
inline constexpr unsigned kClose = 1;
inline const std::vector<unsigned> kColourIds = {200, 201, 202, 203};
inline constexpr unsigned kCheckedColour = 201;
inline const std::vector<unsigned> kMoreIds = {300, 301};

// Root positions of the entries, separators counted.
inline constexpr int kAlphaRow = 0;
inline constexpr int kColoursRow = 2;
inline constexpr int kMoreRow = 3;
inline constexpr int kCloseRow = 5;

std::uintptr_t DataFor(unsigned id);

CMenu Build();

// The menu, tracked for a window of its own shown on the screen, which records what reaches it.
class TrackedMenu : public testing::Test {
protected:
    void SetUp() override;
    // Runs the steps from inside the menu's tracking, the menu's top-left corner at the point.
    void TrackWhile(Point at, const std::function<void()>& steps);

    RecordingOwner owner;
    CMenu menu = Build();
};

// Whether another menu opens than those open before; once it has, it is laid out and painted.
bool OpenedAnotherMenu(int openBefore);

}  // namespace test_menu
}  // namespace kolvar
