#include "engine/ZoqMath.h"

#include "engine/ZoqAngleReduction.h"
#include "engine/ZoqExtended.h"

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

// The series below, their coefficients computed once by the compiler in extended
// precision (every n! up to 21! is exact in 64 bits of significand: an odd number
// below 2^64 times a power of two).
struct SSeries {
    LD sine[10];      // (-1)^(k+1)/(2k+3)!: sin r = r + r·z·P(z), z = r²
    LD cosine[10];    // (-1)^(k+1)/(2k+2)!: cos r = 1 + z·P(z)
    LD exp[18];       // 1/(k+1)!: e^r = 1 + r·P(r)
    LD logarithm[13]; // 1/(2k+3): ln m = 2s + 2s·z·P(z)
    LD atan[13];      // (-1)^(k+1)/(2k+3): atan t = t + t·z·P(z)
    LD sinh[9];       // 1/(2k+3)!: sinh x = x + x·z·P(z)
};

constexpr SSeries MakeSeries() {
    SSeries s{};
    LD inverseFactorial[24] = {};
    LD factorial = 1;
    for (int n = 0; n < 24; ++n) {
        if (n > 1) {
            factorial *= n;
        }
        inverseFactorial[n] = 1 / factorial;
    }
    for (int k = 0; k < 10; ++k) {
        s.sine[k] = k % 2 ? inverseFactorial[2 * k + 3] : -inverseFactorial[2 * k + 3];
        s.cosine[k] = k % 2 ? inverseFactorial[2 * k + 2] : -inverseFactorial[2 * k + 2];
    }
    for (int k = 0; k < 18; ++k) {
        s.exp[k] = inverseFactorial[k + 1];
    }
    for (int k = 0; k < 13; ++k) {
        s.logarithm[k] = 1.0L / (2 * k + 3);
        s.atan[k] = k % 2 ? 1.0L / (2 * k + 3) : -1.0L / (2 * k + 3);
    }
    for (int k = 0; k < 9; ++k) {
        s.sinh[k] = inverseFactorial[2 * k + 3];
    }
    return s;
}

constexpr SSeries kSeries = MakeSeries();

// sin r for |r| <= π/4 (Taylor to r^21; the next term is below 2^-70 of the result).
ZOQ_EXTENDED_INLINE LD SinKernel(LD r) {
    const LD z = r * r;
    return r + r * z * ZoqPolynomial(kSeries.sine, z);
}

// cos r for |r| <= π/4 (Taylor to r^20).
ZOQ_EXTENDED_INLINE LD CosKernel(LD r) {
    const LD z = r * r;
    return 1 + z * ZoqPolynomial(kSeries.cosine, z);
}

// sin(hi + lo) or cos(hi + lo) of a reduced argument. lo is below 2^-63 of hi, so
// its term needs the other function to a few digits only.
ZOQ_EXTENDED_INLINE LD ReducedSin(LD hi, LD lo) {
    if (lo == 0) {
        return SinKernel(hi); // adding 0 would turn sin(-0) into +0
    }
    const LD z = hi * hi;
    return SinKernel(hi) + lo * (1 - z * (0.5L - z * (1 / 24.0L - z / 720)));
}

ZOQ_EXTENDED_INLINE LD ReducedCos(LD hi, LD lo) {
    if (lo == 0) {
        return CosKernel(hi);
    }
    const LD z = hi * hi;
    return CosKernel(hi) - lo * hi * (1 - z * (1 / 6.0L - z * (1 / 120.0L - z / 5040)));
}

// sin(x + QuarterTurns·π/2): the sine, and with one quarter turn the cosine. The turn
// is added to the reduced quadrant, an exact integer, so it costs no accuracy.
template <int QuarterTurns> LD SinTurned(double x) {
    int quadrant;
    LD hi;
    LD lo;
    ZoqReduceQuarterTurns(x, &quadrant, &hi, &lo);
    quadrant = (quadrant + QuarterTurns) & 3;
    const LD value = quadrant % 2 ? ReducedCos(hi, lo) : ReducedSin(hi, lo);
    return quadrant >= 2 ? -value : value;
}

LD TanExtended(double x) {
    int quadrant;
    LD hi;
    LD lo;
    ZoqReduceQuarterTurns(x, &quadrant, &hi, &lo);
    const LD s = ReducedSin(hi, lo);
    const LD c = ReducedCos(hi, lo);
    return quadrant % 2 ? -c / s : s / c;
}

// e^x for |x| <= 12000, which the extended range holds without overflow.
LD ExpExtended(LD x) {
    const LD scaled = x * kLog2E;
    const int k = static_cast<int>(scaled < 0 ? scaled - 0.5L : scaled + 0.5L);
    const LD r = (x - k * kLn2Hi) - k * kLn2Lo;
    return (1 + r * ZoqPolynomial(kSeries.exp, r)) * ZoqPowerOfTwo(k);
}

