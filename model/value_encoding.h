#pragma once

#include "model/band_code.h"
#include "model/decimal.h"
#include "model/value_reading.h"

namespace kolvar {

// The resistance the code's digits and multiplier mark. Digits and multiplier must be codes.
Decimal ValueOf(const BandCode& code);

struct ValueEncoding {
    unsigned errorId = 0;  // the string id of why the value cannot be shown; 0 when encoded
    BandCode code;         // the current code, unchanged, on an error
    Decimal ohms;          // what the code marks
    bool rounded = false;  // it marks the nearest value the bands can show, not the one asked
};

// The bands for a value: exactly in the current band count where it can, else exactly in the
// other, else the nearest value of either count; of two equally near values of one count the
// larger, and of two counts the current one. A typed tolerance sets the tolerance band, an
// untyped one keeps it. The digit a four-band code does not show is kept.
ValueEncoding EncodeValue(const ValueReading& reading, const BandCode& current);

}  // namespace kolvar
