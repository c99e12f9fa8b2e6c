#pragma once

#include <cmath>

// x raised to y for the engine. mingw-w64's pow is off by up to a few hundred units in
// the last place on ordinary arguments (1E-47 came out as 1.00000000000001e-047); its
// x87 powl carries 64 bits of precision, so rounding that to double gives the correctly
// rounded power but for rare double-rounding ties, with the same special cases.
inline double ZoqPow(double base, double exponent) {
#if defined(__MINGW32__)
    return static_cast<double>(
        std::pow(static_cast<long double>(base), static_cast<long double>(exponent)));
#else
    return std::pow(base, exponent);
#endif
}
