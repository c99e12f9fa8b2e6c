#include "engine/Numora.h"
#include "graph/CurveRefine.h"
#include "graph/CurveSearch.h"
#include "graph/EquationCurve.h"
#include "graph/EquationTemplate.h"
#include "testing/ZoqTestText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
const double kPi = std::acos(-1.0);

enum class Kind { Zero, Minimum, Maximum, Intersection };

struct SSearchCase {
    Kind kind;
    const wchar_t* f;
    const wchar_t* g; // second curve of an intersection
    int angle;
    double low;
    double high;
    double near;
    bool found;
    double x = 0; // independent values of the answer
    double y = 0;
    double tolerance = 0;
    const char* xText = nullptr; // what numora prints, when the answer is a clean number
    const char* yText = nullptr;
};

std::string Label(const SSearchCase& c) {
    static const char* const kKinds[] = {"zero", "minimum", "maximum", "intersection"};
    std::string label = kKinds[static_cast<int>(c.kind)];
    label += " of " + Narrow(c.f);
    if (c.g)
        label += " and " + Narrow(c.g);
    label += " in [" + std::to_string(c.low) + ", " + std::to_string(c.high) + "]";
    if (!std::isnan(c.near))
        label += " near " + std::to_string(c.near);
    return label + " angle " + std::to_string(c.angle);
}

int Run(const SSearchCase& c, SCurvePoint* point) {
    CEquationTemplate f, g;
    f.Prepare(c.f);
    g.Prepare(c.g);
    const CEquationCurve curve(f);
    const CEquationCurve other(g);
    switch (c.kind) {
    case Kind::Zero:
        return FindZero(curve, c.low, c.high, c.near, point);
    case Kind::Minimum:
        return FindMinimum(curve, c.low, c.high, c.near, point);
    case Kind::Maximum:
        return FindMaximum(curve, c.low, c.high, c.near, point);
    case Kind::Intersection:
        return FindIntersection(curve, other, c.low, c.high, c.near, point);
    }
    return 0;
}

std::string ResultText(double value) {
    wchar_t text[Numora::kResultCapacity];
    FormatAsResult(value, text);
    return Narrow(text);
}

void Check(const SSearchCase& c) {
    SCOPED_TRACE(Label(c));
    Numora& engine = *Numora::GetInstance();
    engine.SetAngleMode(c.angle);
    engine.SetPrecision(15);
    SCurvePoint point;
    point.x = -12345;
    const int found = Run(c, &point);
    engine.SetAngleMode(AngleDegrees);
    if (!c.found) {
        EXPECT_EQ(found, 0) << "reported x " << point.x << " y " << point.y;
        EXPECT_EQ(point.x, -12345) << "point written although nothing was found";
        return;
    }
    ASSERT_EQ(found, 1);
    EXPECT_NEAR(point.x, c.x, c.tolerance);
    EXPECT_NEAR(point.y, c.y, c.tolerance);
    if (c.xText) {
        EXPECT_EQ(ResultText(point.x), c.xText);
    }
    if (c.yText) {
        EXPECT_EQ(ResultText(point.y), c.yText);
    }
}

const double kNear = kNone;

// x^4 - 8x^2 + x turns where 4x^3 - 16x + 1 = 0; the cubic's real roots in closed form.
double Quartic(double x) {
    return x * x * x * x - 8 * x * x + x;
}
double CubicRoot(int k) {
    const double p = -4;
    const double q = 0.25;
    const double angle = std::acos(1.5 * q / p * std::sqrt(-3 / p)) / 3 - 2 * kPi * k / 3;
    return 2 * std::sqrt(-p / 3) * std::cos(angle);
}
double QuarticLow() {
    return CubicRoot(2);
}
double QuarticHigh() {
    return CubicRoot(0);
}
const int kDeg = AngleDegrees;
const int kRad = AngleRadians;
const int kGrad = AngleGrads;

} // namespace

