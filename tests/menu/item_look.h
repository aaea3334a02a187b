#pragma once

#include "item_surface.h"
#include "platform/colour.h"
#include "platform/geometry.h"

namespace kolvar::test {

// What one colour item should show, left to right: the check-mark cell, the framed swatch and
// the label.
struct ItemLook {
    Colour background = 0;
    Colour text = 0;
    bool checked = false;
    Point markAt;  // top-left of the check mark, for a checked item
    int cell = 0;  // side of the check-mark cell, the menu item height
    bool swatch = true;
    Colour swatchColour = 0;  // inside the frame
    bool noColourText = false;
};

// Expects the item's pixels to look so, with failures naming what is wrong where.
void ExpectItemLooks(const PixelReader& pixels, const Rect& item, const ItemLook& look);

}  // namespace kolvar::test
