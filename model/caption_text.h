#pragma once

#include <string>

#include "model/band_code.h"

namespace kolvar {

// The marked value with unit and tolerance, e.g. "12 кОм ± 10 %". The code must be displayable.
std::string CaptionText(const BandCode& code);

}  // namespace kolvar
