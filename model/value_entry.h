#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/band_code.h"

namespace kolvar {

// A band code the user can take in one step, and how the choice reads.
struct ValueChoice {
    BandCode code;
    std::string label;  // "&Второе прочтение: 4.7 кОм (SMD-маркировка из трёх цифр)"
};

// What a typed text comes to, as the value dialog shows it while the user types.
struct ValueEntry {
    // The bands the text gives, what OK applies; none while it gives none.
    std::optional<BandCode> code;
    // What was understood, one line each: the reading and caption, the bands in words, the
    // series or the nearest standard values, the tolerance range, the markings; or why the text
    // gives no bands.
    std::string description;
    // The text's second reading, where it reads two ways.
    std::optional<ValueChoice> secondReading;
    // The nearest value of E24, where the value is none.
    std::optional<ValueChoice> standardValue;
};

// The code as the caption writes it, which reads back as the same value and tolerance: "12 кОм
// ± 10 %"; without a tolerance where the code's marks none.
std::string EntryTextOf(const BandCode& code);

// Any bytes at all are safe to pass; the current code gives what the text leaves open: the
// band count where both counts can show the value, the tolerance where none is typed.
ValueEntry EnterValue(std::string_view text, const BandCode& current);

}  // namespace kolvar
