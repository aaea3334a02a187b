#pragma once

#include <vector>

#include "platform/menu.h"

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

}  // namespace test_menu
}  // namespace kolvar
