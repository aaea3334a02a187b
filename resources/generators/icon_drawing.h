#pragma once

// The resistor of the program's icon drawn at any size from the shapes it is made of, pixel by
// pixel with hard edges, as the hand-drawn 16- and 32-pixel images are: the body is two end caps
// joined by a narrower middle, outlined wherever it borders the background, the caps' corners
// cut back; the leads run out to the image's edges; the bands fill the body's inside.

#include <array>
#include <optional>

#include "resources/generators/standard_palette.h"

namespace kolvar {

// Columns or rows from `first` to `last`, both included.
struct Span {
    int first;
    int last;
    bool Holds(int value) const { return first <= value && value <= last; }
};

struct IconShapes {
    int size;
    int outline;  // thickness of the grey outline
    int corner;   // radius by which the caps' corners are rounded off; 1 cuts one pixel
    int shading;  // rows of light under the top edges and of shade over the bottom ones; 0: flat
    Span leftCap;
    Span middle;
    Span rightCap;
    Span capRows;
    Span middleRows;
    Span leadRows;
    std::array<Span, 4> bands;  // cyan, green, red and yellow, left to right
};

// The colour of a pixel of the drawing; none where the icon is transparent.
std::optional<RgbColour> DrawnIconPixel(const IconShapes& shapes, int x, int y);

}  // namespace kolvar
