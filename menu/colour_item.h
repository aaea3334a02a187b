#pragma once

#include "picture/sys_colours.h"
#include "platform/message_map.h"

namespace kolvar {

// A colour item is this much wider than its check-mark cell and label, at 100 %.
inline constexpr int kSwatchWidth = 100;

// The swatch's width in a window drawn at `dpi`.
int SwatchWidth(int dpi);

// Items from the first digit's brown to the no-band tolerance show a swatch.
bool HasSwatch(unsigned itemId);

// The width of an item: the h-by-h check-mark cell, the swatch where there is one, the label.
unsigned ColourItemWidth(unsigned itemId, int itemHeight, int labelWidth,
                         int dpi = USER_DEFAULT_SCREEN_DPI);

// Paints the whole item: background, check mark, framed swatch and centred label.
void DrawColourItem(const DRAWITEMSTRUCT& item, const SysColours& colours);

}  // namespace kolvar
