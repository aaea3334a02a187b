#pragma once

namespace kolvar {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// Right and bottom edges are outside the rectangle.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

inline void InflateRect(Rect& rect, int dx, int dy) {
    rect.left -= dx;
    rect.top -= dy;
    rect.right += dx;
    rect.bottom += dy;
}

inline void OffsetRect(Rect& rect, int dx, int dy) {
    rect.left += dx;
    rect.top += dy;
    rect.right += dx;
    rect.bottom += dy;
}

inline void CopyRect(Rect& destination, const Rect& source) {
    destination = source;
}

// a * b / c from a 64-bit product, rounded to nearest with halves away from zero.
// A zero divisor or a result outside 32 bits gives -1.
int MulDiv(int a, int b, int c);

}  // namespace kolvar
