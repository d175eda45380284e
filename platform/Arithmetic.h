#pragma once
// Integer arithmetic with the program's rounding rules.

#include <cmath>
#include <cstdint>

namespace Arithmetic {

// Rounds to the nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
inline int RoundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(value)); // default FE_TONEAREST is half-to-even
}

// numerator * factor / denominator, rounded half to even, computed exactly in integers.
inline int ScaleRounded(int numerator, int factor, int denominator) {
    const std::int64_t product = static_cast<std::int64_t>(numerator) * factor;
    std::int64_t quotient = product / denominator;
    const std::int64_t twiceRest = 2 * (product - quotient * denominator);
    if (twiceRest > denominator || (twiceRest == denominator && (quotient % 2) != 0))
        ++quotient;
    return static_cast<int>(quotient);
}

} // namespace Arithmetic
