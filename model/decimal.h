#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>

namespace kolvar {

// A resistance or a percentage held exactly, as significand × 10^exponent. A typed "4.7k" must
// meet the band code's 47 × 10^2 exactly, which a double's 4700.000000000001 need not.
struct Decimal {
    std::int64_t significand = 0;  // never ends in 0; zero is 0 × 10^0; |significand| < 10^18
    int exponent = 0;

    friend bool operator==(const Decimal&, const Decimal&) = default;
};

inline constexpr std::int64_t kDecimalLimit = 1'000'000'000'000'000'000;

// 10^exponent for exponents from 0 to 18.
std::int64_t PowerOfTen(int exponent);

// Trailing zeros of the significand go into the exponent, so that equal values are equal
// member by member. The significand must stay below kDecimalLimit in magnitude.
Decimal MakeDecimal(std::int64_t significand, int exponent);

// 0 for zero.
int SignificantDigits(const Decimal& value);
// The power of ten of the leading digit: 2 for 470, -1 for 0.47. Zero gives 0.
int LeadingPower(const Decimal& value);

std::strong_ordering operator<=>(const Decimal& a, const Decimal& b);

// Exact results, or nothing where the significand would reach kDecimalLimit.
std::optional<Decimal> Add(const Decimal& a, const Decimal& b);
std::optional<Decimal> Subtract(const Decimal& a, const Decimal& b);
std::optional<Decimal> Multiply(const Decimal& a, const Decimal& b);

// value / 10^exponent rounded to a whole number, halves away from zero; nothing where it does
// not fit.
std::optional<std::int64_t> RoundToPower(const Decimal& value, int exponent);

// Plain digits with a point and no exponent: "4.7", "0.047", "4700".
std::string DecimalText(const Decimal& value);

}  // namespace kolvar