// ln x for a finite positive double.
LD LogExtended(double x) {
    const SZoqBinaryParts parts = ZoqBinaryParts<54>(x);
    int e = parts.exponent;
    LD mantissa = parts.mantissa;
    if (mantissa > 1.41421356237309504880L) {
        mantissa *= 0.5L;
        ++e;
    }
    // ln m = 2 atanh s with s = (m - 1)/(m + 1), |s| <= 0.1716.
    const LD s = (mantissa - 1) / (mantissa + 1);
    const LD z = s * s;
    const LD logMantissa = 2 * s + 2 * s * z * ZoqPolynomial(kSeries.logarithm, z);
    return e * kLn2Hi + (e * kLn2Lo + logMantissa);
}

// atan t for |t| <= tan(π/16) (Taylor to t^27).
LD AtanKernel(LD t) {
    const LD z = t * t;
    return t + t * z * ZoqPolynomial(kSeries.atan, z);
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
    return x + x * z * ZoqPolynomial(kSeries.sinh, z);
}

double Nan() {
    return std::numeric_limits<double>::quiet_NaN();
}

enum EParity { kEven, kOdd };

// sin, cos and tan: NaN (x - x) for NaN and the infinities, which have no phase; an odd
// function gives ±0 back as it is, keeping the sign of -0.
template <LD (*Extended)(double), EParity Parity> double Periodic(double x) {
    if (std::isnan(x) || std::isinf(x)) {
        return x - x;
    }
    if (Parity == kOdd && x == 0) {
        return x;
    }
    return static_cast<double>(Extended(x));
}

} // namespace

double ZoqSin(double x) {
    return Periodic<SinTurned<0>, kOdd>(x);
}

double ZoqCos(double x) {
    return Periodic<SinTurned<1>, kEven>(x);
}

double ZoqTan(double x) {
    return Periodic<TanExtended, kOdd>(x);
}

double ZoqAtan(double x) {
    if (std::isnan(x)) {
        return x;
    }
    return static_cast<double>(AtanExtended(x));
}

namespace {

// asin and acos: NaN stays NaN, and outside [-1, 1] there is no value.
template <double (*Inside)(double)> double WithinUnit(double x) {
    if (std::isnan(x)) {
        return x;
    }
    if (std::fabs(x) > 1) {
        return Nan();
    }
    return Inside(x);
}

double AsinInside(double x) {
    const LD v = x;
    // (1 - v)(1 + v) rather than 1 - v², which loses the digits next to ±1.
    const LD cosine = std::sqrt((1 - v) * (1 + v));
    if (cosine == 0) {
        return static_cast<double>(x < 0 ? -kHalfPiHi : kHalfPiHi);
    }
    return static_cast<double>(AtanExtended(v / cosine));
}

double AcosInside(double x) {
    const LD v = x;
    if (v == -1) {
        return static_cast<double>(2 * kHalfPiHi);
    }
    // acos v = 2 atan(sqrt((1 - v)/(1 + v))), accurate next to 1 as well.
    return static_cast<double>(2 * AtanExtended(std::sqrt((1 - v) / (1 + v))));
}

} // namespace

double ZoqAsin(double x) {
    return WithinUnit<AsinInside>(x);
}

double ZoqAcos(double x) {
    return WithinUnit<AcosInside>(x);
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

namespace {

// sinh and tanh: odd, so computed on |x| with the sign of x (of -0 too) put back; NaN
// stays NaN.
template <LD (*OfMagnitude)(double)> double OddOnMagnitude(double x) {
    if (std::isnan(x)) {
        return x;
    }
    const LD result = OfMagnitude(std::fabs(x));
    return static_cast<double>(std::signbit(x) ? -result : result);
}

LD SinhOfMagnitude(double magnitude) {
    if (magnitude < 0.5) {
        return SinhKernel(magnitude);
    }
    if (magnitude > 12000) {
        return std::numeric_limits<LD>::infinity();
    }
    const LD e = ExpExtended(magnitude);
    return (e - 1 / e) / 2;
}

LD TanhOfMagnitude(double magnitude) {
    if (magnitude < 0.5) {
        const LD s = SinhKernel(magnitude);
        return s / std::sqrt(1 + s * s);
    }
    if (magnitude > 40) {
        return 1;
    }
    return 1 - 2 / (ExpExtended(2 * static_cast<LD>(magnitude)) + 1);
}

} // namespace

double ZoqSinh(double x) {
    return OddOnMagnitude<SinhOfMagnitude>(x);
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
    return OddOnMagnitude<TanhOfMagnitude>(x);
}
