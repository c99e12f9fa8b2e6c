#include "engine/ZoqMath.h"

#include "engine/ZoqAngleReduction.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

using LD = long double;

constexpr LD kQuarterPiHi = 0xC90FDAA22168C235P-64L;
constexpr LD kQuarterPiLo = -0xECE675D1FC8F8CBBP-130L;
constexpr LD kHalfPiHi = 0xC90FDAA22168C235P-63L;
constexpr LD kHalfPiLo = -0xECE675D1FC8F8CBBP-129L;
// ln 2 with 40 significant bits, so that k·kLn2Hi is exact for every k the range needs.
constexpr LD kLn2Hi = 0xB17217F7D1P-40L;
constexpr LD kLn2Lo = 0xCF79ABC9E3B39804P-104L;
constexpr LD kLog2E = 0xB8AA3B295C17F0BCP-63L;
constexpr LD kLog10E = 0xDE5BD8A937287195P-65L;
constexpr LD kTanEighthPi = 0.41421356237309504880L;

constexpr int kTerms = 22;

// The coefficients of the series below, computed once by the compiler in extended
// precision: 1/n! (every n! up to 21! is exact in 64 bits of significand: it is an
// odd number below 2^64 times a power of two) and 1/n.
struct SCoefficients {
    LD inverseFactorial[kTerms];
    LD inverse[2 * kTerms];
};

constexpr SCoefficients MakeCoefficients() {
    SCoefficients c{};
    LD factorial = 1;
    for (int n = 0; n < kTerms; ++n) {
        if (n > 1) {
            factorial *= n;
        }
        c.inverseFactorial[n] = 1 / factorial;
    }
    for (int n = 1; n < 2 * kTerms; ++n) {
        c.inverse[n] = 1.0L / n;
    }
    return c;
}

constexpr SCoefficients kCoefficients = MakeCoefficients();

LD InverseFactorial(int n) {
    return kCoefficients.inverseFactorial[n];
}

// sin r for |r| <= π/4 (Taylor to r^21; the next term is below 2^-70 of the result).
LD SinKernel(LD r) {
    const LD z = r * r;
    LD sum = 0;
    for (int k = 10; k >= 1; --k) {
        const LD term = InverseFactorial(2 * k + 1);
        sum = sum * z + (k % 2 ? -term : term);
    }
    return r + r * z * sum;
}

// cos r for |r| <= π/4 (Taylor to r^20).
LD CosKernel(LD r) {
    const LD z = r * r;
    LD sum = 0;
    for (int k = 10; k >= 1; --k) {
        const LD term = InverseFactorial(2 * k);
        sum = sum * z + (k % 2 ? -term : term);
    }
    return 1 + z * sum;
}

// sin and cos of x: which kernel and which sign the quadrant gives each.
void SinCos(double x, LD* sine, LD* cosine) {
    int quadrant;
    LD hi;
    LD lo;
    ZoqReduceQuarterTurns(x, &quadrant, &hi, &lo);
    // The low part enters to first order: sin(h + l) = sin h + l·cos h.
    const LD s = SinKernel(hi);
    const LD c = CosKernel(hi);
    // lo is 0 for small x, and adding it would turn sin(-0) into +0.
    const LD sr = lo == 0 ? s : s + lo * c;
    const LD cr = lo == 0 ? c : c - lo * s;
    switch (quadrant) {
    case 0:
        *sine = sr;
        *cosine = cr;
        break;
    case 1:
        *sine = cr;
        *cosine = -sr;
        break;
    case 2:
        *sine = -sr;
        *cosine = -cr;
        break;
    default:
        *sine = -cr;
        *cosine = sr;
        break;
    }
}

// 2^n as an extended value, exactly, for |n| below the extended exponent range.
LD PowerOfTwo(int n) {
    return std::ldexp(1.0L, n);
}

// e^x for |x| <= 12000, which the extended range holds without overflow.
LD ExpExtended(LD x) {
    const LD scaled = x * kLog2E;
    const int k = static_cast<int>(scaled < 0 ? scaled - 0.5L : scaled + 0.5L);
    const LD r = (x - k * kLn2Hi) - k * kLn2Lo;
    LD sum = 0;
    for (int n = 18; n >= 1; --n) {
        sum = (sum + InverseFactorial(n)) * r;
    }
    return (1 + sum) * PowerOfTwo(k);
}

// ln x for a finite positive double.
LD LogExtended(double x) {
    int e = 0;
    if (x < 0x1p-1022) {
        x *= 0x1p54;
        e = -54;
    }
    uint64_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    e += static_cast<int>(bits >> 52) - 1023;
    bits = (bits & ((uint64_t{1} << 52) - 1)) | (uint64_t{1023} << 52);
    double m;
    std::memcpy(&m, &bits, sizeof m);
    LD mantissa = m;
    if (mantissa > 1.41421356237309504880L) {
        mantissa *= 0.5L;
        ++e;
    }
    // ln m = 2 atanh s with s = (m - 1)/(m + 1), |s| <= 0.1716.
    const LD s = (mantissa - 1) / (mantissa + 1);
    const LD z = s * s;
    LD sum = 0;
    for (int k = 13; k >= 1; --k) {
        sum = sum * z + kCoefficients.inverse[2 * k + 1];
    }
    const LD logMantissa = 2 * s + 2 * s * z * sum;
    return e * kLn2Hi + (e * kLn2Lo + logMantissa);
}

// atan t for |t| <= tan(π/16) (Taylor to t^27).
LD AtanKernel(LD t) {
    const LD z = t * t;
    LD sum = 0;
    for (int k = 13; k >= 1; --k) {
        const LD term = kCoefficients.inverse[2 * k + 1];
        sum = sum * z + (k % 2 ? -term : term);
    }
    return t + t * z * sum;
}