TEST(CurveSearch, Zeros) {
    const Kind z = Kind::Zero;
    const SSearchCase cases[] = {
        {z, L"X^2-2", nullptr, kDeg, 0, 2, kNear, true, std::sqrt(2.0), 0, 1e-14, "1.4142135623731",
         nullptr},
        {z, L"X^2-2", nullptr, kDeg, 2, 0, kNear, true, std::sqrt(2.0), 0, 1e-14, "1.4142135623731",
         nullptr},
        {z, L"X^2-2", nullptr, kDeg, -2, 0, kNear, true, -std::sqrt(2.0), 0, 1e-14,
         "-1.4142135623731", nullptr},
        {z, L"X^2-2", nullptr, kDeg, -3, 3, kNear, true, -std::sqrt(2.0), 0, 1e-14, nullptr,
         nullptr},
        {z, L"X^2-2", nullptr, kDeg, -3, 3, 1, true, std::sqrt(2.0), 0, 1e-14, nullptr, nullptr},
        {z, L"X^3-X", nullptr, kDeg, -2, 2, kNear, true, -1, 0, 1e-14, "-1", nullptr},
        {z, L"X^3-X", nullptr, kDeg, -2, 2, 0.3, true, 0, 0, 1e-14, "0", nullptr},
        {z, L"X^3-X", nullptr, kDeg, -2, 2, 0.8, true, 1, 0, 1e-14, "1", nullptr},
        {z, L"X", nullptr, kDeg, -1, 3, kNear, true, 0, 0, 1e-14, "0", nullptr},
        {z, L"X-0.000001", nullptr, kDeg, -1, 3, kNear, true, 1e-6, 0, 1e-18, "0.000001", nullptr},
        {z, L"sin(X)", nullptr, kDeg, 90, 270, kNear, true, 180, 0, 1e-11, "180", nullptr},
        {z, L"cos(X)", nullptr, kRad, 0, 3, kNear, true, kPi / 2, 0, 1e-14, "1.5707963267949",
         nullptr},
        {z, L"cos(X)", nullptr, kGrad, 0, 300, kNear, true, 100, 0, 1e-11, "100", nullptr},
        {z, L"ln(X)", nullptr, kDeg, 0.5, 3, kNear, true, 1, 0, 1e-14, "1", nullptr},
        {z, L"sqrt(X)-1", nullptr, kDeg, -4, 4, kNear, true, 1, 0, 1e-14, "1", nullptr},
        // Touching the axis without crossing it.
        {z, L"X^2", nullptr, kDeg, -1, 1.5, kNear, true, 0, 0, 1e-9, "0", nullptr},
        {z, L"(X-1)^2", nullptr, kDeg, -3, 4, kNear, true, 1, 0, 1e-9, "1", nullptr},
        {z, L"0-(X+2)^2", nullptr, kDeg, -3, 4, kNear, true, -2, 0, 1e-9, "-2", nullptr},
        // Sign changes across poles and breaks are no zeros.
        {z, L"1/X", nullptr, kDeg, -1, 1, kNear, false},
        {z, L"1/X", nullptr, kDeg, -1.3, 1.1, kNear, false},
        {z, L"tan(X)", nullptr, kRad, 1, 2, kNear, false},
        {z, L"tan(X)", nullptr, kDeg, 80, 100, kNear, false},
        {z, L"tan(X)", nullptr, kRad, 1, 4, kNear, true, kPi, 0, 1e-14, "3.14159265358979",
         nullptr},
        {z, L"1/X-1", nullptr, kDeg, -2, 3, kNear, true, 1, 0, 1e-14, "1", nullptr},
        {z, L"abs(X-1)/(X-1)+X/10", nullptr, kDeg, 0, 3, kNear, false},
        // Nothing to find.
        {z, L"X^2+1", nullptr, kDeg, -5, 5, kNear, false},
        {z, L"X^2+0.0000001", nullptr, kDeg, -5, 5, kNear, false},
        {z, L"2", nullptr, kDeg, -5, 5, kNear, false},
        {z, L"X^2-2", nullptr, kDeg, 2, 5, kNear, false},
        {z, L"sqrt(X)+1", nullptr, kDeg, -5, 5, kNear, false},
        {z, L"X^^2", nullptr, kDeg, -5, 5, kNear, false},
        {z, L"X", nullptr, kDeg, 1, 1, kNear, false},
        {z, L"X", nullptr, kDeg, -1, kNone, kNear, false},
    };
    for (const SSearchCase& c : cases)
        Check(c);
}

