#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "model/decimal.h"

namespace kolvar {

// How a typed value was written. The order is the order of the string ids of their names.
enum class Notation {
    kNumber,          // "4700", "4,7 Ом"
    kSiPrefix,        // "4.7k", "4,7 кОм", "2.2MΩ"
    kLetterCode,      // IEC 60062: "4K7", "R47", "4K7J"; also SMD markings with R, which agree
    kSmdThreeDigits,  // "472": 47 × 10^2
    kSmdFourDigits,   // "4701": 470 × 10^1
    kEia96,           // "01C": the first E96 value × 10^2
};

// The string id of the notation's name, which reads after "прочитано как".
unsigned NotationNameId(Notation notation);

struct ValueReading {
    Decimal ohms;
    std::optional<Decimal> tolerancePercent;  // any that was typed, also one no band shows
    Notation notation = Notation::kNumber;
    // Written with a lower-case m, milli, which is easily meant for mega.
    bool milli = false;

    friend bool operator==(const ValueReading&, const ValueReading&) = default;
};

struct TextReading {
    // One reading, or two where the text reads two ways, the plain number or letter code
    // first. Readings of the same value and tolerance count once.
    std::vector<ValueReading> readings;
    unsigned errorId = 0;  // the string id of why nothing was read; 0 exactly when read
};

// Accepts a value with or without an SI prefix and unit, the IEC 60062 letter code with its
// tolerance letter, the SMD markings of three and four digits and EIA-96, each optionally
// followed by a tolerance in percent. A text of more than 15 significant digits is refused,
// never rounded. Any bytes at all are safe to pass.
TextReading ReadValueText(std::string_view utf8);

}  // namespace kolvar
