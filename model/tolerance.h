#pragma once

#include <optional>

#include "model/colour_code.h"
#include "model/decimal.h"

namespace kolvar {

// The tolerance band's colour for a tolerance in percent: gold for 5, 9 (no band) for 20.
// Nothing for the tolerances the colour code cannot show.
std::optional<ColourCode> OvershootForPercent(const Decimal& percent);
// The other way round; nothing for 0, 3 and 4, which mark no tolerance.
std::optional<Decimal> PercentOfOvershoot(ColourCode overshoot);

struct ValueRange {
    Decimal lowest;
    Decimal highest;

    friend bool operator==(const ValueRange&, const ValueRange&) = default;
};

// What a resistor of the value may measure: 4.7 kΩ ± 5 % from 4.465 to 4.935 kΩ. Nothing where
// a bound needs more than 18 digits; the lowest is never below zero.
std::optional<ValueRange> ToleranceRange(const Decimal& value, const Decimal& percent);

}  // namespace kolvar
