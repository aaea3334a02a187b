#include "model/decimal.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstddef>
#include <cstdlib>

namespace kolvar {
namespace {

constexpr int kMaxDigits = 18;

constexpr std::array<std::int64_t, kMaxDigits + 1> kPowersOfTen = [] {
    std::array<std::int64_t, kMaxDigits + 1> powers{1};
    for (std::size_t i = 1; i < powers.size(); ++i) {
        powers[i] = powers[i - 1] * 10;
    }
    return powers;
}();

bool FitsDecimal(std::int64_t significand) {
    return significand > -kDecimalLimit && significand < kDecimalLimit;
}

// significand × 10^shift, where that stays a decimal's significand.
std::optional<std::int64_t> Shifted(std::int64_t significand, int shift) {
    if (significand == 0) {
        return 0;
    }
    std::int64_t shifted = 0;
    if (shift > kMaxDigits ||
        __builtin_mul_overflow(significand, kPowersOfTen[static_cast<std::size_t>(shift)],
                               &shifted) ||
        !FitsDecimal(shifted)) {
        return std::nullopt;
    }
    return shifted;
}

std::strong_ordering CompareMagnitudes(const Decimal& a, const Decimal& b) {
    if (const auto order = LeadingPower(a) <=> LeadingPower(b); order != 0) {
        return order;
    }
    // Same leading power: the significands padded to the same number of digits, which both
    // already have fewer than kMaxDigits of, so neither shift can overflow.
    const int digitsA = SignificantDigits(a);
    const int digitsB = SignificantDigits(b);
    const int digits = std::max(digitsA, digitsB);
    return *Shifted(std::llabs(a.significand), digits - digitsA) <=>
           *Shifted(std::llabs(b.significand), digits - digitsB);
}

int Sign(const Decimal& value) {
    return (value.significand > 0) - (value.significand < 0);
}

}  // namespace

std::int64_t PowerOfTen(int exponent) {
    assert(exponent >= 0 && exponent <= kMaxDigits);
    return kPowersOfTen[static_cast<std::size_t>(exponent)];
}

Decimal MakeDecimal(std::int64_t significand, int exponent) {
    assert(FitsDecimal(significand));
    if (significand == 0) {
        return {};
    }
    while (significand % 10 == 0) {
        significand /= 10;
        ++exponent;
    }
    return {significand, exponent};
}

int SignificantDigits(const Decimal& value) {
    int digits = 0;
    for (std::int64_t rest = value.significand; rest != 0; rest /= 10) {
        ++digits;
    }
    return digits;
}

int LeadingPower(const Decimal& value) {
    return value.significand == 0 ? 0 : SignificantDigits(value) - 1 + value.exponent;
}

std::strong_ordering operator<=>(const Decimal& a, const Decimal& b) {
    if (const auto order = Sign(a) <=> Sign(b); order != 0 || Sign(a) == 0) {
        return order;
    }
    return Sign(a) > 0 ? CompareMagnitudes(a, b) : CompareMagnitudes(b, a);
}

std::optional<Decimal> Add(const Decimal& a, const Decimal& b) {
    if (a.significand == 0 || b.significand == 0) {
        return a.significand == 0 ? b : a;
    }
    const int exponent = std::min(a.exponent, b.exponent);
    const auto alignedA = Shifted(a.significand, a.exponent - exponent);
    const auto alignedB = Shifted(b.significand, b.exponent - exponent);
    std::int64_t sum = 0;
    if (!alignedA || !alignedB || __builtin_add_overflow(*alignedA, *alignedB, &sum) ||
        !FitsDecimal(sum)) {
        return std::nullopt;
    }
    return MakeDecimal(sum, exponent);
}

std::optional<Decimal> Subtract(const Decimal& a, const Decimal& b) {
    return Add(a, Decimal{-b.significand, b.exponent});
}

std::optional<Decimal> Multiply(const Decimal& a, const Decimal& b) {
    std::int64_t product = 0;
    if (__builtin_mul_overflow(a.significand, b.significand, &product) || !FitsDecimal(product)) {
        return std::nullopt;
    }
    return MakeDecimal(product, a.exponent + b.exponent);
}

std::optional<std::int64_t> RoundToPower(const Decimal& value, int exponent) {
    if (value.exponent >= exponent) {
        return Shifted(value.significand, value.exponent - exponent);
    }
    const int shift = exponent - value.exponent;
    if (shift > kMaxDigits) {
        return 0;  // the significand is below 10^18, so the quotient is below a tenth
    }
    const std::int64_t divisor = kPowersOfTen[static_cast<std::size_t>(shift)];
    const std::int64_t quotient = value.significand / divisor;
    const std::int64_t remainder = std::llabs(value.significand % divisor);
    return remainder * 2 >= divisor ? quotient + Sign(value) : quotient;
}

std::string DecimalText(const Decimal& value) {
    std::string digits = std::to_string(std::llabs(value.significand));
    const std::string sign = value.significand < 0 ? "-" : "";
    if (value.exponent >= 0) {
        return sign + digits + std::string(static_cast<std::size_t>(value.exponent), '0');
    }
    const auto point = static_cast<std::ptrdiff_t>(digits.size()) + value.exponent;
    if (point <= 0) {
        return sign + "0." + std::string(static_cast<std::size_t>(-point), '0') + digits;
    }
    digits.insert(static_cast<std::size_t>(point), ".");
    return sign + digits;
}

}  // namespace kolvar
