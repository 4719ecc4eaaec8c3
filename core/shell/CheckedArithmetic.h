#pragma once

#include <cstdint>

// The number rules of the windows' scroll values and page sizes. "Rounded" is to the
// nearest integer with halves to even (std::nearbyint in the default rounding mode);
// "rounded down" is towards minus infinity. Conversions to a 16- or 32-bit integer that do not fit fail with "Overflow",
// except where the page view deliberately clamps (scroll maxima and page offsets).
namespace CheckedArithmetic {

inline constexpr int int16Max = INT16_MAX;
inline constexpr int int16Min = INT16_MIN;

// Throws std::overflow_error("Overflow") when the rounded value does not fit.
std::int32_t roundToInt32(double value);
std::int16_t roundToInt16(double value);
std::int32_t floorToInt32(double value);

// Rounded, then clamped into the 16-bit range: for scroll maxima of pages too large for a
// 16-bit scrollbar.
std::int16_t roundClampedToInt16(double value);
// A 16-bit product clamped into the 16-bit range, for the page offset of a scroll position.
std::int16_t clampedProduct16(int factor, int position);

} // namespace CheckedArithmetic
