#pragma once

#include "picture/sys_colours.h"
#include "platform/colour.h"

namespace kolvar {

// The caption is black on the window colour, except where black cannot be read: where it has
// less than WCAG's 4.5:1 contrast for text with the window colour, as under a dark or a black
// high-contrast theme, or where the user has chosen a high-contrast theme at all, the caption
// takes the colour the system gives text in windows.
Colour CaptionColour(const SysColours& colours);

}  // namespace kolvar
