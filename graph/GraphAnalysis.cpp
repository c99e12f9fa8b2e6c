#include "graph/GraphAnalysis.h"

#include "graph/CurveRefine.h"
#include "graph/CurveSearch.h"
#include "graph/EquationCurve.h"
#include "graph/GraphCurves.h"
#include "graph/GraphView.h"

#include <algorithm>
#include <cmath>

namespace {

double RowToY(const CGraphView& view, int row) {
    return view.TopValue() - static_cast<double>(row) / view.Height() * view.YRange();
}

int Search(const CGraphView& view, const CGraphCurves& curves, EGraphAnalysis kind, int first,
           int second, double near, double valueX, SCurvePoint* point) {
    const CEquationCurve f(*curves.Template(first));
    const double low = view.LeftValue(), high = view.RightValue();
    switch (kind) {
    case kAnalysisValue: {
        const double y = CurveValue(f, valueX);
        if (std::isnan(y))
            return 0;
        point->x = valueX;
        point->y = y;
        return 1;
    }
    case kAnalysisZero:
        return FindZero(f, low, high, near, point);
    case kAnalysisMinimum:
        return FindMinimum(f, low, high, near, point);
    case kAnalysisMaximum:
        return FindMaximum(f, low, high, near, point);
    case kAnalysisIntersection:
        if (second < 0)
            return 0;
        return FindIntersection(f, CEquationCurve(*curves.Template(second)), low, high, near,
                                point);
    }
    return 0;
}

} // namespace

int CurvesNearest(const CGraphCurves& curves, double x, double y, int* slots, int capacity) {
    double distances[CGraphCurves::kDrawnSlots];
    int order[CGraphCurves::kDrawnSlots];
    int count = 0;
    for (int slot = 0; slot < CGraphCurves::kDrawnSlots; ++slot) {
        const CEquationTemplate* equation = curves.Template(slot);
        if (!equation)
            continue;
        const double value = CurveValue(CEquationCurve(*equation), x);
        if (std::isnan(value))
            continue;
        // Insertion in distance order; equal distances keep slot order.
        int at = count;
        const double distance = std::fabs(value - y);
        while (at > 0 && distances[at - 1] > distance) {
            distances[at] = distances[at - 1];
            order[at] = order[at - 1];
            --at;
        }
        distances[at] = distance;
        order[at] = slot;
        ++count;
    }
    count = std::min(count, capacity);
    for (int i = 0; i < count; ++i)
        slots[i] = order[i];
    return count;
}

int AnalyseGraph(const CGraphView& view, const CGraphCurves& curves, EGraphAnalysis kind,
                 int column, int row, double valueX, SGraphMark* mark) {
    if (!mark || view.Width() <= 0 || view.Height() <= 0)
        return 0;
    const double x = kind == kAnalysisValue ? valueX : view.ColumnToX(column);
    int slots[CGraphCurves::kDrawnSlots];
    int count = CurvesNearest(curves, x, RowToY(view, row), slots, CGraphCurves::kDrawnSlots);
    if (count == 0 && kind != kAnalysisValue) {
        // The cursor may stand where the curve has no value (beyond a pole, outside its
        // domain): any drawn curve will do.
        for (int slot = 0; slot < CGraphCurves::kDrawnSlots && count < 2; ++slot) {
            if (curves.Template(slot))
                slots[count++] = slot;
        }
    }
    if (count == 0)
        return 0;
    SCurvePoint point;
    if (!Search(view, curves, kind, slots[0], count > 1 ? slots[1] : -1, x, valueX, &point))
        return 0;
    mark->slot = slots[0];
    mark->x = point.x;
    mark->y = point.y;
    FormatAsResult(point.x, mark->xText);
    FormatAsResult(point.y, mark->yText);
    return 1;
}
