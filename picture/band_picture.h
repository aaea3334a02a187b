#pragma once

#include "model/band_code.h"
#include "platform/colour.h"
#include "platform/geometry.h"
#include "platform/surface.h"
#include "platform/system_metrics.h"

namespace kolvar {

// Paints everything outside the picture's outline in the window colour.
void PreparePictureBackground(Bitmap& picture, Colour windowColour);

// Where PaintPicture puts the picture drawn at `pictureDpi` in `area` at `dpi`: centred, at its
// size enlarged for the dpi. Empty for a missing picture.
Rect PictureRect(const Bitmap& picture, const Rect& area, int dpi = USER_DEFAULT_SCREEN_DPI,
                 int pictureDpi = USER_DEFAULT_SCREEN_DPI);

// Lays the body colour and the bands of `code` on the picture, drawn for `pictureDpi`, and copies
// it, centred, into `area` on `target`, enlarged for a window at `dpi` the way pixel art is: each
// pixel a block of the nearest whole pixels, never blended, so that the picture at 100 % is
// exactly 2 by 2 at 200 %. `area` is moved to the picture's top-left corner. A missing picture
// paints nothing.
void PaintPicture(Bitmap& picture, Surface& target, Rect& area, const BandCode& code,
                  int dpi = USER_DEFAULT_SCREEN_DPI, int pictureDpi = USER_DEFAULT_SCREEN_DPI);

// Where band slot `slot` of a code with `bandCount` bands starts and ends (both columns inside)
// on the picture drawn for `dpi`.
struct SlotColumns {
    int left;
    int right;
};
SlotColumns BandSlotColumns(int bandCount, int slot, int dpi = USER_DEFAULT_SCREEN_DPI);

}  // namespace kolvar
