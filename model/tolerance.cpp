#include "model/tolerance.h"

#include <algorithm>
#include <array>

namespace kolvar {
namespace {

struct ToleranceColour {
    ColourCode overshoot;
    Decimal percent;
};

constexpr std::array<ToleranceColour, 9> kToleranceColours = {{
    {9, {2, 1}},
    {kSilver, {1, 1}},
    {kGold, {5, 0}},
    {2, {2, 0}},
    {1, {1, 0}},
    {5, {5, -1}},
    {6, {25, -2}},
    {7, {1, -1}},
    {8, {5, -2}},
}};

// value × (100 ± percent) / 100
std::optional<Decimal> Scaled(const Decimal& value, const Decimal& hundredPlusPercent) {
    const auto product = Multiply(value, hundredPlusPercent);
    if (!product) {
        return std::nullopt;
    }
    return MakeDecimal(product->significand, product->exponent - 2);
}

}  // namespace

std::optional<ColourCode> OvershootForPercent(const Decimal& percent) {
    const auto* found = std::ranges::find(kToleranceColours, percent, &ToleranceColour::percent);
    if (found == kToleranceColours.end()) {
        return std::nullopt;
    }
    return found->overshoot;
}

std::optional<Decimal> PercentOfOvershoot(ColourCode overshoot) {
    const auto* found =
        std::ranges::find(kToleranceColours, overshoot, &ToleranceColour::overshoot);
    if (found == kToleranceColours.end()) {
        return std::nullopt;
    }
    return found->percent;
}

std::optional<ValueRange> ToleranceRange(const Decimal& value, const Decimal& percent) {
    constexpr Decimal kHundred{1, 2};
    const auto lowFactor = Subtract(kHundred, percent);
    const auto highFactor = Add(kHundred, percent);
    if (!lowFactor || !highFactor) {
        return std::nullopt;
    }
    const auto lowest = Scaled(value, *lowFactor);
    const auto highest = Scaled(value, *highFactor);
    if (!lowest || !highest) {
        return std::nullopt;
    }
    return ValueRange{std::max(*lowest, Decimal{}), *highest};
}

}  // namespace kolvar
