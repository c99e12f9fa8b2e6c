#include "engine/Numora.h"
#include "engine/ZoqNumoraUtil.h"
#include "graph/EquationTemplate.h"
#include "graph/GraphCurves.h"
#include "graph/GraphPoints.h"
#include "graph/GraphReadout.h"
#include "graph/GraphView.h"
#include "testing/ZoqTestText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

namespace {

// A width at which the sample spacing (10 / 160 = 0.0625) and every sampled x are exact in
// binary and short in decimal, so the engine sees exactly the x the test computes.
constexpr int kExactWidth = 160;
constexpr int kHeight = 268;

CGraphView MakeView(int width, int height = kHeight) {
    CGraphView view;
    view.SetSize(width, height);
    return view;
}

double SampleX(const CGraphView& view, int i) {
    return i * (view.XRange() / view.Width()) - view.XOffset();
}

} // namespace

TEST(GraphCurves, SamplesLandOnTheRowsOfTheEquation) {
    const struct {
        const wchar_t* equation;
        std::function<double(double)> f;
    } cases[] = {
        {L"2*X+1", [](double x) { return 2 * x + 1; }},
        {L"X^2", [](double x) { return x * x; }},
        {L"1*X^2-3*X+2", [](double x) { return x * x - 3 * x + 2; }},
        {L"-X", [](double x) { return -x; }},
        {L"X*X*X/10", [](double x) { return x * x * x / 10; }},
    };
    const CGraphView view = MakeView(kExactWidth);
    for (const auto& c : cases) {
        SCOPED_TRACE(Narrow(c.equation));
        CGraphCurves curves;
        ASSERT_EQ(curves.SetEquation(c.equation, 0), 1);
        curves.CalcCurves(view);
        ASSERT_EQ(curves.SampleCount(), kExactWidth);
        const int* samples = curves.Samples(0);
        ASSERT_NE(samples, nullptr);
        for (int i = 0; i < kExactWidth; ++i)
            ASSERT_EQ(samples[i], view.YToScreen(c.f(SampleX(view, i)))) << "column " << i;
    }
}

TEST(GraphCurves, EverySlotIsSampledAndEmptySlotsAreNot) {
    CGraphCurves curves;
    for (int slot = 0; slot < CGraphCurves::kSlots; slot += 2)
        ASSERT_EQ(curves.SetEquation(L"X+1", slot), 1);
    const CGraphView view = MakeView(kExactWidth);
    curves.CalcCurves(view);
    for (int slot = 0; slot < CGraphCurves::kSlots; ++slot) {
        SCOPED_TRACE(slot);
        if (slot % 2) {
            EXPECT_EQ(curves.Samples(slot), nullptr);
            continue;
        }
        ASSERT_NE(curves.Samples(slot), nullptr);
        EXPECT_EQ(curves.Samples(slot)[40], view.YToScreen(SampleX(view, 40) + 1));
    }
}

TEST(GraphCurves, SetEquationRefusesSlotsOutsideZeroToSeven) {
    CGraphCurves curves;
    EXPECT_EQ(curves.SetEquation(L"X", 8), 0);
    EXPECT_EQ(curves.SetEquation(L"X", -1), 0);
    EXPECT_EQ(curves.SetEquation(L"X", 7), 1);
    EXPECT_STREQ(curves.Equation(7), L"X");
    EXPECT_EQ(curves.SetEquation(L"X^2", 7), 1);
    EXPECT_STREQ(curves.Equation(7), L"X^2");
    EXPECT_EQ(curves.SetEquation(nullptr, 7), 1);
    EXPECT_EQ(curves.Equation(7), nullptr);
    EXPECT_EQ(curves.Equation(8), nullptr);
}

TEST(GraphCurves, StepSkipsPixelColumns) {
    CGraphCurves curves;
    curves.SetEquation(L"X", 0);
    curves.SetStep(1);
    const CGraphView view = MakeView(kExactWidth);
    curves.CalcCurves(view);
    ASSERT_EQ(curves.SampleCount(), kExactWidth / 2);
    // Sample i is drawn at column 2i and holds the x of that column.
    EXPECT_EQ(curves.Samples(0)[20], view.YToScreen(SampleX(view, 40)));
}

