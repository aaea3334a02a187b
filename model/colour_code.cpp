#include "model/colour_code.h"

#include <cassert>
#include <cstddef>

namespace kolvar {

Colour ColourOf(ColourCode code) {
    assert(IsColourCode(code));
    return kBandColours[static_cast<std::size_t>(code - kSilver)];
}

}  // namespace kolvar
