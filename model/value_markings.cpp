#include "model/value_markings.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "model/caption_text.h"
#include "model/e_series.h"
#include "model/value_encoding.h"
#include "resources/resource_ids.h"
#include "resources/string_table.h"

namespace kolvar {
namespace {

constexpr std::string_view kUnitLetters = "RKMG";
// Y and X rather than R and S, their equals, which a reader could take for the letter code.
constexpr std::string_view kEia96Letters = "ZYXABCDEF";
constexpr int kEia96LowestPower = -3;

// Ohms, kilo-, mega- or gigaohms: the largest that leaves a whole number before the point.
std::size_t UnitOf(const Decimal& ohms) {
    const int leading = LeadingPower(ohms);
    return leading < 0 ? 0 : static_cast<std::size_t>(std::min(leading / 3, 3));
}

Decimal InUnit(const Decimal& ohms, std::size_t unit) {
    return Decimal{ohms.significand, ohms.exponent - 3 * static_cast<int>(unit)};
}

// The value as `digits` significant digits and the power of ten they are multiplied by:
// 4.7 kΩ in two digits is 47 and 2. Nothing where the value has more digits.
struct Significant {
    std::int64_t number;
    int power;
};
std::optional<Significant> InDigits(const Decimal& ohms, int digits) {
    const int padding = digits - SignificantDigits(ohms);
    if (ohms.significand <= 0 || padding < 0) {
        return std::nullopt;
    }
    return Significant{ohms.significand * PowerOfTen(padding), ohms.exponent - padding};
}

// The digits with R where the point falls `power` digits before their end: "4R7", "R047".
std::string WithRadixR(const std::string& digits, int power) {
    const int point = static_cast<int>(digits.size()) + power;
    if (point <= 0) {
        return "R" + std::string(static_cast<std::size_t>(-point), '0') + digits;
    }
    std::string marking = digits;
    marking.insert(static_cast<std::size_t>(point), "R");
    return marking;
}

}  // namespace

std::string ResistanceText(const Decimal& ohms) {
    const std::size_t unit = UnitOf(ohms);
    return DecimalText(InUnit(ohms, unit)) + " " +
           std::string(LoadText(ID_UNIT_BASE + static_cast<unsigned>(unit)));
}

std::string LetterCode(const Decimal& ohms) {
    const std::size_t unit = UnitOf(ohms);
    const std::string number = DecimalText(InUnit(ohms, unit));
    const std::size_t point = std::min(number.find('.'), number.size());
    const std::string whole = number.substr(0, point);
    std::string fraction = point < number.size() ? number.substr(point + 1) : "";
    const std::string digits = whole == "0" ? "" : whole;
    if (digits.size() + fraction.size() == 1) {
        fraction += '0';
    }
    return digits + kUnitLetters[unit] + fraction;
}

std::string SmdMarking(const Decimal& ohms) {
    // Two significant digits that need a multiplier above 10^9 take four digits too: "9909".
    auto significant = InDigits(ohms, std::max(SignificantDigits(ohms), 2));
    if (significant && significant->power > 9) {
        significant = InDigits(ohms, 3);
    }
    if (!significant || significant->number >= 1000 || significant->power > 9) {
        return {};
    }
    const std::string digits = std::to_string(significant->number);
    if (significant->power < 0) {
        return WithRadixR(digits, significant->power);
    }
    return digits + static_cast<char>('0' + significant->power);
}

std::string Eia96Marking(const Decimal& ohms) {
    const auto significant = InDigits(ohms, 3);
    if (!significant || significant->power < kEia96LowestPower ||
        significant->power >= kEia96LowestPower + static_cast<int>(kEia96Letters.size())) {
        return {};
    }
    const auto e96 = SeriesValues(ESeries::kE96);
    const auto found = std::ranges::find(e96, significant->number);
    if (found == e96.end()) {
        return {};
    }
    const auto number = static_cast<int>(found - e96.begin()) + 1;
    std::string marking = {static_cast<char>('0' + number / 10),
                           static_cast<char>('0' + number % 10)};
    return marking +
           kEia96Letters[static_cast<std::size_t>(significant->power - kEia96LowestPower)];
}

ValueMarkings MarkingsOf(const BandCode& code) {
    const Decimal ohms = ValueOf(code);
    return ValueMarkings{CaptionText(code), LetterCode(ohms), SmdMarking(ohms), Eia96Marking(ohms)};
}

}  // namespace kolvar