TEST(GraphCurves, ReciprocalIsBrokenAtItsAsymptoteOnly) {
    for (int width : {240, 480, 241}) {
        SCOPED_TRACE(width);
        const CGraphView view = MakeView(width);
        CGraphCurves curves;
        curves.SetEquation(L"1/X", 0);
        curves.CalcCurves(view);
        const int* samples = curves.Samples(0);
        int breaks = 0;
        for (int i = 1; i < curves.SampleCount(); ++i) {
            const bool crosses = SampleX(view, i - 1) < 0 && SampleX(view, i) >= 0;
            const bool broken = IsCurveBreak(samples[i - 1], samples[i], kHeight);
            if (broken)
                ++breaks;
            if (crosses) {
                EXPECT_TRUE(broken) << "joined across the asymptote at column " << i;
            }
            if (!broken) {
                EXPECT_EQ(SampleX(view, i - 1) < 0, SampleX(view, i) < 0) << "column " << i;
            }
        }
        EXPECT_GE(breaks, 1);
    }
}

TEST(GraphCurves, ValuesWithoutARowAreNeverJoinedToVisibleOnes) {
    const struct {
        const wchar_t* equation;
        bool negativeXOnly;
        const char* why;
    } cases[] = {
        {L"ln(X)", true, "imaginary for x < 0"},
        {L"sqrt(X)", true, "imaginary for x < 0"},
        {L"X)", false, "syntax error: text left over"},
        {L"2(X)", false, "syntax error: operands side by side"},
    };
    const CGraphView view = MakeView(240);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        CGraphCurves curves;
        curves.SetEquation(c.equation, 0);
        curves.CalcCurves(view);
        const int* samples = curves.Samples(0);
        for (int i = 0; i < curves.SampleCount(); ++i) {
            if (c.negativeXOnly && SampleX(view, i) >= 0)
                continue;
            ASSERT_GT(samples[i], 3 * kHeight) << "column " << i;
            for (int visible = 0; visible < kHeight; visible += 67)
                ASSERT_TRUE(IsCurveBreak(visible, samples[i], kHeight));
        }
    }
}

TEST(GraphCurves, SyntaxErrorAndOverlongTextsGetNoRow) {
    const CGraphView view = MakeView(100);
    std::wstring overlong;
    for (int i = 0; i < 120; ++i)
        overlong += L"X+";
    overlong += L"1";
    for (const std::wstring& equation : {std::wstring(L"X)"), overlong}) {
        SCOPED_TRACE(Narrow(equation));
        CGraphCurves curves;
        curves.SetEquation(equation.c_str(), 0);
        curves.CalcCurves(view);
        for (int i = 0; i < curves.SampleCount(); ++i)
            ASSERT_EQ(curves.Samples(0)[i], view.YToScreen(NAN)) << "column " << i;
    }
}

TEST(GraphCurves, ResamplingAWiderWindowStaysInsideItsArrays) {
    CGraphCurves curves;
    curves.SetEquation(L"X", 0);
    curves.CalcCurves(MakeView(100));
    const CGraphView wider = MakeView(kExactWidth * 3);
    curves.CalcCurves(wider);
    ASSERT_EQ(curves.SampleCount(), kExactWidth * 3);
    const int last = kExactWidth * 3 - 1;
    EXPECT_EQ(curves.Samples(0)[last], wider.YToScreen(SampleX(wider, last)));
}

TEST(GraphCurves, NothingToSampleInAnEmptyWindow) {
    CGraphCurves curves;
    curves.SetEquation(L"X", 0);
    curves.CalcCurves(MakeView(0, 0));
    EXPECT_EQ(curves.SampleCount(), 0);
}

