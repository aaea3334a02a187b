#include "platform/dialog_units.h"

#include "platform/geometry.h"
#include "platform/qt_conversions.h"

namespace kolvar {
namespace {

constexpr int kUnitsPerBaseX = 4;
constexpr int kUnitsPerBaseY = 8;

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

}  // namespace kolvar
