#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

// A whole double to 64 bits: beyond the range it is held at the range's ends and a
// value that is no number gives 0, so a damaged file's figure cannot overflow.
inline std::int64_t saturatedWhole(double whole)
{
    constexpr double kTop = 9223372036854775808.0; // 2^63
    if (std::isnan(whole))
        return 0;
    if (whole >= kTop)
        return std::numeric_limits<std::int64_t>::max();
    if (whole < -kTop)
        return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(whole);
}

// A fraction made whole: nearest, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
inline std::int64_t roundHalfEven(double v)
{
    return saturatedWhole(std::nearbyint(v)); // default FE_TONEAREST is half-even
}

// The whole part (floor), where a value is "rounded down".
inline std::int64_t wholePart(double v)
{
    return saturatedWhole(std::floor(v));
}