TEST(EquationTemplate, SubstitutesLikeReplaceAll) {
    const wchar_t* equations[] = {L"2*X+X",       L"X",    L"", L"XX", L"sin(X)^2+cos(X)^2",
                                  L"no variable", L"X^X-X"};
    const wchar_t* values[] = {L"(1.5)", L"(-0.000123456789012)", L"(1.e+020)", L""};
    for (const wchar_t* equation : equations) {
        for (const wchar_t* value : values) {
            SCOPED_TRACE(Narrow(equation) + " with " + Narrow(value));
            wchar_t expected[512];
            ASSERT_EQ(
                CZoqNumoraUtil::GetInstance()->ReplaceAll(equation, L"X", value, expected, 512), 1);
            CEquationTemplate prepared;
            prepared.Prepare(equation);
            wchar_t actual[512];
            ASSERT_EQ(prepared.Substitute(value, actual, 512), 1);
            EXPECT_EQ(std::wstring(actual), std::wstring(expected));
        }
    }
}

TEST(EquationTemplate, RefusesATextThatDoesNotFit) {
    CEquationTemplate prepared;
    prepared.Prepare(L"X+X");
    wchar_t out[8] = L"#######";
    EXPECT_EQ(prepared.Substitute(L"(12)", out, 8), 0); // needs 9 characters with the end
    EXPECT_EQ(out[0], L'\0');
    EXPECT_EQ(out[1], L'#');
    EXPECT_EQ(prepared.Substitute(L"(1)", out, 8), 1);
    EXPECT_EQ(std::wstring(out), L"(1)+(1)");
}

TEST(GraphPoints, HoldsAHundredPoints) {
    CGraphPoints points;
    for (int i = 0; i < CGraphPoints::kCapacity; ++i)
        ASSERT_EQ(points.AddPoint(i, -i), 1);
    EXPECT_EQ(points.AddPoint(1000, 1000), 0);
    EXPECT_EQ(points.Count(), 100);
    EXPECT_EQ(points.X(99), 99.0);
    EXPECT_EQ(points.Y(99), -99.0);
}

TEST(GraphReadout, ReadsTheEquationUnderTheStylus) {
    CGraphCurves curves;
    curves.SetEquation(L"X^2-1", 0);
    const CGraphView view = MakeView(kExactWidth);
    SGraphReadout readout;
    // Column 96 is x = 1: y = 0, on the x axis.
    ASSERT_EQ(ComputeReadout(view, curves, 0, 96, &readout), 1);
    EXPECT_EQ(std::wstring(readout.xText), L"1");
    EXPECT_EQ(std::wstring(readout.yText), L"0");
    EXPECT_EQ(readout.row, kHeight / 2);
    EXPECT_TRUE(readout.crosshair);

    // x = -3 gives 8, above the window: texts but no crosshair.
    ASSERT_EQ(ComputeReadout(view, curves, 0, 32, &readout), 1);
    EXPECT_EQ(std::wstring(readout.xText), L"-3");
    EXPECT_EQ(std::wstring(readout.yText), L"8");
    EXPECT_FALSE(readout.crosshair);
}

TEST(GraphReadout, NothingForAnEmptyOrMissingSlot) {
    CGraphCurves curves;
    curves.SetEquation(L"X", 0);
    const CGraphView view = MakeView(kExactWidth);
    SGraphReadout readout;
    EXPECT_EQ(ComputeReadout(view, curves, 1, 50, &readout), 0);
    EXPECT_EQ(ComputeReadout(view, curves, 8, 50, &readout), 0);
    EXPECT_EQ(ComputeReadout(view, curves, -1, 50, &readout), 0);
}

TEST(GraphReadout, ImaginaryValuesShowTheirTextWithoutACrosshair) {
    CGraphCurves curves;
    curves.SetEquation(L"sqrt(X)", 0);
    const CGraphView view = MakeView(kExactWidth);
    SGraphReadout readout;
    ASSERT_EQ(ComputeReadout(view, curves, 0, 16, &readout), 1);
    EXPECT_EQ(std::wstring(readout.yText), L"imaginary");
    EXPECT_FALSE(readout.crosshair);
}
