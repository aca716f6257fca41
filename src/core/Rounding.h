#pragma once

#include <cmath>
#include <cstdint>

// A fraction made whole: nearest, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
inline std::int64_t roundHalfEven(double v)
{
    return static_cast<std::int64_t>(std::nearbyint(v)); // default FE_TONEAREST is half-even
}

// The whole part (floor), where a value is "rounded down".
inline std::int64_t wholePart(double v)
{
    return static_cast<std::int64_t>(std::floor(v));
}
