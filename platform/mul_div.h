#pragma once

namespace kolvar {

// a * b / c from a 64-bit product, rounded to nearest with halves away from zero.
// A zero divisor or a result outside 32 bits gives -1.
int MulDiv(int a, int b, int c);

}  // namespace kolvar
