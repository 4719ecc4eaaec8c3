#include "core/shell/CheckedArithmetic.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace CheckedArithmetic {

namespace {

std::int64_t checkedInRange(double value, double low, double high)
{
    if (!std::isfinite(value) || value < low || value > high)
        throw std::overflow_error("Overflow");
    return static_cast<std::int64_t>(value);
}

} // namespace

std::int32_t roundToInt32(double value)
{
    return static_cast<std::int32_t>(checkedInRange(std::nearbyint(value), INT32_MIN, INT32_MAX));
}

std::int16_t roundToInt16(double value)
{
    return static_cast<std::int16_t>(checkedInRange(std::nearbyint(value), int16Min, int16Max));
}

std::int32_t floorToInt32(double value)
{
    return static_cast<std::int32_t>(checkedInRange(std::floor(value), INT32_MIN, INT32_MAX));
}

std::int16_t roundClampedToInt16(double value)
{
    if (std::isnan(value))
        return 0;
    return static_cast<std::int16_t>(std::clamp(std::nearbyint(value), double(int16Min), double(int16Max)));
}

std::int16_t clampedProduct16(int factor, int position)
{
    const long long product = static_cast<long long>(factor) * position;
    return static_cast<std::int16_t>(std::clamp<long long>(product, int16Min, int16Max));
}

} // namespace CheckedArithmetic
