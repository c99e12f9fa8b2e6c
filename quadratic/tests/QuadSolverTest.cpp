#include "quadratic/ParabixCalc.h"
#include "quadratic/QuadSolver.h"

#include "engine/Numora.h"
#include "testing/ZoqTestText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cwchar>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>

namespace {

CQuadSolver SolverFor(const wchar_t* a, const wchar_t* b, const wchar_t* c) {
    CQuadSolver solver;
    solver.SetA(a);
    solver.SetB(b);
    solver.SetC(c);
    return solver;
}

struct SolveCase {
    const wchar_t *a, *b, *c;
    int kind;
    double root1, root2, vertexX, vertexY;
    const wchar_t* graphText;
    const wchar_t* lines[4];
};

TEST(QuadSolver, SolvesTheThreeKinds) {
    const SolveCase cases[] = {
        {L"1",
         L"-3",
         L"2",
         SQuadResult::TwoRealRoots,
         2,
         1,
         1.5,
         -0.25,
         L"1*X^2-3*X+2",
         {L"The x intercepts are:", L"(2, 1)", L"The Vertice is located:", L"(1.5, -0.25)"}},
        {L"-2",
         L"0",
         L"8",
         SQuadResult::TwoRealRoots,
         -2,
         2,
         0,
         8,
         L"-2*X^2+0*X+8",
         {L"The x intercepts are:", L"(-2, 2)", L"The Vertice is located:", L"(0, 8)"}},
        {L"1",
         L"2",
         L"5",
         SQuadResult::ComplexRoots,
         -1,
         2,
         -1,
         -1,
         L"1*X^2+2*X+5",
         {L"Imaginary Solution", L"The x intercepts are:", L"(-1 + 2i)", L"(-1 - 2i)"}},
        {L"0",
         L"2",
         L"-4",
         SQuadResult::Line,
         2,
         0,
         -1,
         -1,
         L"0*X^2+2*X-4",
         {L"Equation of a line:", L"f(x) = 2x + -4", L"X Intercept:", L"2"}},
        {L"0",
         L"0",
         L"3",
         SQuadResult::Line,
         -1,
         0,
         -1,
         -1,
         L"0*X^2+0*X+3",
         {L"Equation of a line:", L"f(x) = 0x + 3", L"X Intercept:", L"None"}},
        {L"",
         L"",
         L"",
         SQuadResult::Line,
         -1,
         0,
         -1,
         -1,
         L"0*X^2+0*X+0",
         {L"Equation of a line:", L"f(x) = x + ", L"X Intercept:", L"Every x"}},
        {L"0.5",
         L"-0.125",
         L"0",
         SQuadResult::TwoRealRoots,
         0.25,
         0,
         0.125,
         -0.0078125,
         L"0.5*X^2-0.125*X+0",
         {L"The x intercepts are:", L"(0.25, 0)", L"The Vertice is located:",
          L"(0.125, -0.0078125)"}},
        {L"1",
         L"0",
         L"-1",
         SQuadResult::TwoRealRoots,
         1,
         -1,
         0,
         -1,
         L"1*X^2+0*X-1",
         {L"The x intercepts are:", L"(1, -1)", L"The Vertice is located:", L"(0, -1)"}},
        {L"0",
         L"0.0000000000001",
         L"-2e-13",
         SQuadResult::Line,
         2,
         0,
         -1,
         -1,
         L"0*X^2+1.e-013*X-2.e-013",
         {L"Equation of a line:", L"f(x) = 0.0000000000001x + -2e-13", L"X Intercept:", L"2"}},
    };
    for (const SolveCase& c : cases) {
        SCOPED_TRACE(std::wstring(c.a) + L" " + c.b + L" " + c.c);
        const CQuadSolver solver = SolverFor(c.a, c.b, c.c);
        SQuadResult result;
        ASSERT_TRUE(solver.Solve(result));
        EXPECT_EQ(result.kind, c.kind);
        EXPECT_NEAR(result.root1, c.root1, 1e-15);
        EXPECT_NEAR(result.root2, c.root2, 1e-15);
        EXPECT_NEAR(result.vertexX, c.vertexX, 1e-15);
        EXPECT_NEAR(result.vertexY, c.vertexY, 1e-15);
        EXPECT_STREQ(result.graphText, c.graphText);
        wchar_t lines[CParabixCalc::kLineCount][CParabixCalc::kLineCapacity];
        BuildQuadResultLines(result, solver, c.b, c.c, lines);
        for (int i = 0; i < 4; ++i) {
            EXPECT_STREQ(lines[i], c.lines[i]) << "line " << i + 1;
        }
    }
}

TEST(QuadSolver, EverySolveStartsFromAResetResult) {
    CQuadSolver solver = SolverFor(L"1", L"-3", L"2");
    SQuadResult result;
    solver.Solve(result);
    solver.SetA(L"0");
    solver.SetB(L"0");
    solver.Solve(result);
    EXPECT_EQ(result.kind, SQuadResult::Line);
    EXPECT_EQ(result.root1, -1.0);
    EXPECT_EQ(result.vertexX, -1.0);
    EXPECT_EQ(result.vertexY, -1.0);
}

TEST(QuadSolver, LongestGraphTextFits) {
    // Fifteen typed characters give the longest 12-digit numbers (19 characters).
    CQuadSolver solver = SolverFor(L"-12345678901234", L"-0.000000000001", L"-12345678901234");
    SQuadResult result;
    solver.Solve(result);
    EXPECT_STREQ(result.graphText, L"-1.23456789012e+013*X^2-1.e-012*X-1.23456789012e+013");
    solver.SetB(L"-12345678901234");
    solver.Solve(result);
    EXPECT_EQ(std::wcslen(result.graphText), 63u);
}

// The graph window evaluates the text with X replaced by the bracketed x value.
TEST(QuadSolver, GraphTextEvaluatesToTheQuadratic) {
    const struct {
        const wchar_t *a, *b, *c;
    } cases[] = {{L"1", L"-3", L"2"}, {L"-0.5", L"4", L"-1.25"}, {L"0", L"2", L"-4"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::wstring(c.a) + L" " + c.b + L" " + c.c);
        const CQuadSolver solver = SolverFor(c.a, c.b, c.c);
        SQuadResult result;
        solver.Solve(result);
        for (const wchar_t* x : {L"(-3)", L"(0)", L"(2.5)"}) {
            std::wstring text = result.graphText;
            for (size_t at; (at = text.find(L'X')) != std::wstring::npos;) {
                text.replace(at, 1, x);
            }
            wchar_t output[256];
            const double value = Numora::GetInstance()->Evaluate(text.c_str(), output);
            const double xv = std::wcstod(x + 1, nullptr);
            EXPECT_NEAR(value, solver.GetA() * xv * xv + solver.GetB() * xv + solver.GetC(), 1e-12)
                << Narrow(text);
        }
    }
}

} // namespace

