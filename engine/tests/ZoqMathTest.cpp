#include "engine/ZoqMath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

namespace {

// The references are the native runtime's: mingw-w64's own would not be references.
#if !defined(__MINGW32__)
#define ZOQ_NATIVE_REFERENCES 1
#endif

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr double kDenormal = 4.9406564584124654e-324;

#if ZOQ_NATIVE_REFERENCES
struct SFunction {
    const char* name;
    double (*zoq)(double);
    double (*runtime)(double);
    long double (*reference)(long double);
    double low; // the arguments drawn span [low, high]
    double high;
    // The runtime rounds these correctly in practice, so results differ from its
    // only where the exact value lies next to a halfway point between two doubles.
    int runtimeCorrectlyRounded;
};

// The runtime's extended-precision functions are accurate to about one unit in the
// 64th bit, which is what the checks below need of a reference.
const SFunction kFunctions[] = {
    {"sin", ZoqSin, [](double x) { return std::sin(x); }, [](long double x) { return sinl(x); },
     -1e308, 1e308, 1},
    {"cos", ZoqCos, [](double x) { return std::cos(x); }, [](long double x) { return cosl(x); },
     -1e308, 1e308, 1},
    {"tan", ZoqTan, [](double x) { return std::tan(x); }, [](long double x) { return tanl(x); },
     -1e308, 1e308, 1},
    {"asin", ZoqAsin, [](double x) { return std::asin(x); }, [](long double x) { return asinl(x); },
     -1, 1, 1},
    {"acos", ZoqAcos, [](double x) { return std::acos(x); }, [](long double x) { return acosl(x); },
     -1, 1, 1},
    {"atan", ZoqAtan, [](double x) { return std::atan(x); }, [](long double x) { return atanl(x); },
     -1e308, 1e308, 1},
    {"exp", ZoqExp, [](double x) { return std::exp(x); }, [](long double x) { return expl(x); },
     -745, 710, 1},
    {"log", ZoqLog, [](double x) { return std::log(x); }, [](long double x) { return logl(x); }, 0,
     1e308, 1},
    {"log10", ZoqLog10, [](double x) { return std::log10(x); },
     [](long double x) { return log10l(x); }, 0, 1e308, 0},
    {"sinh", ZoqSinh, [](double x) { return std::sinh(x); }, [](long double x) { return sinhl(x); },
     -711, 711, 0},
    {"cosh", ZoqCosh, [](double x) { return std::cosh(x); }, [](long double x) { return coshl(x); },
     -711, 711, 0},
    {"tanh", ZoqTanh, [](double x) { return std::tanh(x); }, [](long double x) { return tanhl(x); },
     -30, 30, 0},
};

// Distance in units of the last place of the double nearest `reference`.
double UlpError(double value, long double reference) {
    const double nearest = static_cast<double>(reference);
    if (nearest == 0 || std::isinf(nearest)) {
        return value == nearest ? 0 : 1e9;
    }
    int exponent;
    std::frexp(nearest, &exponent);
    const long double ulp = std::ldexp(1.0L, std::max(exponent - 53, -1074));
    return static_cast<double>(std::fabs(static_cast<long double>(value) - reference) / ulp);
}

// Arguments a function must get right: the drawn ones over its whole range (uniform
// near zero, spread over every magnitude beyond), next to multiples of π/2 and the
// overflow limits, and the largest and smallest doubles.
std::vector<double> Arguments(const SFunction& f) {
    std::vector<double> arguments = {0.5,
                                     1,
                                     2,
                                     3,
                                     10,
                                     100,
                                     1e22,
                                     0x1p60,
                                     0x1p1023,
                                     1e300,
                                     6381956970095103.0 * 0x1p797,
                                     1.5707963267948966,
                                     4.71238898038469,
                                     3.141592653589793,
                                     709.782712893384,
                                     -745.1332191019411,
                                     0.9999999999999999,
                                     1e-5,
                                     1e-300,
                                     2.2250738585072014e-308,
                                     0.4921,
                                     19.06,
                                     22.5};
    std::mt19937_64 random(12);
    std::uniform_real_distribution<double> unit(-1, 1);
    for (int i = 0; i < 20000; ++i) {
        arguments.push_back(unit(random) * 8);
    }
    for (int i = 0; i < 20000; ++i) {
        const double magnitude =
            std::ldexp(1 + std::fabs(unit(random)), static_cast<int>(unit(random) * 1060));
        arguments.push_back(unit(random) < 0 ? -magnitude : magnitude);
    }
    for (int k = 1; k < 2000; ++k) {
        const double multiple = k * 1.5707963267948966 * (k % 3 ? 1 : 1e5);
        arguments.push_back(multiple);
        arguments.push_back(std::nextafter(multiple, kInf));
    }
    std::vector<double> inRange;
    for (double x : arguments) {
        for (double v : {x, -x}) {
            if (v >= f.low && v <= f.high) {
                inRange.push_back(v);
            }
        }
    }
    return inRange;
}

// Every result within a hair of half a unit in the last place of the exact value, and
// equal to the native runtime's almost always where that is correctly rounded in
// practice (its sinh, cosh, tanh and log10 are off by a unit now and then).
TEST(ZoqMath, AccurateOverTheWholeRange) {
    for (const SFunction& f : kFunctions) {
        SCOPED_TRACE(f.name);
        int differentFromRuntime = 0;
        int count = 0;
        double worst = 0;
        double worstArgument = 0;
        for (double x : Arguments(f)) {
            const double value = f.zoq(x);
            const long double reference = f.reference(x);
            const double error = UlpError(value, reference);
            if (error > worst) {
                worst = error;
                worstArgument = x;
            }
            differentFromRuntime += value != f.runtime(x);
            ++count;
        }
        EXPECT_LT(worst, 0.502) << "at " << worstArgument;
        if (f.runtimeCorrectlyRounded) {
            EXPECT_LT(differentFromRuntime, count / 200) << "of " << count;
        }
    }
}

// Bases and exponents of every kind: results over the whole range of doubles, powers
// of ten and of e as the engine's "E", "tenx" and "ex" take them, whole exponents.
TEST(ZoqMath, PowerAccurateOverTheWholeRange) {
    std::mt19937_64 random(34);
    std::uniform_real_distribution<double> unit(-1, 1);
    int count = 0;
    int differentFromRuntime = 0;
    double worst = 0;
    double worstBase = 0;
    double worstExponent = 0;
    for (int i = 0; i < 200000; ++i) {
        double x;
        double y;
        switch (i % 5) {
        case 0:
            x = std::ldexp(1 + std::fabs(unit(random)), static_cast<int>(unit(random) * 1000));
            y = unit(random) * 1.5;
            break;
        case 1:
            x = std::fabs(unit(random)) * 20;
            y = std::floor(unit(random) * 200);
            break;
        case 2:
            x = 10;
            y = i % 2 ? unit(random) * 320 : std::floor(unit(random) * 330);
            break;
        case 3:
            x = 2.718281828459045;
            y = unit(random) * 745;
            break;
        default:
            x = -std::fabs(unit(random)) * 1e5;
            y = std::floor(unit(random) * 60);
            break;
        }
        const double value = ZoqPower(x, y);
        const long double reference = powl(x, y);
        const double error = UlpError(value, reference);
        if (error > worst) {
            worst = error;
            worstBase = x;
            worstExponent = y;
        }
        differentFromRuntime += value != std::pow(x, y);
        ++count;
    }
    EXPECT_LT(worst, 0.502) << worstBase << "^" << worstExponent;
    EXPECT_LT(differentFromRuntime, count / 200) << "of " << count;
    // Exact powers come out exact.
    for (int n = -22; n <= 22; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(ZoqPower(10, n), std::pow(10.0, n));
    }
    EXPECT_EQ(ZoqPower(2, 1023), 0x1p1023);
    EXPECT_EQ(ZoqPower(2, -1074), 0x1p-1074);
    EXPECT_EQ(ZoqPower(-3, 3), -27);
    EXPECT_EQ(ZoqPower(1.5, 2), 2.25);
}

#endif

struct SPowerCase {
    double x;
    double y;
    double expected;
};

// The special cases of the standard pow.
const SPowerCase kPowerCases[] = {
    {kNan, 0.0, 1.0},     {1.0, kNan, 1.0},         {kNan, 1.0, kNan},
    {2.0, kNan, kNan},    {0.0, -1.0, kInf},        {-0.0, -1.0, -kInf},
    {-0.0, -2.0, kInf},   {-0.0, -0.5, kInf},       {0.0, 3.0, 0.0},
    {-0.0, 3.0, -0.0},    {-0.0, 2.0, 0.0},         {-0.0, 0.5, 0.0},
    {-1.0, kInf, 1.0},    {-1.0, -kInf, 1.0},       {0.5, kInf, 0.0},
    {0.5, -kInf, kInf},   {2.0, kInf, kInf},        {-2.0, -kInf, 0.0},
    {kInf, -1.0, 0.0},    {kInf, 0.5, kInf},        {-kInf, -3.0, -0.0},
    {-kInf, -2.0, 0.0},   {-kInf, 3.0, -kInf},      {-kInf, 2.0, kInf},
    {-2.0, 0.5, kNan},    {-8.0, 1.0 / 3, kNan},    {-2.0, 3.0, -8.0},
    {-2.0, 1e300, kInf},  {-2.0, 0x1p53 + 2, kInf}, {10.0, 309.0, kInf},
    {10.0, -324.0, 0.0},  {2.0, -1075.0, 0.0},      {1e300, 1e300, kInf},
    {1e-300, 1e300, 0.0}, {2.0, 1e-300, 1.0},       {2.0, 0.5, 1.4142135623730951},
};

TEST(ZoqMath, PowerSpecialValues) {
    for (const SPowerCase& c : kPowerCases) {
        SCOPED_TRACE(std::to_string(c.x) + " ^ " + std::to_string(c.y));
        const double value = ZoqPower(c.x, c.y);
        if (std::isnan(c.expected)) {
            EXPECT_TRUE(std::isnan(value)) << value;
        } else {
            EXPECT_EQ(value, c.expected);
            EXPECT_EQ(std::signbit(value), std::signbit(c.expected));
        }
    }
}

struct SSpecialCase {
    double (*function)(double);
    const char* name;
    double argument;
    double expected;
};

const SSpecialCase kSpecialCases[] = {
    {ZoqSin, "sin", 0.0, 0.0},
    {ZoqSin, "sin", -0.0, -0.0},
    {ZoqSin, "sin", kInf, kNan},
    {ZoqSin, "sin", -kInf, kNan},
    {ZoqSin, "sin", kNan, kNan},
    {ZoqSin, "sin", kDenormal, kDenormal},
    {ZoqSin, "sin", -kDenormal, -kDenormal},
    {ZoqCos, "cos", 0.0, 1.0},
    {ZoqCos, "cos", -0.0, 1.0},
    {ZoqCos, "cos", kInf, kNan},
    {ZoqCos, "cos", kDenormal, 1.0},
    {ZoqTan, "tan", -0.0, -0.0},
    {ZoqTan, "tan", kInf, kNan},
    {ZoqAsin, "asin", 1.0, 1.5707963267948966},
    {ZoqAsin, "asin", -1.0, -1.5707963267948966},
    {ZoqAsin, "asin", 1.0000000000000002, kNan},
    {ZoqAsin, "asin", -0.0, -0.0},
    {ZoqAsin, "asin", kDenormal, kDenormal},
    {ZoqAcos, "acos", 1.0, 0.0},
    {ZoqAcos, "acos", -1.0, 3.141592653589793},
    {ZoqAcos, "acos", 0.0, 1.5707963267948966},
    {ZoqAcos, "acos", -2.0, kNan},
    {ZoqAcos, "acos", kNan, kNan},
    {ZoqAtan, "atan", kInf, 1.5707963267948966},
    {ZoqAtan, "atan", -kInf, -1.5707963267948966},
    {ZoqAtan, "atan", -0.0, -0.0},
    {ZoqAtan, "atan", 1.0, 0.7853981633974483},
    {ZoqExp, "exp", 0.0, 1.0},
    {ZoqExp, "exp", -0.0, 1.0},
    {ZoqExp, "exp", kInf, kInf},
    {ZoqExp, "exp", -kInf, 0.0},
    {ZoqExp, "exp", 710.0, kInf},
    {ZoqExp, "exp", -746.0, 0.0},
    {ZoqExp, "exp", 1.0, 2.718281828459045},
    {ZoqExp, "exp", kNan, kNan},
    {ZoqExp, "exp", 1e-300, 1.0},
    {ZoqLog, "log", 1.0, 0.0},
    {ZoqLog, "log", 0.0, -kInf},
    {ZoqLog, "log", -0.0, -kInf},
    {ZoqLog, "log", -1.0, kNan},
    {ZoqLog, "log", kInf, kInf},
    {ZoqLog, "log", kNan, kNan},
    {ZoqLog, "log", kDenormal, -744.4400719213812},
    {ZoqLog10, "log10", 1000.0, 3.0},
    {ZoqLog10, "log10", 1e-300, -300.0},
    {ZoqLog10, "log10", 1e22, 22.0},
    {ZoqLog10, "log10", 0.0, -kInf},
    {ZoqLog10, "log10", -5.0, kNan},
    {ZoqSinh, "sinh", -0.0, -0.0},
    {ZoqSinh, "sinh", 711.0, kInf},
    {ZoqSinh, "sinh", -kInf, -kInf},
    {ZoqSinh, "sinh", kDenormal, kDenormal},
    {ZoqCosh, "cosh", 0.0, 1.0},
    {ZoqCosh, "cosh", -kInf, kInf},
    {ZoqCosh, "cosh", -711.0, kInf},
    {ZoqCosh, "cosh", kNan, kNan},
    {ZoqTanh, "tanh", -0.0, -0.0},
    {ZoqTanh, "tanh", kInf, 1.0},
    {ZoqTanh, "tanh", -kInf, -1.0},
    {ZoqTanh, "tanh", 20.0, 1.0},
    {ZoqTanh, "tanh", kDenormal, kDenormal},
};

TEST(ZoqMath, SpecialValues) {
    for (const SSpecialCase& c : kSpecialCases) {
        SCOPED_TRACE(std::string(c.name) + "(" + std::to_string(c.argument) + ")");
        const double value = c.function(c.argument);
        if (std::isnan(c.expected)) {
            EXPECT_TRUE(std::isnan(value)) << value;
        } else {
            EXPECT_EQ(value, c.expected);
            EXPECT_EQ(std::signbit(value), std::signbit(c.expected));
        }
    }
}

// Next to a multiple of π/2 everything depends on the reduction: the double nearest
// 3π/2 lies 1.8369701987210297e-16 short of it, and cos there is minus that distance.
TEST(ZoqMath, ReductionKeepsTheDigitsNextToMultiplesOfHalfPi) {
    EXPECT_EQ(ZoqCos(4.71238898038469), -1.8369701987210297e-16);
    EXPECT_EQ(ZoqSin(3.141592653589793), 1.2246467991473532e-16);
    EXPECT_EQ(ZoqTan(1.5707963267948966), 16331239353195370.0);
#if ZOQ_NATIVE_REFERENCES
    EXPECT_EQ(ZoqCos(4.71238898038469),
              static_cast<double>(cosl(static_cast<long double>(4.71238898038469))));
    // The hardest double of all to reduce: within 2^-61 of a multiple of π/2.
    const double hardest = 6381956970095103.0 * 0x1p797;
    EXPECT_EQ(ZoqSin(hardest), static_cast<double>(sinl(static_cast<long double>(hardest))));
#endif
}

} // namespace