TEST(CurveSearch, Extrema) {
    const Kind lo = Kind::Minimum;
    const Kind hi = Kind::Maximum;
    const SSearchCase cases[] = {
        {lo, L"X^2-4*X+1", nullptr, kDeg, 0, 5, kNear, true, 2, -3, 1e-12, "2", "-3"},
        {lo, L"X^2-4*X+1", nullptr, kDeg, 5, 0, kNear, true, 2, -3, 1e-12, "2", "-3"},
        {lo, L"X^2+4*X+1", nullptr, kDeg, -5, 0, kNear, true, -2, -3, 1e-12, "-2", "-3"},
        {hi, L"4*X-X^2", nullptr, kDeg, -1, 7, kNear, true, 2, 4, 1e-12, "2", "4"},
        {lo, L"3*X^2-2*X", nullptr, kDeg, 0, 1, kNear, true, 1.0 / 3, -1.0 / 3, 1e-9, nullptr,
         "-0.333333333333333"},
        {lo, L"X^4", nullptr, kDeg, -1, 2, kNear, true, 0, 0, 1e-3, nullptr, nullptr},
        {lo, L"cos(X)", nullptr, kDeg, 90, 300, kNear, true, 180, -1, 1e-9, "180", "-1"},
        {hi, L"sin(X)", nullptr, kDeg, 0, 360, kNear, true, 90, 1, 1e-9, "90", "1"},
        {hi, L"sin(X)", nullptr, kRad, 0, 3, kNear, true, kPi / 2, 1, 1e-9, nullptr, "1"},
        {lo, L"sin(X)", nullptr, kRad, 0, 20, 11, true, 3.5 * kPi, -1, 1e-9, nullptr, "-1"},
        {hi, L"sin(X)", nullptr, kGrad, 0, 400, kNear, true, 100, 1, 1e-9, "100", "1"},
        // Interior only: the lower end value -18 is not a minimum.
        {lo, L"X^3-3*X", nullptr, kDeg, -3, 3, kNear, true, 1, -2, 1e-12, "1", "-2"},
        {hi, L"X^3-3*X", nullptr, kDeg, -3, 3, kNear, true, -1, 2, 1e-12, "-1", "2"},
        {lo, L"X+1/X", nullptr, kDeg, -5, 5, kNear, true, 1, 2, 1e-12, "1", "2"},
        {hi, L"X+1/X", nullptr, kDeg, -5, 5, kNear, true, -1, -2, 1e-12, "-1", "-2"},
        // The lowest of several minima, and the one nearest a point.
        {lo, L"X^4-8*X^2+X", nullptr, kDeg, -3, 3, kNear, true, QuarticLow(), Quartic(QuarticLow()),
         1e-9},
        {lo, L"X^4-8*X^2+X", nullptr, kDeg, -3, 3, 1.5, true, QuarticHigh(), Quartic(QuarticHigh()),
         1e-9},
        // Monotonic, poles and breaks: nothing inside.
        {lo, L"X^2-4*X+1", nullptr, kDeg, 3, 5, kNear, false},
        {hi, L"X^2-4*X+1", nullptr, kDeg, -5, 5, kNear, false},
        {lo, L"exp(X)", nullptr, kDeg, -5, 5, kNear, false},
        {lo, L"1/X^2", nullptr, kDeg, -1, 1, kNear, false},
        {hi, L"-1/X^2", nullptr, kDeg, -1, 1, kNear, false},
        {hi, L"tan(X)", nullptr, kRad, 0, 3, kNear, false},
        {lo, L"tan(X)", nullptr, kRad, 0, 3, kNear, false},
        {lo, L"-X+2*abs(X-1)/(X-1)", nullptr, kDeg, 0, 3, kNear, false},
        {lo, L"5", nullptr, kDeg, 0, 3, kNear, false},
        {lo, L"sqrt(X)", nullptr, kDeg, -2, 3, kNear, false},
    };
    for (const SSearchCase& c : cases)
        Check(c);
}

