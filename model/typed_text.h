#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "model/decimal.h"

namespace kolvar {

// The string id of what makes the bytes no typed text: not UTF-8, or a control character in
// them. 0 when they are text.
unsigned CharacterProblem(std::string_view utf8);
std::size_t CharacterCount(std::string_view utf8);

// Without the spaces around it: ordinary, no-break, thin and narrow no-break, which Russian
// typesetting puts between a number and its unit.
std::string_view TrimSpaces(std::string_view text);

// A trailing tolerance in percent split off: "4.7k ± 5 %" into "4.7k" and "5". It must follow
// a sign (±, +-, +/-) or a space, and the value part may be empty. Nothing where the text ends
// in % but no number stands before it, or it is glued to the value ("4K75%").
struct PercentSplit {
    std::string_view value;
    std::string_view percent;  // empty without a tolerance
};
std::optional<PercentSplit> SplitAtPercent(std::string_view text);

// How many significant digits the text's digits together make: "0.04700" makes two.
int SignificantDigitsIn(std::string_view text);

// Reads a text from the front, piece by piece.
class TextCursor {
public:
    explicit TextCursor(std::string_view text) : rest_(text) {}

    bool AtEnd() const { return rest_.empty(); }
    // Exactly these bytes.
    bool Take(std::string_view literal);
    // The ASCII letters in any case; `lowerCase` must be written in lower case.
    bool TakeIgnoringCase(std::string_view lowerCase);
    std::optional<int> TakeDigit();
    void SkipSpaces();

private:
    std::string_view rest_;
};

// Decimal digits as they are read, the integer part first, into an exact value.
class DigitRun {
public:
    void Add(int digit);
    void StartFraction() { inFraction_ = true; }
    // Every digit taken, leading zeros too.
    int Count() const { return count_; }
    // The digits × 10^power; nothing where they are more than a Decimal holds.
    std::optional<Decimal> Value(int power) const;

private:
    std::int64_t significand_ = 0;
    int trailingZeros_ = 0;  // held back so that "4700000000000000000000" still fits
    int fractionDigits_ = 0;
    int significantDigits_ = 0;
    int count_ = 0;
    bool inFraction_ = false;
};

}  // namespace kolvar
