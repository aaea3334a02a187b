#include "model/caption_text.h"

#include <cassert>
#include <charconv>
#include <cstdint>

#include "resources/resource_ids.h"
#include "resources/string_table.h"

namespace kolvar {
namespace {

// printf's %g with its default precision, but always with a point: the user's LC_NUMERIC
// must not turn 4.7 into 4,7.
std::string FormatLikePercentG(double value) {
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
    return std::string(buffer, result.ptr);
}

}  // namespace

std::string CaptionText(const BandCode& code) {
    assert(IsDisplayable(code));
    const int number = SignificantNumber(code);
    double value = IsFiveBand(code) ? number * 0.01 : number * 0.1;
    const int shift = IsFiveBand(code) ? code.power + 2 : code.power + 1;

    // Unsigned like the original arithmetic; shift + 3 is at least 2 for every displayable code.
    const auto shifted = static_cast<std::uint32_t>(shift + 3);
    const std::uint32_t thousands = shifted / 3;
    for (std::uint32_t i = 0; i < shifted % 3; ++i) {
        value *= 10;
    }
    std::uint32_t unit = 0;
    if (thousands >= 1) {
        unit = thousands - 1;
    } else {
        value /= 1000;
    }

    std::string caption = FormatLikePercentG(value);
    caption += ' ';
    caption += LoadText(ID_UNIT_BASE + unit);
    caption += ' ';
    caption += LoadText(ID_OVERSHOOT_BASE + static_cast<unsigned>(code.overshoot));
    return caption;
}

}  // namespace kolvar
