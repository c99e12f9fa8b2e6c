#include "engine/NumoraMath.h"

#include "engine/NumoraProgram.h"
#include "engine/ZoqConvert.h"
#include "engine/ZoqMath.h"
#include "engine/ZoqNumberText.h"

#include <cfloat>
#include <cmath>
#include <cstring>

namespace NumoraMath {

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kTwoPi = 6.283185307179586;
constexpr double kToRadians[] = {0.017453292519943295, 1.0, 0.015707963267948967};
constexpr double kFromRadians[] = {57.29577951308232, 1.0, 63.66197723675814};
// Exact powers of ten for the rounded subtraction (k + 1 never exceeds 19).
constexpr double kPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9, 1e10,
                             1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20};
// With an operand written with an exponent the rounding works at the full precision,
// which can wipe out a tiny difference or overflow a huge one; beyond this share of the
// difference it is no longer noise that the rounding removes.
constexpr double kExponentNoise = 1e-13;

double ToRadians(double angle, int mode) {
    return angle * kToRadians[mode];
}
double FromRadians(double angle, int mode) {
    return angle * kFromRadians[mode];
}

// Trigonometric results this close to 0 are 0, so cos(90) is exactly 0 in degrees.
// The positive window is ten times narrower than the negative one.
double Snap(double r) {
    if (r > 0 && r < 1e-11)
        return 0;
    if (r < 0 && r > -1e-10)
        return 0;
    return r;
}

// m × (m − 1) × … × 1 of a whole m, 1 for m <= 0; stops once the product is infinite,
// so the loop never runs more than 171 times.
double FactorialOfWhole(double m) {
    if (std::isnan(m))
        return m;
    double product = 1;
    for (double c = m; c >= 1; c -= 1) {
        product *= c;
        if (product >= DBL_MAX)
            break;
    }
    return product;
}

bool HasExponent(const char* text) {
    return std::strchr(text, 'e') != nullptr;
}

} // namespace

double Subtract(double left, double right, int precision) {
    char a[kZoqNumberCapacity];
    char b[kZoqNumberCapacity];
    int lengthA = ZoqGeneralFormat(left, precision, a, sizeof a);
    int lengthB = ZoqGeneralFormat(right, precision - 1, b, sizeof b);
    int k = precision;
    const bool exponent = HasExponent(a) || HasExponent(b);
    if (!exponent)
        k = (lengthA > lengthB ? lengthA : lengthB) - 1;
    if (k < 0)
        k = 0;
    if (k > 19)
        k = 19;
    double d = left - right;
    double t = d * kPow10[k + 1];
    t = d >= 0 ? t + 5 : t - 5;
    t = std::trunc(t * 0.1);
    double rounded = t / kPow10[k];
    if (exponent &&
        (!std::isfinite(rounded) || std::fabs(rounded - d) > kExponentNoise * std::fabs(d)))
        return d;
    return rounded;
}

double Power(double left, double right) {
    return ZoqPower(left, right);
}

double TimesTenTo(double left, double right) {
    return left * ZoqPower(10.0, right);
}

double Root(double left, double right) {
    return ZoqPower(left, 1 / right);
}

double Combinations(double left, double right) {
    double n = std::floor(left);
    double r = std::floor(right);
    return FactorialOfWhole(n) / (FactorialOfWhole(n - r) * FactorialOfWhole(r));
}

double Permutations(double left, double right) {
    double n = std::floor(left);
    double r = std::floor(right);
    return FactorialOfWhole(n) / FactorialOfWhole(n - r);
}

double PolarX(double radius, double angle, int angleMode) {
    return radius * ZoqCos(ToRadians(angle, angleMode));
}

double PolarY(double radius, double angle, int angleMode) {
    return radius * ZoqSin(ToRadians(angle, angleMode));
}

double Radius(double x, double y) {
    return std::sqrt(x * x + y * y);
}

double Angle(double x, double y, int angleMode) {
    // Adding +0 turns -0 into +0, so -0<1 is 90 like 0<1 and stays inside [0, 360).
    x += 0.0;
    y += 0.0;
    double angle = ZoqAtan(y / x);
    if (x < 0)
        angle += kPi;
    else if (y < 0)
        angle += kTwoPi;
    return FromRadians(angle, angleMode);
}

double BitAnd(double left, double right) {
    return static_cast<double>(ZoqTruncateToInt64(left) & ZoqTruncateToInt64(right));
}

double BitOr(double left, double right) {
    return static_cast<double>(ZoqTruncateToInt64(left) | ZoqTruncateToInt64(right));
}

double BitXor(double left, double right) {
    return static_cast<double>(ZoqTruncateToInt64(left) ^ ZoqTruncateToInt64(right));
}

double BitNor(double left, double right) {
    return ZoqTruncateToInt64(left) == 0 && ZoqTruncateToInt64(right) == 0 ? 1 : 0;
}

