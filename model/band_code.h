#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "model/colour_code.h"

namespace kolvar {

// What the user has chosen. A fresh installation shows brown, red, orange, silver: 12 kOhm 10 %.
struct BandCode {
    std::int32_t extended = 0;  // 0: four bands; anything else: five bands
    ColourCode digit1 = 1;
    ColourCode digit2 = 2;
    ColourCode digit3 = 5;  // kept while four bands are shown
    ColourCode power = 3;
    ColourCode overshoot = kSilver;

    friend bool operator==(const BandCode&, const BandCode&) = default;
};

inline constexpr int kMaxBands = 5;

// The bands left to right; the tolerance slot is empty when the tolerance has no band.
using BandSlots = std::array<std::optional<ColourCode>, kMaxBands>;

bool IsFiveBand(const BandCode& code);
int BandCount(const BandCode& code);
bool HasToleranceBand(ColourCode overshoot);
BandSlots BandsInDrawingOrder(const BandCode& code);
// "коричневый, красный, оранжевый, серебристый": the bands as drawn, left to right, in words.
std::string BandsInWords(const BandCode& code);
int SignificantNumber(const BandCode& code);

// True when every colour field holds a code from -2 to 9, which the picture and caption need.
bool IsDisplayable(const BandCode& code);

// Four bands become five and five four; any non-zero `extended` counts as five.
void ToggleFiveBand(BandCode& code);

}  // namespace kolvar
