#pragma once
#include <cmath>
#include <cstdint>
#include <limits>

// Float to integer the way the game means it: truncate toward zero, and
// saturate instead of invoking undefined behaviour when the value is out of
// range (NaN becomes 0).
inline int32_t FloatToInt(double v) {
    if (std::isnan(v)) return 0;
    if (v >= 2147483647.0) return std::numeric_limits<int32_t>::max();
    if (v <= -2147483648.0) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(v);
}

// A 64-bit intermediate back into 32 bits, saturating: coordinates far off
// the screen stay far off instead of wrapping around into it.
inline int32_t Sat32(int64_t v) {
    if (v > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (v < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return int32_t(v);
}
