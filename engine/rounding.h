// Rounding of a real to a whole number, as the whole program does it: to the
// nearest, halves to the even neighbour.
#pragma once

#include <cmath>
#include <cstdint>

inline int32_t roundHalfEven(double value) {
    // The default rounding mode is to nearest, ties to even.
    return static_cast<int32_t>(std::nearbyint(value));
}
