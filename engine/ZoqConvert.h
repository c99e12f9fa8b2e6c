#pragma once

#include <cmath>
#include <cstdint>

// The one conversion of doubles to 64-bit integers used by the bitwise operators and
// the base converter. A plain cast is undefined for values outside the range; these
// results are defined the way the handheld's processors did it: toward zero,
// saturating at the ends of the range, and 0 for not-a-number.
inline int64_t ZoqTruncateToInt64(double value) {
    if (std::isnan(value))
        return 0;
    // 2^63 is exact in double; every double below it converts without overflow.
    if (value >= 9223372036854775808.0)
        return INT64_MAX;
    if (value <= -9223372036854775808.0)
        return INT64_MIN;
    return static_cast<int64_t>(value);
}
