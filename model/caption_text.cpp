#include "model/caption_text.h"

#include <algorithm>
#include <cassert>
#include <clocale>
#include <cstdint>
#include <cstdio>
#include <string_view>

#include "resources/resource_ids.h"
#include "resources/string_table.h"

namespace kolvar {
namespace {

// printf's %g, but always with a point: the user's LC_NUMERIC must not turn 4.7 into 4,7.
// (std::to_chars would give the same text, but paging in its tables costs the start a fifth
// of a megabyte.)
std::string FormatLikePercentG(double value) {
    char buffer[32];
    const int length = std::snprintf(buffer, sizeof buffer, "%g", value);
    const std::string_view printed(buffer, static_cast<std::size_t>(std::clamp(length, 0, 31)));
    const std::string_view point = std::localeconv()->decimal_point;
    const std::size_t at = printed.find(point);
    if (point.empty() || at == std::string_view::npos) {
        return std::string(printed);
    }
    std::string text(printed.substr(0, at));
    text += '.';
    text += printed.substr(at + point.size());
    return text;
}

}  // namespace

std::string CaptionText(const BandCode& code) {
    assert(IsDisplayable(code));
    const int number = SignificantNumber(code);
    double value = IsFiveBand(code) ? number * 0.01 : number * 0.1;
    const int shift = IsFiveBand(code) ? code.power + 2 : code.power + 1;

    // The count of whole thousands picks the unit by its offset from the first unit's string id,
    // so it is counted as string ids are, unsigned. It cannot wrap: silver, the smallest
    // multiplier, still leaves shift + 3 at 2.
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
