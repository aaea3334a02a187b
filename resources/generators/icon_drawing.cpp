#include "resources/generators/icon_drawing.h"

#include <algorithm>

namespace kolvar {
namespace {

enum class Part { None, Body, Lead };

bool InCaps(const IconShapes& shapes, int x, int y) {
    return (shapes.leftCap.Holds(x) || shapes.rightCap.Holds(x)) && shapes.capRows.Holds(y);
}

// The body as if its corners were square, which is what its straight edges are outlined by.
bool InSquareBody(const IconShapes& shapes, int x, int y) {
    return InCaps(shapes, x, y) || (shapes.middle.Holds(x) && shapes.middleRows.Holds(y));
}

// Outside the quarter circle of radius `corner` that rounds a cap's corner. A radius of 1 cuts
// the corner pixel alone.
bool CutCorner(const IconShapes& shapes, int x, int y) {
    if (!InCaps(shapes, x, y)) {
        return false;
    }
    const Span& cap = shapes.leftCap.Holds(x) ? shapes.leftCap : shapes.rightCap;
    const int dx = std::min(x - cap.first, cap.last - x);
    const int dy = std::min(y - shapes.capRows.first, shapes.capRows.last - y);
    if (dx >= shapes.corner || dy >= shapes.corner) {
        return false;
    }
    const double radius = shapes.corner - 0.5;
    const double cx = radius - dx;
    const double cy = radius - dy;
    return cx * cx + cy * cy > radius * radius;
}

bool InLead(const IconShapes& shapes, int x, int y) {
    return shapes.leadRows.Holds(y) && (x <= shapes.leftCap.first || x >= shapes.rightCap.last);
}

Part PartAt(const IconShapes& shapes, int x, int y) {
    if (x < 0 || y < 0 || x >= shapes.size || y >= shapes.size) {
        return Part::None;
    }
    if (InSquareBody(shapes, x, y)) {
        return CutCorner(shapes, x, y) ? Part::None : Part::Body;
    }
    return InLead(shapes, x, y) ? Part::Lead : Part::None;
}

// A body pixel is outline within `outline` pixels, square, of what is outside the square body,
// and within as many, round, of a cut corner; a lead pixel within as many of the background.
// Inner corners thus stay square and the rounded ones keep the outline's thickness.
bool IsOutline(const IconShapes& shapes, Part part, int x, int y) {
    const int reach = shapes.outline;
    for (int dy = -reach; dy <= reach; ++dy) {
        for (int dx = -reach; dx <= reach; ++dx) {
            const int nx = x + dx;
            const int ny = y + dy;
            const bool inImage = nx >= 0 && ny >= 0 && nx < shapes.size && ny < shapes.size;
            if (part == Part::Lead) {
                if (!inImage || (!InLead(shapes, nx, ny) && !InSquareBody(shapes, nx, ny))) {
                    return true;
                }
            } else if (!inImage || !InSquareBody(shapes, nx, ny)) {
                return true;
            } else if (dx * dx + dy * dy <= reach * reach && CutCorner(shapes, nx, ny)) {
                return true;
            }
        }
    }
    return false;
}

RgbColour InsideColour(const IconShapes& shapes, Part part, int x) {
    static constexpr std::array<PaletteIndex, 4> kBandColours{kAqua, kGreen, kRed, kYellow};
    if (part == Part::Body) {
        for (std::size_t band = 0; band < shapes.bands.size(); ++band) {
            if (shapes.bands[band].Holds(x)) {
                return kStandardPalette[kBandColours[band]];
            }
        }
    }
    return kStandardPalette[kSilver];
}

// How far the inside goes on up or down from the pixel, up to `limit`.
int InsideRun(const IconShapes& shapes, Part part, int x, int y, int step, int limit) {
    int run = 0;
    while (run < limit && PartAt(shapes, x, y + step * (run + 1)) == part &&
           !IsOutline(shapes, part, x, y + step * (run + 1))) {
        ++run;
    }
    return run;
}

std::uint8_t Mix(std::uint8_t from, std::uint8_t to, int percent) {
    return static_cast<std::uint8_t>(from + (to - from) * percent / 100);
}

RgbColour Toward(RgbColour colour, std::uint8_t target, int percent) {
    return {Mix(colour.red, target, percent), Mix(colour.green, target, percent),
            Mix(colour.blue, target, percent)};
}

// The light comes from above: the rows just under a top edge are lighter, those just over a
// bottom edge darker.
RgbColour Shaded(const IconShapes& shapes, Part part, int x, int y, RgbColour colour) {
    if (shapes.shading == 0) {
        return colour;
    }
    if (InsideRun(shapes, part, x, y, -1, shapes.shading) < shapes.shading) {
        return Toward(colour, 255, 50);
    }
    if (InsideRun(shapes, part, x, y, 1, shapes.shading) < shapes.shading) {
        return Toward(colour, 0, 25);
    }
    return colour;
}

}  // namespace

std::optional<RgbColour> DrawnIconPixel(const IconShapes& shapes, int x, int y) {
    const Part part = PartAt(shapes, x, y);
    if (part == Part::None) {
        return std::nullopt;
    }
    if (IsOutline(shapes, part, x, y)) {
        return kStandardPalette[kGrey];
    }
    return Shaded(shapes, part, x, y, InsideColour(shapes, part, x));
}

}  // namespace kolvar
