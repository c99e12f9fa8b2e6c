#pragma once

#include "ce/ZoqGdiScope.h"
#include "graph/GraphAnalysis.h"
#include "graph/GraphCurves.h"
#include "graph/GraphPainter.h"
#include "graph/GraphPoints.h"
#include "graph/GraphStylus.h"
#include "graph/GraphView.h"
#include "ui/ZoqGDI.h"
#include "ui/ZoqWnd.h"

// The full-screen graph of up to eight equations in X and up to 100 data points, run as
// a modal dialog over a calculator window:
//
//     CWndGraph graph;
//     graph.SetEquation(L"1*X^2-3*X+2", 0);
//     graph.AddPoint(1.0, 0.0);
//     graph.DoModal(calculatorWindow, instance, IDD_GRAPH);
//
// The program's resources must include graph/Graph.rc. Each run starts at the default
// view; the object is meant for one run.
class CWndGraph : public CZoqWnd {
public:
    CWndGraph();
    ~CWndGraph() override;

    // Index 0-7; slots 0-3 are drawn. Returns 0, changing nothing, for another index.
    int SetEquation(const wchar_t* text, int index);
    // Returns 0, changing nothing, once 100 points are held.
    int AddPoint(double x, double y);
    // Draw the curves as lines (default) or as one pixel per sample.
    void SetDrawLines(bool asLines) { m_drawLines = asLines; }

    // View changes that resample and redraw; a refused zoom changes nothing.
    void ResetView();
    void ZoomIn();
    void ZoomOut();

    // The analysis menu (the point-on-graph mode's context menu, and the keys V, Z, N, X
    // and I): in point-on-graph mode (switched to when needed), finds the point
    // of `kind` around the cursor (the last tap, or the middle of the graph) and marks it;
    // says "No zero here" and the like when there is none. kAnalysisValue asks for the x.
    void Analyse(EGraphAnalysis kind);

    // State, for the calculators' tests and the screenshots.
    const CGraphView& View() const { return m_view; }
    const CGraphStylus& Stylus() const { return m_stylus; }
    const CGraphCurves& Curves() const { return m_curves; }
    const CZoqGDI& BackBuffer() const { return m_backBuffer; }
    const wchar_t* ModeName() const { return m_modeName; }
    // The point the analysis marked, when one is shown.
    const SGraphMark* Mark() const { return m_markShown ? &m_mark : nullptr; }
    // The analysis's message, empty when there is none.
    const wchar_t* AnalysisMessage() const { return m_message; }
    // How many times the samples were computed.
    int SampleRuns() const { return m_sampleRuns; }

    LRESULT OnDraw(HWND hwnd, HDC dc, RECT* client) override;
    LRESULT OnKeyUp(HWND hwnd, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnInitDialog(HWND hwnd, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnLButtonUp(HWND hwnd, POINT point) override;
    LRESULT OnLButtonDown(HWND hwnd, POINT point) override;
    LRESULT OnMouseMove(HWND hwnd, POINT point) override;
    LRESULT OnCommand(HWND hwnd, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static constexpr int kModeNameCapacity = 33; // 32 characters and the terminator

    void CalcCurves();
    void Resample();
    void Invalidate();
    void LoadModeName();
    int PrepareSurfaces(HDC dc);
    void DrawFullFrame(HDC dc);
    void ShowAnalysis(EGraphAnalysis kind, int found);
    void ShowAnalysisMenu(LPARAM screenPoint);
    // The last tap in point-on-graph mode, or the middle of the graph before the first.
    POINT Cursor() const;
    void ClearAnalysis();

    CGraphView m_view;
    CGraphStylus m_stylus;
    CGraphCurves m_curves;
    CGraphPoints m_points;
    CGraphPainter m_painter;
    CZoqGDI m_backBuffer;
    CZoqGDI m_cache;
    CZoqGdiHandle<HFONT> m_font;
    bool m_drawLines;
    bool m_grid;
    int m_activeCurve;
    int m_icon;
    int m_sampleRuns;
    wchar_t m_modeName[kModeNameCapacity];
    // The analysis: its cursor, the point it marked and its label, or its message.
    POINT m_cursor;
    bool m_cursorSet;
    bool m_markShown;
    SGraphMark m_mark;
    wchar_t m_markLabel[kModeNameCapacity];
    wchar_t m_message[kModeNameCapacity];
};
