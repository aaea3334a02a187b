#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "model/decimal.h"

namespace kolvar {

// The preferred-number series of IEC 60063, coarsest first.
enum class ESeries { kE6, kE12, kE24, kE48, kE96, kE192 };

inline constexpr std::array<ESeries, 6> kAllSeries = {ESeries::kE6,  ESeries::kE12, ESeries::kE24,
                                                      ESeries::kE48, ESeries::kE96, ESeries::kE192};

// One decade as the standard publishes it: E6 to E24 in two digits (10 ... 91), E48 to E192 in
// three (100 ... 988).
std::span<const std::int16_t> SeriesValues(ESeries series);
std::string_view SeriesName(ESeries series);

// Whether the series holds the value in some decade: 4.7 Ω, 470 Ω and 4.7 GΩ are all E6.
bool SeriesHolds(ESeries series, const Decimal& value);
// Every series that holds the value, coarsest first.
std::vector<ESeries> SeriesHolding(const Decimal& value);

// The series' values next to a value: both the value itself when the series holds it.
struct SeriesNeighbours {
    Decimal below;
    Decimal above;

    friend bool operator==(const SeriesNeighbours&, const SeriesNeighbours&) = default;
};

// Nothing for zero and below.
std::optional<SeriesNeighbours> NearestInSeries(ESeries series, const Decimal& value);

}  // namespace kolvar
