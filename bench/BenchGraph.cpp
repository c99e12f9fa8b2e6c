// Time of a full resample of the graph window: eight curves over a 480-pixel-wide window,
// what the hi-resolution screen asks of every zoom, scroll and reset.

#include "graph/GraphCurves.h"
#include "graph/GraphView.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

constexpr int kWidth = 480;
constexpr int kHeight = 588; // 480 x 640 screen less the top bar and the menu bar
constexpr int kRuns = 60;
constexpr double kLimitMs = 8.0;

// Equation texts as the regression and quadratic calculators hand them over.
const wchar_t* const kEquations[CGraphCurves::kSlots] = {
    L"1*X^2-3*X+2",     L"0.666666666667*X+1.25", L"2.30258509299*ln(X)+0.5", L"1.5*log(X)-2",
    L"exp(0.25+0.5*X)", L"exp(0.1)*X^1.5",        L"-0.125*X^2+4*X-7.5",      L"1/X",
};

double ResampleMs(CGraphCurves& curves, const CGraphView& view) {
    const auto start = std::chrono::steady_clock::now();
    curves.CalcCurves(view);
    const auto stop = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::milli>(stop - start).count();
}

} // namespace

int main() {
    CGraphView view;
    view.SetSize(kWidth, kHeight);
    CGraphCurves curves;
    for (int slot = 0; slot < CGraphCurves::kSlots; ++slot)
        curves.SetEquation(kEquations[slot], slot);
    ResampleMs(curves, view); // allocates the sample arrays once

    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        // A different view each run, as after a zoom or a scroll.
        view.ScrollAtEdge(run % 2 ? 1 : kWidth - 1, kHeight / 2);
        times.push_back(ResampleMs(curves, view));
    }
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    std::printf("graph resample, %d curves x %d px: median %.3f ms, best %.3f ms "
                "(%.0f evaluations/s), limit %.1f ms: %s\n",
                CGraphCurves::kSlots, kWidth, median, times.front(),
                CGraphCurves::kSlots * kWidth / (median / 1000.0), kLimitMs,
                median < kLimitMs ? "ok" : "TOO SLOW");
    return median < kLimitMs ? 0 : 1;
}
