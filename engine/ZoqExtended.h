#pragma once

// Extended-precision building blocks of the engine's elementary functions (x87 80-bit
// long double, the same on both x86-64 builds).

#include <cstdint>
#include <cstring>
#include <limits>

// Extended values passed to a function that is not inlined travel through memory;
// the kernels of the hot paths are inlined so that they stay in x87 registers.
#define ZOQ_EXTENDED_INLINE inline __attribute__((always_inline))

static_assert(std::numeric_limits<long double>::digits == 64,
              "the elementary functions need the x87 extended format");

// 2^n exactly, for n within the extended exponent range; built from its bits, which is
// much faster than a library call.
inline long double ZoqPowerOfTwo(int n) {
    unsigned char bytes[sizeof(long double)] = {};
    const uint64_t significand = uint64_t{1} << 63;
    const uint16_t exponent = static_cast<uint16_t>(16383 + n);
    std::memcpy(bytes, &significand, sizeof significand);
    std::memcpy(bytes + sizeof significand, &exponent, sizeof exponent);
    long double value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

// A finite positive double as mantissa · 2^exponent with the mantissa in [1, 2);
// `fraction` holds the mantissa's 52 stored bits. A subnormal x is first scaled
// exactly by 2^ScaleBits into the normal range; callers pick the scale their later
// steps were tuned with.
struct SZoqBinaryParts {
    double mantissa;
    int exponent;
    uint64_t fraction;
};

template <int ScaleBits> ZOQ_EXTENDED_INLINE SZoqBinaryParts ZoqBinaryParts(double x) {
    static_assert(ScaleBits >= 53 && ScaleBits < 1023, "scales every subnormal to a normal");
    constexpr double kScale = [] {
        double scale = 1;
        for (int i = 0; i < ScaleBits; ++i) {
            scale *= 2;
        }
        return scale;
    }();
    int e = 0;
    if (x < 0x1p-1022) {
        x *= kScale;
        e = -ScaleBits;
    }
    uint64_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    const int exponent = e + static_cast<int>(bits >> 52) - 1023;
    const uint64_t fraction = bits & ((uint64_t{1} << 52) - 1);
    const uint64_t mantissaBits = fraction | (uint64_t{1023} << 52);
    double m;
    std::memcpy(&m, &mantissaBits, sizeof m);
    return {m, exponent, fraction};
}

// c[0] + c[1]·z + … + c[n-1]·z^(n-1) as two interleaved Horner chains in z², which
// halves the chain of dependent operations.
template <int N> long double ZoqPolynomial(const long double (&c)[N], long double z) {
    const long double z2 = z * z;
    long double even = 0;
    long double odd = 0;
    int k = N - 1;
    if (k % 2 == 0) {
        even = c[k--];
    }
    for (; k >= 1; k -= 2) {
        odd = odd * z2 + c[k];
        even = even * z2 + c[k - 1];
    }
    return even + z * odd;
}
