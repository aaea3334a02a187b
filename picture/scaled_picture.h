#pragma once

#include "platform/colour.h"
#include "platform/surface.h"
#include "platform/system_metrics.h"

namespace kolvar {

// The dpi the picture for a window's pixels at `pixelDpi` is drawn at: the stored picture's at a
// whole multiple of 100 %, which enlarges by whole blocks as evenly as a drawing could be; the
// pixels' own between them, where an enlargement would make some pixels a block wider than
// their neighbours.
int PictureDpiFor(int pixelDpi);

// The resistor picture for the pixels a view paints, made the first time a scale asks for it and
// kept while the scale holds, with its outside in the window colour.
class ScaledPicture {
public:
    // The picture for pixels at `pixelDpi`, made anew only when that is another scale's.
    Bitmap& For(int pixelDpi);
    // The dpi the held picture is drawn at (PictureDpiFor).
    int Dpi() const { return dpi_; }
    // The outside takes the colour now and in every picture made later.
    void ChangeWindowColour(Colour window);

private:
    Bitmap bitmap_;
    int dpi_ = USER_DEFAULT_SCREEN_DPI;
    Colour window_ = Rgb(255, 255, 255);
};

}  // namespace kolvar
