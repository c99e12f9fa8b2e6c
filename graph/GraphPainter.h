#pragma once

#include "ce/ZoqGdiScope.h"

#include <windows.h>

class CGraphCurves;
class CGraphPoints;
class CGraphStylus;
class CGraphView;
struct SGraphMark;

// The pieces of a graph frame, each drawn into a device context (the back buffer) with
// the graph's colours and pens. The painter owns its pens for the life of the window.
class CGraphPainter {
public:
    static constexpr COLORREF kBackground = RGB(0, 0, 0);
    static constexpr COLORREF kAxes = RGB(255, 255, 255);
    static constexpr COLORREF kGrid = RGB(38, 48, 52);
    static constexpr COLORREF kZoomBox = RGB(155, 175, 193);
    static constexpr COLORREF kText = RGB(255, 255, 255);

    // Colour of an equation slot (0-7) in the curves and the read-out.
    static COLORREF SlotColour(int slot);

    CGraphPainter();
    ~CGraphPainter();
    CGraphPainter(const CGraphPainter&) = delete;
    CGraphPainter& operator=(const CGraphPainter&) = delete;

    void Background(HDC dc, const CGraphView& view) const;
    void Grid(HDC dc, const CGraphView& view) const;
    void Axes(HDC dc, const CGraphView& view) const;
    void Curves(HDC dc, const CGraphView& view, const CGraphCurves& curves, bool asLines) const;
    void Points(HDC dc, const CGraphView& view, const CGraphPoints& points) const;
    void Labels(HDC dc, const CGraphView& view, int icon) const;
    void ZoomBox(HDC dc, const CGraphStylus& stylus) const;
    void Readout(HDC dc, const CGraphView& view, const CGraphCurves& curves, int slot, int column,
                 int icon);
    void ModeName(HDC dc, const CGraphView& view, const wchar_t* name, int icon) const;
    // A point the analysis found: a ring on the curve and, beside it, what it is and its
    // coordinates in the curve's colour.
    void Mark(HDC dc, const CGraphView& view, const SGraphMark& mark, const wchar_t* label,
              int icon) const;
    // A line of text in the upper part of the graph ("No zero here").
    void Message(HDC dc, const CGraphView& view, const wchar_t* text) const;

private:
    static constexpr int kSlots = 8;
    static constexpr int kCurvePens = 4;

    CZoqGdiHandle<HPEN> m_curvePens[kCurvePens];
    CZoqGdiHandle<HPEN> m_gridPen;
    CZoqGdiHandle<HPEN> m_zoomBoxPen;
    CZoqGdiHandle<HPEN> m_axesPen;
    CZoqGdiHandle<HPEN> m_readoutPens[kSlots]; // dashed, made when a slot is first read out
};
