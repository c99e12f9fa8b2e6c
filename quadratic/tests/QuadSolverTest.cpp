#include "quadratic/ParabixCalc.h"
#include "quadratic/QuadSolver.h"

#include "engine/Numora.h"

#include <cmath>
#include <gtest/gtest.h>
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
         QuadResult::TwoRealRoots,
         2,
         1,
         1.5,
         -0.25,
         L"1*X^2-3*X+2",
         {L"The x intercepts are:", L"(2, 1)", L"The Vertice is located:", L"(1.5, -0.25)"}},
        {L"-2",
         L"0",
         L"8",
         QuadResult::TwoRealRoots,
         -2,
         2,
         0,
         8,
         L"-2*X^2+0*X+8",
         {L"The x intercepts are:", L"(-2, 2)", L"The Vertice is located:", L"(0, 8)"}},
        {L"1",
         L"2",
         L"5",
         QuadResult::ComplexRoots,
         -1,
         2,
         -1,
         -1,
         L"1*X^2+2*X+5",
         {L"Imaginary Solution", L"The x intercepts are:", L"(-1 + 2i)", L"(-1 - 2i)"}},
        {L"0",
         L"2",
         L"-4",
         QuadResult::Line,
         2,
         0,
         -1,
         -1,
         L"0*X^2+2*X-4",
         {L"Equation of a line:", L"f(x) = 2x + -4", L"X Intercept:", L"2"}},
        {L"0",
         L"0",
         L"3",
         QuadResult::Line,
         -1,
         0,
         -1,
         -1,
         L"0*X^2+0*X+3",
         {L"Equation of a line:", L"f(x) = 0x + 3", L"X Intercept:", L"None"}},
        {L"",
         L"",
         L"",
         QuadResult::Line,
         -1,
         0,
         -1,
         -1,
         L"0*X^2+0*X+0",
         {L"Equation of a line:", L"f(x) = x + ", L"X Intercept:", L"Every x"}},
        {L"0.5",
         L"-0.125",
         L"0",
         QuadResult::TwoRealRoots,
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
         QuadResult::TwoRealRoots,
         1,
         -1,
         0,
         -1,
         L"1*X^2+0*X-1",
         {L"The x intercepts are:", L"(1, -1)", L"The Vertice is located:", L"(0, -1)"}},
        {L"0",
         L"0.0000000000001",
         L"-2e-13",
         QuadResult::Line,
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
        QuadResult result;
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
    QuadResult result;
    solver.Solve(result);
    solver.SetA(L"0");
    solver.SetB(L"0");
    solver.Solve(result);
    EXPECT_EQ(result.kind, QuadResult::Line);
    EXPECT_EQ(result.root1, -1.0);
    EXPECT_EQ(result.vertexX, -1.0);
    EXPECT_EQ(result.vertexY, -1.0);
}

TEST(QuadSolver, LongestGraphTextFits) {
    // Fifteen typed characters give the longest 12-digit numbers (19 characters).
    CQuadSolver solver = SolverFor(L"-12345678901234", L"-0.000000000001", L"-12345678901234");
    QuadResult result;
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
        QuadResult result;
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
                << std::string(text.begin(), text.end());
        }
    }
}

} // namespace
