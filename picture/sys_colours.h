#pragma once

#include "platform/colour.h"

namespace kolvar {

// The system values the view paints with and the colour menu draws its items with, read at
// start and again whenever the system's colours change.
struct SysColours {
    int menuItemHeight = 0;
    Colour menu = 0;
    Colour menuText = 0;
    Colour highlight = 0;
    Colour highlightText = 0;
    Colour window = 0;
    // What the caption turns to where black cannot be read (see CaptionColour).
    Colour windowText = 0;
    bool highContrast = false;
};

SysColours ReadSysColours();

}  // namespace kolvar
