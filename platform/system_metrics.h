#pragma once

#include <optional>

#include "platform/colour.h"
#include "platform/geometry.h"
#include "platform/surface.h"

namespace kolvar {

inline constexpr int COLOR_MENU = 4;
inline constexpr int COLOR_WINDOW = 5;
inline constexpr int COLOR_MENUTEXT = 7;
inline constexpr int COLOR_WINDOWTEXT = 8;
inline constexpr int COLOR_HIGHLIGHT = 13;
inline constexpr int COLOR_HIGHLIGHTTEXT = 14;

inline constexpr int SM_CXICON = 11;
inline constexpr int SM_CYICON = 12;
inline constexpr int SM_CYMENU = 15;
inline constexpr int SM_CXSMICON = 49;

// The resolution of 100 %: sizes given in pixels are for it.
inline constexpr int USER_DEFAULT_SCREEN_DPI = 96;

// A size given for 100 %, rounded to nearest for a window drawn at `dpi`.
inline int ScaledForDpi(int pixelsAt100Percent, int dpi) {
    return MulDiv(pixelsAt100Percent, dpi, USER_DEFAULT_SCREEN_DPI);
}

// From the palette that menus and views use.
Colour GetSysColor(int index);
int GetSystemMetrics(int index);
// As GetSystemMetrics, for a window drawn at `dpi`.
int GetSystemMetricsForDpi(int index, int dpi);
// The font menus show their items' texts in, as the user has set it, for a window drawn at
// `dpi`; a menu's owner measures its own items in it.
LogFont MenuFontForDpi(int dpi);
// Whether the user has chosen a high-contrast theme, where the platform says so; false where it
// does not.
bool HighContrastTheme();

// Whether menus are drawn with a theme, as under Windows' visual styles without high contrast;
// false where they keep the classic colours, as on Qt.
bool MenusHaveTheme();
// Under such a theme, paints its look of a highlighted menu item in the rectangle, for a window
// drawn at `dpi`, and gives the colours to draw on it with; none, and nothing painted, where
// there is no theme.
struct ThemedHighlight {
    Colour background;  // at the highlight's middle
    Colour text;
};
std::optional<ThemedHighlight> DrawThemedMenuHighlight(Surface& surface, const Rect& rect, int dpi);

bool SetCursorPos(int x, int y);

}  // namespace kolvar