TEST(CurveSearch, Intersections) {
    const Kind i = Kind::Intersection;
    const SSearchCase cases[] = {
        {i, L"X^2", L"2*X+3", kDeg, 0, 5, kNear, true, 3, 9, 1e-12, "3", "9"},
        {i, L"X^2", L"2*X+3", kDeg, -5, 5, kNear, true, -1, 1, 1e-12, "-1", "1"},
        {i, L"X^2", L"2*X+3", kDeg, -5, 5, 2, true, 3, 9, 1e-12, "3", "9"},
        {i, L"2*X+3", L"X^2", kDeg, 5, -5, kNear, true, -1, 1, 1e-12, "-1", "1"},
        {i, L"sin(X)", L"cos(X)", kDeg, 0, 90, kNear, true, 45, std::sqrt(0.5), 1e-11, "45"},
        {i, L"sin(X)", L"cos(X)", kRad, 0, 3, kNear, true, kPi / 4, std::sqrt(0.5), 1e-14,
         "0.785398163397448", nullptr},
        {i, L"X^2", L"0", kDeg, -1, 1, kNear, true, 0, 0, 1e-9, "0", "0"},
        {i, L"1/X", L"-1/X", kDeg, -1, 1, kNear, false},
        {i, L"X", L"X+1", kDeg, -10, 10, kNear, false},
        {i, L"X^2", L"2*X+3", kDeg, 4, 5, kNear, false},
    };
    for (const SSearchCase& c : cases)
        Check(c);
}

TEST(CurveSearch, NoPointToWriteFindsNothing) {
    CEquationTemplate equation;
    equation.Prepare(L"X^2-1");
    const CEquationCurve f(equation);
    EXPECT_EQ(FindZero(f, -2, 2, kNone, nullptr), 0);
    EXPECT_EQ(FindMinimum(f, -2, 2, kNone, nullptr), 0);
    EXPECT_EQ(FindMaximum(f, -2, 2, kNone, nullptr), 0);
    EXPECT_EQ(FindIntersection(f, f, -2, 2, kNone, nullptr), 0);
}

TEST(CurveSearch, ShortestDecimalStaysInsideTheInterval) {
    const struct {
        double x, low, high, scale, expected;
    } cases[] = {
        {2.0000000001, 1.9999999, 2.0000001, 2, 2},
        {0.33333334, 0.3333333, 0.33333336, 0.3, 0.3333333},
        {1e-20, -1e-12, 1e-12, 1, 0},
        {-1e-20, -1e-12, 1e-12, 1, 0},
        {1e-20, 0.9e-20, 1.1e-20, 1, 1e-20},
        {123.456, 123.4559, 123.4561, 123, 123.456},
        {-7.25, -7.26, -7.24, 7, -7.25},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.x));
        const double r = ShortestDecimal(c.x, c.low, c.high, c.scale);
        EXPECT_GE(r, c.low);
        EXPECT_LE(r, c.high);
        EXPECT_NEAR(r, c.expected, std::fabs(c.expected) * 1e-15);
        EXPECT_FALSE(std::signbit(r) && r == 0);
    }
}
