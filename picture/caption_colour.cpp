#include "picture/caption_colour.h"

#include <algorithm>
#include <cmath>

namespace kolvar {
namespace {

constexpr double kReadableContrast = 4.5;
constexpr Colour kBlack = Rgb(0, 0, 0);

// An sRGB channel as light, linear.
double Linear(int channel) {
    const double value = channel / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double RelativeLuminance(Colour colour) {
    return 0.2126 * Linear(RedOf(colour)) + 0.7152 * Linear(GreenOf(colour)) +
           0.0722 * Linear(BlueOf(colour));
}

// As WCAG 2 measures it, from 1 (the same) to 21 (black on white).
double ContrastRatio(Colour first, Colour second) {
    const double a = RelativeLuminance(first);
    const double b = RelativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

}  // namespace

Colour CaptionColour(const SysColours& colours) {
    const bool readable = ContrastRatio(kBlack, colours.window) >= kReadableContrast;
    return readable && !colours.highContrast ? kBlack : colours.windowText;
}

}  // namespace kolvar
