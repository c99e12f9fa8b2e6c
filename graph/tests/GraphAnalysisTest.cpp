#include "engine/Numora.h"
#include "graph/GraphAnalysis.h"
#include "graph/GraphCurves.h"
#include "graph/GraphView.h"
#include "testing/ZoqTestText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

// The default view: x and y from -5 to 5.
CGraphView MakeView() {
    CGraphView view;
    view.SetSize(240, 268);
    return view;
}

int Column(const CGraphView& view, double x) {
    return view.XToScreen(x);
}

int Row(const CGraphView& view, double y) {
    return view.YToScreen(y);
}

} // namespace

TEST(GraphAnalysis, FindsWhatIsNearestTheCursor) {
    const struct {
        const char* what;
        const wchar_t* curves[2];
        EGraphAnalysis kind;
        double cursorX, cursorY, valueX;
        bool found;
        int slot = -1;
        const char* x = nullptr;
        const char* y = nullptr;
    } cases[] = {
        {"left root", {L"1*X^2-3*X+2"}, kAnalysisZero, 0.5, 0, 0, true, 0, "1", "0"},
        {"right root", {L"1*X^2-3*X+2"}, kAnalysisZero, 2.4, 0, 0, true, 0, "2", "0"},
        {"vertex", {L"1*X^2-3*X+2"}, kAnalysisMinimum, -3, 3, 0, true, 0, "1.5", "-0.25"},
        {"no maximum", {L"1*X^2-3*X+2"}, kAnalysisMaximum, 1, 0, 0, false},
        {"value", {L"1*X^2-3*X+2"}, kAnalysisValue, 0, 0, 0.5, true, 0, "0.5", "0.75"},
        {"value beyond the view", {L"1*X^2-3*X+2"}, kAnalysisValue, 0, 0, 12, true, 0, "12", "110"},
        {"no value at a pole", {L"1/X"}, kAnalysisValue, 0, 0, 0, false},
        {"no zero of 1/X", {L"1/X"}, kAnalysisZero, 0.1, 0, 0, false},
        // The root at 6 lies outside the visible range.
        {"only visible roots", {L"X-6"}, kAnalysisZero, 4, 0, 0, false},
        {"nearer curve", {L"X^2", L"X+3"}, kAnalysisZero, 0.5, 3.4, 0, true, 1, "-3", "0"},
        {"other curve", {L"X^2", L"X+3"}, kAnalysisZero, 0.5, 0.3, 0, true, 0, "0", "0"},
        {"intersection left",
         {L"X^2", L"2*X+3"},
         kAnalysisIntersection,
         -1.5,
         1.5,
         0,
         true,
         0,
         "-1",
         "1"},
        {"intersection right",
         {L"X^2", L"2*X+3"},
         kAnalysisIntersection,
         2.5,
         4.5,
         0,
         true,
         0,
         "3",
         "9"},
        {"intersection from the line",
         {L"X^2", L"2*X+3"},
         kAnalysisIntersection,
         -0.5,
         1.9,
         0,
         true,
         1,
         "-1",
         "1"},
        {"one curve has no intersection", {L"X^2"}, kAnalysisIntersection, 0, 0, 0, false},
        {"parallel lines", {L"X", L"X+1"}, kAnalysisIntersection, 0, 0, 0, false},
    };
    const CGraphView view = MakeView();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CGraphCurves curves;
        for (int slot = 0; slot < 2; ++slot)
            curves.SetEquation(c.curves[slot], slot);
        SGraphMark mark;
        const int found = AnalyseGraph(view, curves, c.kind, Column(view, c.cursorX),
                                       Row(view, c.cursorY), c.valueX, &mark);
        ASSERT_EQ(found, c.found ? 1 : 0) << "x " << mark.x << " y " << mark.y;
        if (!c.found) {
            EXPECT_EQ(mark.slot, -1) << "mark written although nothing was found";
            continue;
        }
        EXPECT_EQ(mark.slot, c.slot);
        EXPECT_EQ(Narrow(mark.xText), c.x);
        EXPECT_EQ(Narrow(mark.yText), c.y);
    }
}

TEST(GraphAnalysis, MarkUsesTheDisplayDigits) {
    Numora& engine = *Numora::GetInstance();
    CGraphCurves curves;
    curves.SetEquation(L"X^2-2", 0);
    const CGraphView view = MakeView();
    const struct {
        int digits;
        const char* x;
    } cases[] = {{15, "1.4142135623731"}, {8, "1.4142136"}, {4, "1.414"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.digits);
        engine.SetPrecision(c.digits);
        SGraphMark mark;
        ASSERT_EQ(
            AnalyseGraph(view, curves, kAnalysisZero, Column(view, 1), Row(view, 0), 0, &mark), 1);
        EXPECT_EQ(Narrow(mark.xText), c.x);
    }
    engine.SetPrecision(15);
}

TEST(GraphAnalysis, NearestCurvesInOrderOfDistance) {
    CGraphCurves curves;
    curves.SetEquation(L"X", 0);
    curves.SetEquation(L"X+1", 1);
    curves.SetEquation(L"sqrt(X)", 2);
    curves.SetEquation(L"X+10", 3);
    curves.SetEquation(L"X+0.5", 5); // sampled, not drawn: never chosen
    const struct {
        double x, y;
        int count;
        int slots[4];
    } cases[] = {
        {0, 0.9, 4, {1, 0, 2, 3}},
        {-1, -1, 3, {0, 1, 3}}, // sqrt has no value at -1
        {4, 14, 4, {3, 1, 0, 2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.x) + ", " + std::to_string(c.y));
        int slots[4] = {-1, -1, -1, -1};
        ASSERT_EQ(CurvesNearest(curves, c.x, c.y, slots, 4), c.count);
        for (int i = 0; i < c.count; ++i)
            EXPECT_EQ(slots[i], c.slots[i]) << "place " << i;
    }
    int one[1] = {-1};
    EXPECT_EQ(CurvesNearest(curves, 0, 0.9, one, 1), 1);
    EXPECT_EQ(one[0], 1);
}