double Factorial(double v) {
    bool negative = v < 0;
    if (negative)
        v = -v;
    double result;
    if (v == 0) {
        result = 1;
    } else if (v == std::trunc(v)) {
        result = FactorialOfWhole(v);
    } else {
        double x = v + 1;
        double correction = std::sqrt(x * ZoqSinh(1 / x) + 1 / (810 * ZoqPower(x, 6)));
        result =
            std::sqrt(6.283185307179586 / x) * ZoqPower((x * 0.36787944117144233) * correction, x);
    }
    return negative ? -result : result;
}

double Sum(double v) {
    // The closed form of adding 1 + 2 + … + m one term at a time: identical while the
    // partial sums are exact (m below 2^26), and no loop of 2^63 steps beyond that.
    double m = std::floor(v);
    double magnitude = std::fabs(m);
    double sum = magnitude * (magnitude + 1) / 2;
    return m < 0 ? -sum : sum;
}

double DegreesToDecimal(double v) {
    if (v < 0)
        return -DegreesToDecimal(-v);
    double whole = std::floor(v);
    // The whole part of v × 100, taken from eight decimals.
    double scaled = v * 1e26 * 1e-18;
    double hundredths;
    if (std::fabs(scaled) < 9.2e18)
        hundredths = static_cast<double>(ZoqTruncateToInt64(scaled) / 1000000);
    else
        hundredths = std::trunc(scaled / 1000000);
    double seconds = (v * 100 - hundredths) * 0.01;
    double minutes = (v - whole) - seconds;
    return (minutes + seconds * 1.6666666666666667) * 1.6666666666666667 + whole;
}

double DecimalToDegrees(double v) {
    if (v < 0)
        return -DecimalToDegrees(-v);
    double whole = std::floor(v);
    double fraction = v - whole;
    double minutes = fraction * 0.6 * 100;
    double wholeMinutes = std::floor(minutes);
    double seconds = (minutes - wholeMinutes) * 60;
    return wholeMinutes * 0.01 + seconds * 0.0001 + whole;
}

double Percent(double v, double slot0, double slot1) {
    if (slot1 != 0)
        v *= slot0;
    return v * 0.01;
}

double Random(uint32_t& state) {
    state = state * 214013u + 2531011u;
    int value = static_cast<int>((state >> 16) & 0x7FFF);
    return value * 3.051850947599719e-05;
}

double Function(int position, double v, int mode) {
    switch (position) {
    case FunctionAbs:
        return std::fabs(v);
    case FunctionAcos:
        return Snap(FromRadians(ZoqAcos(v), mode));
    case FunctionAsin:
        return Snap(FromRadians(ZoqAsin(v), mode));
    case FunctionAtanh:
        return 0.5 * ZoqLog((1 + v) / (1 - v));
    case FunctionAtan:
        return Snap(FromRadians(ZoqAtan(v), mode));
    case FunctionCosh:
        return ZoqCosh(v);
    case FunctionCos:
        return Snap(ZoqCos(ToRadians(v, mode)));
    case FunctionExp:
        return ZoqExp(v);
    case FunctionLog2:
        return ZoqLog(v) / ZoqLog(2.0);
    case FunctionLog:
        return ZoqLog10(v);
    case FunctionLn:
        return ZoqLog(v);
    case FunctionSinh:
        return ZoqSinh(v);
    case FunctionSin:
        return Snap(ZoqSin(ToRadians(v, mode)));
    case FunctionSqrt:
        return std::sqrt(v);
    case FunctionTanh:
        return ZoqTanh(v);
    case FunctionTan:
        return Snap(ZoqTan(ToRadians(v, mode)));
    case FunctionFactorial:
        return Factorial(v);
    case FunctionAsnh:
        return ZoqLog(std::fabs(v + std::sqrt(v * v + 1)));
    case FunctionAcsh:
        return v >= 1 ? ZoqLog(std::fabs(v + std::sqrt(v * v - 1))) : 0;
    case FunctionAtnh:
        return v >= 1 || v <= -1 ? 0 : 0.5 * ZoqLog((1 + v) / (1 - v));
    case FunctionSum:
        return Sum(v);
    case FunctionDegreesToDecimal:
        return DegreesToDecimal(v);
    case FunctionDecimalToDegrees:
        return DecimalToDegrees(v);
    case FunctionTenX:
        return ZoqPower(10.0, v);
    case FunctionCubeRoot:
        return v < 0 ? -ZoqPower(-v, 0.3333333333333333) : ZoqPower(v, 0.3333333333333333);
    case FunctionCube:
        return ZoqPower(v, 3.0);
    case FunctionSquare:
        return ZoqPower(v, 2.0);
    case FunctionInverse:
        return 1 / v;
    case FunctionNegate:
        return -v;
    case FunctionEx:
        return ZoqPower(2.718281828459045, v);
    default:
        return v;
    }
}

} // namespace NumoraMath