// atan t for any extended t, infinities included.
LD AtanExtended(LD t) {
    if (t == 0) {
        return t;
    }
    const int negative = t < 0;
    if (negative) {
        t = -t;
    }
    LD baseHi = 0;
    LD baseLo = 0;
    LD sign = 1;
    if (t > 1) {
        // atan t = π/2 - atan(1/t).
        t = 1 / t;
        baseHi = kHalfPiHi;
        baseLo = kHalfPiLo;
        sign = -1;
    }
    if (t > kTanEighthPi) {
        // atan t = π/4 + atan((t - 1)/(t + 1)).
        t = (t - 1) / (t + 1);
        baseHi += sign * kQuarterPiHi;
        baseLo += sign * kQuarterPiLo;
    }
    // atan u = 2 atan(u / (1 + sqrt(1 + u²))) brings |u| below tan(π/16).
    const LD half = t / (1 + std::sqrt(1 + t * t));
    const LD atan = 2 * AtanKernel(half);
    const LD result = baseHi + (baseLo + sign * atan);
    return negative ? -result : result;
}

// sinh x for |x| < 0.5 (Taylor to x^19).
LD SinhKernel(LD x) {
    const LD z = x * x;
    LD sum = 0;
    for (int k = 9; k >= 1; --k) {
        sum = sum * z + InverseFactorial(2 * k + 1);
    }
    return x + x * z * sum;
}

double Nan() {
    return std::numeric_limits<double>::quiet_NaN();
}

} // namespace

double ZoqSin(double x) {
    if (std::isnan(x) || std::isinf(x)) {
        return x - x;
    }
    if (x == 0) {
        return x; // keeps the sign of -0
    }
    LD s;
    LD c;
    SinCos(x, &s, &c);
    return static_cast<double>(s);
}

double ZoqCos(double x) {
    if (std::isnan(x) || std::isinf(x)) {
        return x - x;
    }
    LD s;
    LD c;
    SinCos(x, &s, &c);
    return static_cast<double>(c);
}

double ZoqTan(double x) {
    if (std::isnan(x) || std::isinf(x)) {
        return x - x;
    }
    if (x == 0) {
        return x; // keeps the sign of -0
    }
    LD s;
    LD c;
    SinCos(x, &s, &c);
    return static_cast<double>(s / c);
}

double ZoqAtan(double x) {
    if (std::isnan(x)) {
        return x;
    }
    return static_cast<double>(AtanExtended(x));
}

double ZoqAsin(double x) {
    if (std::isnan(x)) {
        return x;
    }
    if (std::fabs(x) > 1) {
        return Nan();
    }
    const LD v = x;
    // (1 - v)(1 + v) rather than 1 - v², which loses the digits next to ±1.
    const LD cosine = std::sqrt((1 - v) * (1 + v));
    if (cosine == 0) {
        return static_cast<double>(x < 0 ? -kHalfPiHi : kHalfPiHi);
    }
    return static_cast<double>(AtanExtended(v / cosine));
}

double ZoqAcos(double x) {
    if (std::isnan(x)) {
        return x;
    }
    if (std::fabs(x) > 1) {
        return Nan();
    }
    const LD v = x;
    if (v == -1) {
        return static_cast<double>(2 * kHalfPiHi);
    }
    // acos v = 2 atan(sqrt((1 - v)/(1 + v))), accurate next to 1 as well.
    return static_cast<double>(2 * AtanExtended(std::sqrt((1 - v) / (1 + v))));
}

double ZoqExp(double x) {
    if (std::isnan(x)) {
        return x;
    }
    if (x > 12000) {
        return std::numeric_limits<double>::infinity();
    }
    if (x < -12000) {
        return 0;
    }
    return static_cast<double>(ExpExtended(x));
}

double ZoqLog(double x) {
    if (std::isnan(x)) {
        return x;
    }
    if (x < 0) {
        return Nan();
    }
    if (x == 0) {
        return -std::numeric_limits<double>::infinity();
    }
    if (std::isinf(x)) {
        return x;
    }
    return static_cast<double>(LogExtended(x));
}

double ZoqLog10(double x) {
    if (std::isnan(x) || x <= 0 || std::isinf(x)) {
        return ZoqLog(x);
    }
    return static_cast<double>(LogExtended(x) * kLog10E);
}

double ZoqSinh(double x) {
    if (std::isnan(x)) {
        return x;
    }
    const double magnitude = std::fabs(x);
    LD result;
    if (magnitude < 0.5) {
        result = SinhKernel(magnitude);
    } else if (magnitude > 12000) {
        result = std::numeric_limits<LD>::infinity();
    } else {
        const LD e = ExpExtended(magnitude);
        result = (e - 1 / e) / 2;
    }
    return static_cast<double>(std::signbit(x) ? -result : result);
}

double ZoqCosh(double x) {
    if (std::isnan(x)) {
        return x;
    }
    const double magnitude = std::fabs(x);
    if (magnitude > 12000) {
        return std::numeric_limits<double>::infinity();
    }
    const LD e = ExpExtended(magnitude);
    return static_cast<double>((e + 1 / e) / 2);
}

double ZoqTanh(double x) {
    if (std::isnan(x)) {
        return x;
    }
    const double magnitude = std::fabs(x);
    LD result;
    if (magnitude < 0.5) {
        const LD s = SinhKernel(magnitude);
        result = s / std::sqrt(1 + s * s);
    } else if (magnitude > 40) {
        result = 1;
    } else {
        result = 1 - 2 / (ExpExtended(2 * static_cast<LD>(magnitude)) + 1);
    }
    return static_cast<double>(std::signbit(x) ? -result : result);
}
