#pragma once

#include "platform/colour.h"
#include "platform/system_metrics.h"

namespace kolvar {

// The system values the view paints with and the colour menu draws its items with, read at
// start and again whenever the system's colours or the window's dpi change.
struct SysColours {
    int menuItemHeight = 0;
    Colour menu = 0;
    Colour menuText = 0;
    Colour highlight = 0;
    Colour highlightText = 0;
    Colour window = 0;
    // The window's dpi the sizes are for.
    int dpi = USER_DEFAULT_SCREEN_DPI;
    // What the caption turns to where black cannot be read (see CaptionColour).
    Colour windowText = 0;
    bool highContrast = false;
    // A selected menu item is the theme's (DrawThemedMenuHighlight) rather than the highlight
    // colours above.
    bool themedMenus = false;
};

// For a window drawn at `dpi`.
SysColours ReadSysColours(int dpi);

}  // namespace kolvar
