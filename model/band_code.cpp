#include "model/band_code.h"

namespace kolvar {

bool IsFiveBand(const BandCode& code) {
    return code.extended != 0;
}

int BandCount(const BandCode& code) {
    return IsFiveBand(code) ? 5 : 4;
}

bool HasToleranceBand(ColourCode overshoot) {
    // 9 stands for "no band"; 0, 3 and 4 have no tolerance at all.
    return overshoot >= kSilver && overshoot <= 8 && overshoot != 0 && overshoot != 3 &&
           overshoot != 4;
}

BandSlots BandsInDrawingOrder(const BandCode& code) {
    BandSlots slots;
    int next = 0;
    slots[next++] = code.digit1;
    slots[next++] = code.digit2;
    if (IsFiveBand(code)) {
        slots[next++] = code.digit3;
    }
    slots[next++] = code.power;
    if (HasToleranceBand(code.overshoot)) {
        slots[next] = code.overshoot;
    }
    return slots;
}

int SignificantNumber(const BandCode& code) {
    const int leading = code.digit1 * 10 + code.digit2;
    return IsFiveBand(code) ? leading * 10 + code.digit3 : leading;
}

bool IsDisplayable(const BandCode& code) {
    return IsColourCode(code.digit1) && IsColourCode(code.digit2) && IsColourCode(code.digit3) &&
           IsColourCode(code.power) && IsColourCode(code.overshoot);
}

void ToggleFiveBand(BandCode& code) {
    code.extended = code.extended == 0 ? 1 : 0;
}

std::string BandsInWords(const BandCode& code) {
    std::string words;
    for (const std::optional<ColourCode>& band : BandsInDrawingOrder(code)) {
        if (band) {
            words += words.empty() ? "" : ", ";
            words += ColourName(*band);
        }
    }
    return words;
}

}  // namespace kolvar
