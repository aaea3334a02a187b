#include "platform/geometry.h"

#include <cstdint>
#include <limits>

namespace kolvar {

int MulDiv(int a, int b, int c) {
    if (c == 0) {
        return -1;
    }
    const std::int64_t product = std::int64_t{a} * b;
    const std::int64_t divisor = c;
    const bool negative = (product < 0) != (divisor < 0);
    const std::uint64_t magnitude =
        product < 0 ? 0 - static_cast<std::uint64_t>(product) : static_cast<std::uint64_t>(product);
    const std::uint64_t divisorMagnitude =
        divisor < 0 ? static_cast<std::uint64_t>(-divisor) : static_cast<std::uint64_t>(divisor);
    const std::uint64_t rounded = (magnitude + divisorMagnitude / 2) / divisorMagnitude;
    if (rounded >
        static_cast<std::uint64_t>(std::numeric_limits<int>::max()) + (negative ? 1 : 0)) {
        return -1;
    }
    const auto value = static_cast<std::int64_t>(rounded);
    return static_cast<int>(negative ? -value : value);
}

}  // namespace kolvar
