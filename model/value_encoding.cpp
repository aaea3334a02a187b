#include "model/value_encoding.h"

#include <algorithm>
#include <cstdint>

#include "model/tolerance.h"
#include "resources/resource_ids.h"

namespace kolvar {
namespace {

constexpr int kLowestPower = -2;
constexpr int kHighestPower = 9;
constexpr Decimal kLowestValue{1, -1};    // four bands: 1, 0, × 0.01
constexpr Decimal kHighestValue{999, 9};  // five bands: 9, 9, 9, × 10^9

// The value a band count shows nearest to the one asked for, as significant number and power.
struct Candidate {
    int digits;
    std::int64_t number;
    int power;

    Decimal Value() const { return MakeDecimal(number, power); }
};

// Rounding at the value's own digit gives the nearest in the band count: across a decade the
// steps only widen, so a carry to the next decade's first value is still the nearest. The
// multiplier's ends clamp: five bands show nothing below 1 Ω and four nothing above 99 GΩ.
Candidate NearestWithDigits(const Decimal& ohms, int digits) {
    const std::int64_t lowest = PowerOfTen(digits - 1);
    const std::int64_t beyond = PowerOfTen(digits);
    const int power = std::clamp(LeadingPower(ohms) - digits + 1, kLowestPower, kHighestPower);
    // In range the quotient has three digits at most; a half rounds up, to the larger value.
    const std::int64_t number = RoundToPower(ohms, power).value_or(beyond);
    if (number >= beyond) {
        return power < kHighestPower && number == beyond ? Candidate{digits, lowest, power + 1}
                                                         : Candidate{digits, beyond - 1, power};
    }
    return Candidate{digits, std::max(number, lowest), power};
}

// Nearest is the least absolute difference in ohms. Every candidate is held against the same
// asked value, so that is also the least difference relative to it, without a division. Both
// operands lie in the code's range a few digits apart, so the difference always fits.
Decimal Distance(const Decimal& ohms, const Candidate& candidate) {
    const Decimal difference = Subtract(ohms, candidate.Value()).value_or(kHighestValue);
    return difference.significand < 0 ? Decimal{-difference.significand, difference.exponent}
                                      : difference;
}

BandCode WithDigits(const BandCode& current, const Candidate& chosen) {
    BandCode code = current;
    const bool five = chosen.digits == 3;
    if (five != IsFiveBand(current)) {
        code.extended = five ? 1 : 0;
    }
    const auto number = static_cast<ColourCode>(chosen.number);
    code.digit1 = five ? number / 100 : number / 10;
    code.digit2 = five ? number / 10 % 10 : number % 10;
    if (five) {
        code.digit3 = number % 10;
    }
    code.power = chosen.power;
    return code;
}

ValueEncoding Refusal(const BandCode& current, const ValueReading& reading, unsigned errorId) {
    return ValueEncoding{errorId, current, reading.ohms, false};
}

}  // namespace

Decimal ValueOf(const BandCode& code) {
    return MakeDecimal(SignificantNumber(code), code.power);
}

ValueEncoding EncodeValue(const ValueReading& reading, const BandCode& current) {
    if (reading.ohms < kLowestValue || reading.ohms > kHighestValue) {
        return Refusal(
            current, reading,
            reading.milli && reading.ohms < kLowestValue ? ID_VALUE_MILLI : ID_VALUE_OUT_OF_RANGE);
    }
    ColourCode overshoot = current.overshoot;
    if (reading.tolerancePercent) {
        const auto band = OvershootForPercent(*reading.tolerancePercent);
        if (!band) {
            return Refusal(current, reading, ID_TOLERANCE_NOT_IN_CODE);
        }
        overshoot = *band;
    }
    const Candidate four = NearestWithDigits(reading.ohms, 2);
    const Candidate five = NearestWithDigits(reading.ohms, 3);
    const Decimal fourOff = Distance(reading.ohms, four);
    const Decimal fiveOff = Distance(reading.ohms, five);
    // Equally near, or exact in both, keeps the count the user has chosen.
    const bool takeFive = IsFiveBand(current) ? fiveOff <= fourOff : fiveOff < fourOff;
    const Candidate& chosen = takeFive ? five : four;
    BandCode code = WithDigits(current, chosen);
    code.overshoot = overshoot;
    const Decimal& off = takeFive ? fiveOff : fourOff;
    return ValueEncoding{0, code, chosen.Value(), off != Decimal{}};
}

}  // namespace kolvar
