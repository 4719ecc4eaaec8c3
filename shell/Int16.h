#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>

// Scroll values and the sizes derived from them are 16-bit integers.
namespace Int16 {

// Rounds to the nearest integer, halves to the even neighbour. Throws
// std::overflow_error("Overflow") when the result does not fit in 16 bits.
inline int16_t round(double value)
{
    const double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<int16_t>::min() && rounded <= std::numeric_limits<int16_t>::max()))
        throw std::overflow_error("Overflow");
    return static_cast<int16_t>(rounded);
}

} // namespace Int16
