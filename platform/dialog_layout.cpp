#include "platform/dialog_layout.h"

#include <algorithm>

#include "platform/drawing_rules.h"

namespace kolvar {
namespace {

constexpr int kUnitsPerBaseX = 4;
constexpr int kUnitsPerBaseY = 8;

int Centred(int over, int overLength, int length, int areaStart, int areaEnd) {
    const int start = over + (overLength - length) / 2;
    return std::clamp(start, areaStart, std::max(areaStart, areaEnd - length));
}

}  // namespace

DialogBaseUnits DialogBaseUnitsForDpi(int logicalDpiX, int logicalDpiY) {
    const DialogBaseUnits atDesignDpi;
    return {ScaledForDpi(atDesignDpi.x, logicalDpiX), ScaledForDpi(atDesignDpi.y, logicalDpiY)};
}

int DialogXToPixels(int x, DialogBaseUnits units) {
    return MulDiv(x, units.x, kUnitsPerBaseX);
}

int DialogYToPixels(int y, DialogBaseUnits units) {
    return MulDiv(y, units.y, kUnitsPerBaseY);
}

Rect DialogRectToPixels(int x, int y, int cx, int cy, DialogBaseUnits units) {
    const int left = DialogXToPixels(x, units);
    const int top = DialogYToPixels(y, units);
    return {left, top, left + DialogXToPixels(cx, units), top + DialogYToPixels(cy, units)};
}

Point CentredWindowPosition(Size window, const Rect& over, const Rect& workArea) {
    return {Centred(over.left, over.Width(), window.cx, workArea.left, workArea.right),
            Centred(over.top, over.Height(), window.cy, workArea.top, workArea.bottom)};
}

}  // namespace kolvar
