#pragma once

// For tests and benchmarks only: what they may reach inside the platform.

#include "platform/surface.h"

namespace kolvar {

// Drawing

// A surface without pixels at the given resolution, like a window's outside its paint, to make
// memory surfaces compatible with.
class ScreenSurface : public Surface {
public:
    explicit ScreenSurface(int logPixelsY = 96);
    ~ScreenSurface() override;
};

}  // namespace kolvar
