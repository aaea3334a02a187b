#pragma once

#include <string>

#include "model/band_code.h"
#include "model/decimal.h"

namespace kolvar {

// The value as the caption writes it, without the tolerance: "4.7 кОм", "0.47 Ом".
std::string ResistanceText(const Decimal& ohms);

// IEC 60062's letter code, the letter in place of the decimal point: "4K7", "470R", "1M0",
// "R47", "47K3". A code of a single digit gets a 0 after it, as in the standard's table: "R10".
std::string LetterCode(const Decimal& ohms);

// The SMD marking: three digits for two significant digits ("472"), four for three ("4701"),
// R for the point below the first multiplier ("4R7", "R47", "47R5"). Empty where the value
// has more than three significant digits or lies above 999 GΩ.
std::string SmdMarking(const Decimal& ohms);

// The EIA-96 marking of an E96 value from 0.1 Ω to 97.6 MΩ: "01C" for 10 kΩ. Empty for others.
std::string Eia96Marking(const Decimal& ohms);

struct ValueMarkings {
    std::string caption;     // "4.7 кОм ± 5 %"
    std::string letterCode;  // "4K7"
    std::string smd;         // "472"; empty where there is none
    std::string eia96;       // empty where the value is not E96

    friend bool operator==(const ValueMarkings&, const ValueMarkings&) = default;
};

// Every way of writing the code's value. The code must be displayable.
ValueMarkings MarkingsOf(const BandCode& code);

}  // namespace kolvar
