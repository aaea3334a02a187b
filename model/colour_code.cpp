#include "model/colour_code.h"

#include <cassert>
#include <cstddef>

namespace kolvar {
namespace {

// By code + 2, like the drawing colours.
constexpr std::array<std::string_view, 12> kColourNames = {
    "серебристый", "золотистый", "чёрный", "коричневый", "красный", "оранжевый",
    "жёлтый",      "зелёный",    "синий",  "фиолетовый", "серый",   "белый",
};

std::size_t TableIndex(ColourCode code) {
    assert(IsColourCode(code));
    return static_cast<std::size_t>(code - kSilver);
}

}  // namespace

Colour ColourOf(ColourCode code) {
    return kBandColours[TableIndex(code)];
}

std::string_view ColourName(ColourCode code) {
    return kColourNames[TableIndex(code)];
}

}  // namespace kolvar