namespace {

// Roots that the textbook formula loses to cancellation or overflow, as Parabix
// shows them.
TEST(QuadSolver, RootsKeepTheirDigitsFarFromEachOther) {
    const struct {
        const wchar_t *a, *b, *c;
        const wchar_t* roots;
        const wchar_t* vertex;
    } cases[] = {
        {L"1", L"-100000000", L"1", L"(1e+08, 1e-08)", L"(5e+07, -2.5e+15)"},
        {L"0.00001", L"-100000", L"0.00001", L"(1e+10, 1e-10)", L"(5e+09, -2.5e+14)"},
        {L"-1", L"1000000000", L"1", L"(-1e-09, 1e+09)", L"(5e+08, 2.5e+17)"},
        {L"1", L"1e200", L"1", L"(-1e-200, -1e+200)", L"(-5e+199, -inf)"},
        {L"-1e-300", L"1e-300", L"1e300", L"(-1e+300, 1e+300)", L"(0.5, 1e+300)"},
        {L"1e300", L"1e300", L"-1e300", L"(0.618034, -1.61803)", L"(-0.5, -1.25e+300)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::wstring(c.a) + L" " + c.b + L" " + c.c);
        const CQuadSolver solver = SolverFor(c.a, c.b, c.c);
        SQuadResult result;
        solver.Solve(result);
        EXPECT_EQ(result.kind, SQuadResult::TwoRealRoots);
        wchar_t lines[CParabixCalc::kLineCount][CParabixCalc::kLineCapacity];
        BuildQuadResultLines(result, solver, c.b, c.c, lines);
        EXPECT_STREQ(lines[1], c.roots);
        EXPECT_STREQ(lines[3], c.vertex);
    }
}

// An independent reference: each root polished by Newton's method in long double
// from the textbook formula, which for a quadratic converges to the root on the
// start's side of the vertex. Long double also holds B*B for every double B.
struct ReferenceRoots {
    bool real = false;
    long double root1 = 0, root2 = 0, vertexY = 0;
};

long double Polish(long double a, long double b, long double c, long double x) {
    for (int i = 0; i < 200; ++i) {
        const long double slope = 2 * a * x + b;
        if (slope == 0) {
            break;
        }
        const long double next = x - ((a * x + b) * x + c) / slope;
        if (next == x) {
            break;
        }
        x = next;
    }
    return x;
}

ReferenceRoots Reference(double A, double B, double C) {
    const long double a = A, b = B, c = C;
    const long double d = b * b - 4 * a * c;
    ReferenceRoots ref;
    ref.real = d >= 0;
    ref.vertexY = c - b * b / (4 * a);
    if (!ref.real) {
        ref.root1 = -b / (2 * a);
        ref.root2 = std::sqrt(-d) / (2 * a);
        return ref;
    }
    const long double s = std::sqrt(d);
    long double high = Polish(a, b, c, (s - b) / (2 * a));
    long double low = Polish(a, b, c, (-b - s) / (2 * a));
    if (high < low) {
        std::swap(high, low);
    }
    // Root 1, (s - B) / (2A), is the larger one exactly when A > 0.
    ref.root1 = a > 0 ? high : low;
    ref.root2 = a > 0 ? low : high;
    return ref;
}

// A double close to the long double, or the infinity it overflows to.
void ExpectClose(double value, long double reference, double tolerance, const char* what) {
    const long double limit = std::numeric_limits<double>::max();
    if (std::isnan(reference)) {
        ADD_FAILURE() << what << ": no reference";
    } else if (std::fabs(reference) > limit) {
        EXPECT_EQ(value, reference > 0 ? INFINITY : -INFINITY) << what;
        return;
    }
    EXPECT_LE(std::fabs(value - reference), tolerance * std::fabs(reference))
        << what << " " << value << " vs " << static_cast<double>(reference);
}

// Signed mantissa in [1, 10) times 10^exponent, from a fixed-seed generator.
struct Generator {
    std::mt19937_64 bits{20261208};
    double Unit() { return static_cast<double>(bits() >> 11) * 0x1p-53; }
    double Number(int lowExponent, int highExponent) {
        const int e = lowExponent + static_cast<int>(bits() % (highExponent - lowExponent + 1));
        const double sign = bits() % 2 ? -1.0 : 1.0;
        return sign * (1 + 9 * Unit()) * std::pow(10.0, e);
    }
};

// The texts hold every digit, so the solver gets these very doubles.
CQuadSolver SolverForValues(double a, double b, double c) {
    wchar_t texts[3][32];
    const double values[3] = {a, b, c};
    for (int i = 0; i < 3; ++i) {
        std::swprintf(texts[i], 32, L"%.17g", values[i]);
    }
    return SolverFor(texts[0], texts[1], texts[2]);
}

std::string Row(double a, double b, double c) {
    char text[128];
    std::snprintf(text, sizeof text, "A=%.17g B=%.17g C=%.17g", a, b, c);
    return text;
}

// Quadratics built from two chosen roots up to 24 decades apart: the coefficients
// hold them to the last digits, and so must the solved roots.
TEST(QuadSolver, RootsOfGeneratedQuadraticsMatchTheReference) {
    Generator gen;
    int checked = 0;
    while (checked < 20000) {
        const double r1 = gen.Number(-12, 12), r2 = gen.Number(-12, 12);
        if (std::fabs(r1 - r2) < 0.1 * std::max(std::fabs(r1), std::fabs(r2))) {
            continue;
        }
        const double a = gen.Number(-10, 10);
        const double b = -a * (r1 + r2);
        const double c = a * r1 * r2;
        SCOPED_TRACE(Row(a, b, c));
        SQuadResult result;
        SolverForValues(a, b, c).Solve(result);
        const ReferenceRoots ref = Reference(a, b, c);
        ASSERT_TRUE(ref.real);
        ASSERT_EQ(result.kind, SQuadResult::TwoRealRoots);
        ExpectClose(result.root1, ref.root1, 1e-14, "root 1");
        ExpectClose(result.root2, ref.root2, 1e-14, "root 2");
        ExpectClose(result.vertexX, -static_cast<long double>(b) / (2.0L * a), 1e-15, "vertex x");
        if (::testing::Test::HasFailure()) {
            return;
        }
        ++checked;
    }
}

// Coefficients of every size, A*C and B*B up to 10^400 apart and beyond the double
// range; rows whose discriminant nearly cancels (roots that B*B - 4AC cannot
// resolve) or whose results fall below the normal range are left out.
TEST(QuadSolver, GeneratedCoefficientsOfEverySize) {
    Generator gen;
    int real = 0, complex = 0;
    while (real + complex < 20000) {
        const double a = gen.Number(-200, 200), b = gen.Number(-200, 200),
                     c = gen.Number(-200, 200);
        const long double la = a, lb = b, lc = c;
        const long double d = lb * lb - 4 * la * lc;
        if (std::fabs(d) < 1e-3L * (lb * lb + std::fabs(4 * la * lc))) {
            continue;
        }
        const ReferenceRoots ref = Reference(a, b, c);
        const long double vertexX = -lb / (2 * la);
        const long double tiny = 1e-290L;
        if (std::fabs(ref.root1) < tiny || std::fabs(ref.root2) < tiny ||
            std::fabs(vertexX) < tiny || std::fabs(ref.vertexY) < tiny) {
            continue;
        }
        SCOPED_TRACE(Row(a, b, c));
        SQuadResult result;
        SolverForValues(a, b, c).Solve(result);
        ASSERT_EQ(result.kind, ref.real ? SQuadResult::TwoRealRoots : SQuadResult::ComplexRoots);
        if (ref.real) {
            ExpectClose(result.root1, ref.root1, 1e-14, "root 1");
            ExpectClose(result.root2, ref.root2, 1e-14, "root 2");
            ExpectClose(result.vertexX, vertexX, 1e-15, "vertex x");
            ExpectClose(result.vertexY, ref.vertexY, 1e-11, "vertex y");
            ++real;
        } else {
            ExpectClose(result.root1, ref.root1, 1e-15, "real part");
            ExpectClose(result.root2, ref.root2, 1e-13, "imaginary part");
            ++complex;
        }
        if (::testing::Test::HasFailure()) {
            return;
        }
    }
    EXPECT_GT(complex, 2000);
    EXPECT_GT(real, 2000);
}

} // namespace
