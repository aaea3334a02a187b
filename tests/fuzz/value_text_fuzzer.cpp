// Whatever is typed, reading it gives readings or one error, never both. Each reading the bands
// can show becomes a code the picture and caption can show, of the value the encoding names;
// where nothing was rounded that is the value read. The code's markings read back as its
// value, and the neighbours and tolerance span of what was read lie around it.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "model/band_code.h"
#include "model/e_series.h"
#include "model/tolerance.h"
#include "model/value_encoding.h"
#include "model/value_markings.h"
#include "model/value_reading.h"
#include "resources/string_table.h"

namespace kolvar {
namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool ReadsAs(std::string_view marking, const Decimal& ohms) {
    const TextReading read = ReadValueText(marking);
    return std::ranges::any_of(read.readings,
                               [&](const ValueReading& reading) { return reading.ohms == ohms; });
}

bool ShowsDigits(const BandCode& code) {
    return code.digit1 >= 1 && code.digit2 >= 0 && code.digit3 >= 0 && code.power >= -2 &&
           IsDisplayable(code);
}

void CheckMarkings(const BandCode& code, const Decimal& ohms) {
    const ValueMarkings markings = MarkingsOf(code);
    Require(markings.caption.starts_with(ResistanceText(ohms) + " "));
    Require(ReadsAs(markings.letterCode, ohms));
    Require(markings.smd.empty() || ReadsAs(markings.smd, ohms));
    Require(markings.eia96.empty() || ReadsAs(markings.eia96, ohms));
}

void CheckEncoding(const ValueReading& reading, const BandCode& current) {
    const ValueEncoding encoded = EncodeValue(reading, current);
    if (encoded.errorId != 0) {
        Require(encoded.code == current && !LoadText(encoded.errorId).empty());
        return;
    }
    Require(ShowsDigits(encoded.code) && ValueOf(encoded.code) == encoded.ohms);
    Require(encoded.rounded != (encoded.ohms == reading.ohms));
    CheckMarkings(encoded.code, encoded.ohms);
}

void CheckSurroundings(const ValueReading& reading) {
    if (const auto neighbours = NearestInSeries(ESeries::kE96, reading.ohms)) {
        Require(neighbours->below <= reading.ohms && reading.ohms <= neighbours->above);
    }
    if (reading.tolerancePercent) {
        if (const auto range = ToleranceRange(reading.ohms, *reading.tolerancePercent)) {
            Require(range->lowest <= reading.ohms && reading.ohms <= range->highest);
        }
    }
}

}  // namespace
}  // namespace kolvar

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kolvar;
    const TextReading read =
        ReadValueText(std::string_view(reinterpret_cast<const char*>(data), size));
    Require(read.readings.empty() != (read.errorId == 0));
    Require(read.errorId == 0 || !LoadText(read.errorId).empty());
    for (const ValueReading& reading : read.readings) {
        CheckEncoding(reading, BandCode{});
        CheckEncoding(reading, BandCode{.extended = 1});
        CheckSurroundings(reading);
    }
    return 0;
}
