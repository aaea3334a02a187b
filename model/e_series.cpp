#include "model/e_series.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

namespace kolvar {
namespace {

// Written out as IEC 60063 publishes them, not computed: E24's 27 to 47 and 82 and E192's 920
// differ from the rounded powers of ten the series are based on.
constexpr std::int16_t kE6[] = {10, 15, 22, 33, 47, 68};
constexpr std::int16_t kE12[] = {10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};
constexpr std::int16_t kE24[] = {10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                                 33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};
constexpr std::int16_t kE48[] = {100, 105, 110, 115, 121, 127, 133, 140, 147, 154, 162, 169,
                                 178, 187, 196, 205, 215, 226, 237, 249, 261, 274, 287, 301,
                                 316, 332, 348, 365, 383, 402, 422, 442, 464, 487, 511, 536,
                                 562, 590, 619, 649, 681, 715, 750, 787, 825, 866, 909, 953};
constexpr std::int16_t kE96[] = {
    100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137, 140, 143,
    147, 150, 154, 158, 162, 165, 169, 174, 178, 182, 187, 191, 196, 200, 205, 210,
    215, 221, 226, 232, 237, 243, 249, 255, 261, 267, 274, 280, 287, 294, 301, 309,
    316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412, 422, 432, 442, 453,
    464, 475, 487, 499, 511, 523, 536, 549, 562, 576, 590, 604, 619, 634, 649, 665,
    681, 698, 715, 732, 750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976};
constexpr std::int16_t kE192[] = {
    100, 101, 102, 104, 105, 106, 107, 109, 110, 111, 113, 114, 115, 117, 118, 120, 121, 123,
    124, 126, 127, 129, 130, 132, 133, 135, 137, 138, 140, 142, 143, 145, 147, 149, 150, 152,
    154, 156, 158, 160, 162, 164, 165, 167, 169, 172, 174, 176, 178, 180, 182, 184, 187, 189,
    191, 193, 196, 198, 200, 203, 205, 208, 210, 213, 215, 218, 221, 223, 226, 229, 232, 234,
    237, 240, 243, 246, 249, 252, 255, 258, 261, 264, 267, 271, 274, 277, 280, 284, 287, 291,
    294, 298, 301, 305, 309, 312, 316, 320, 324, 328, 332, 336, 340, 344, 348, 352, 357, 361,
    365, 370, 374, 379, 383, 388, 392, 397, 402, 407, 412, 417, 422, 427, 432, 437, 442, 448,
    453, 459, 464, 470, 475, 481, 487, 493, 499, 505, 511, 517, 523, 530, 536, 542, 549, 556,
    562, 569, 576, 583, 590, 597, 604, 612, 619, 626, 634, 642, 649, 657, 665, 673, 681, 690,
    698, 706, 715, 723, 732, 741, 750, 759, 768, 777, 787, 796, 806, 816, 825, 835, 845, 856,
    866, 876, 887, 898, 909, 920, 931, 942, 953, 965, 976, 988};

int DigitsOf(ESeries series) {
    return series <= ESeries::kE24 ? 2 : 3;
}

// The series' values in the decade that starts at 10^leadingPower.
Decimal InDecade(std::int16_t seriesValue, ESeries series, int leadingPower) {
    return MakeDecimal(seriesValue, leadingPower - DigitsOf(series) + 1);
}

}  // namespace

std::span<const std::int16_t> SeriesValues(ESeries series) {
    switch (series) {
        case ESeries::kE6:
            return kE6;
        case ESeries::kE12:
            return kE12;
        case ESeries::kE24:
            return kE24;
        case ESeries::kE48:
            return kE48;
        case ESeries::kE96:
            return kE96;
        case ESeries::kE192:
            break;
    }
    return kE192;
}

std::string_view SeriesName(ESeries series) {
    constexpr std::string_view kNames[] = {"E6", "E12", "E24", "E48", "E96", "E192"};
    return kNames[static_cast<std::size_t>(series)];
}

bool SeriesHolds(ESeries series, const Decimal& value) {
    const auto neighbours = NearestInSeries(series, value);
    return neighbours && neighbours->below == value;
}

std::vector<ESeries> SeriesHolding(const Decimal& value) {
    std::vector<ESeries> holding;
    std::ranges::copy_if(kAllSeries, std::back_inserter(holding),
                         [&](ESeries series) { return SeriesHolds(series, value); });
    return holding;
}

std::optional<SeriesNeighbours> NearestInSeries(ESeries series, const Decimal& value) {
    if (value.significand <= 0) {
        return std::nullopt;
    }
    const int decade = LeadingPower(value);
    const auto values = SeriesValues(series);
    // The decade's first value is 10^decade, which the value cannot lie below.
    const auto above = std::ranges::find_if(
        values, [&](std::int16_t entry) { return InDecade(entry, series, decade) >= value; });
    const Decimal next = above == values.end() ? InDecade(values.front(), series, decade + 1)
                                               : InDecade(*above, series, decade);
    if (next == value) {
        return SeriesNeighbours{value, value};
    }
    const auto below = above == values.begin() ? above : above - 1;
    return SeriesNeighbours{InDecade(*below, series, decade), next};
}

}  // namespace kolvar
