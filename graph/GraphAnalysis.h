#pragma once

class CGraphCurves;
class CGraphView;

// What the graph window's analysis menu finds on the curves, around the point-on-graph
// cursor: the value at a given x, or the zero, minimum, maximum or intersection nearest the
// cursor within the visible x range.
enum EGraphAnalysis : int {
    kAnalysisValue = 0,
    kAnalysisZero = 1,
    kAnalysisMinimum = 2,
    kAnalysisMaximum = 3,
    kAnalysisIntersection = 4,
};

// A point found, on the curve of `slot`, with its coordinates written as the engine writes
// results (its digits are the display's).
struct SGraphMark {
    int slot = -1;
    double x = 0;
    double y = 0;
    wchar_t xText[64] = {};
    wchar_t yText[64] = {};
};

// The drawn curves (slots 0-3) that have a value at world x, nearest to world y first.
// Returns how many were written (at most capacity).
int CurvesNearest(const CGraphCurves& curves, double x, double y, int* slots, int capacity);

// Runs `kind` for the cursor at pixel (column, row): the curve nearest the cursor (for an
// intersection the two nearest) is searched over the visible x range, and of several
// solutions the one nearest the cursor's x wins. kAnalysisValue takes x from `valueX`.
// Returns 1 with the mark written, or 0 (mark untouched) when there is none.
int AnalyseGraph(const CGraphView& view, const CGraphCurves& curves, EGraphAnalysis kind,
                 int column, int row, double valueX, SGraphMark* mark);
