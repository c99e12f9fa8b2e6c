#include "graph/GraphPainter.h"

#include "graph/AxisLabel.h"
#include "graph/GraphAnalysis.h"
#include "graph/GraphCurves.h"
#include "graph/GraphPoints.h"
#include "graph/GraphReadout.h"
#include "graph/GraphStylus.h"
#include "graph/GraphView.h"
#include "ui/ZoqGDI.h"
#include "ce/ZoqGdiScope.h"
#include "ui/ZoqString.h"

namespace {

constexpr int kGridLines = 10;
constexpr int kLabelMargin = 7;
constexpr int kLabelTop = 3;
constexpr int kReadoutGap = 5;
constexpr int kLabelCapacity = 64;
constexpr int kMarkRadius = 3;

void Line(HDC dc, int x0, int y0, int x1, int y1) {
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x1, y1);
}

void Text(HDC dc, const wchar_t* text, int x, int y, int alignment, COLORREF colour) {
    CZoqGDI::DrawTextAt(dc, text, x, y, alignment, nullptr, colour, TRANSPARENT);
}

void Label(HDC dc, double value, int x, int y, int alignment) {
    wchar_t text[kLabelCapacity];
    FormatAxisLabel(value, text, kLabelCapacity);
    Text(dc, text, x, y, alignment, CGraphPainter::kText);
}

} // namespace

COLORREF CGraphPainter::SlotColour(int slot) {
    static const COLORREF kColours[kCurvePens] = {RGB(0, 128, 255), RGB(0, 255, 0),
                                                  RGB(236, 0, 140), RGB(255, 252, 0)};
    return slot >= 0 && slot < kCurvePens ? kColours[slot] : RGB(255, 255, 0);
}

CGraphPainter::CGraphPainter()
    : m_gridPen(CreatePen(PS_SOLID, 1, kGrid)), m_zoomBoxPen(CreatePen(PS_DASH, 1, kZoomBox)),
      m_axesPen(CreatePen(PS_SOLID, 1, kAxes)), m_readoutPens() {
    for (int slot = 0; slot < kCurvePens; ++slot)
        m_curvePens[slot].Reset(CreatePen(PS_SOLID, 1, SlotColour(slot)));
}

CGraphPainter::~CGraphPainter() = default;

void CGraphPainter::Background(HDC dc, const CGraphView& view) const {
    RECT all = {0, 0, view.Width(), view.Height()};
    CZoqGDI::FillSolid(dc, all, kBackground);
}

void CGraphPainter::Grid(HDC dc, const CGraphView& view) const {
    const int gx = view.GridColumns();
    const int gy = view.GridRows();
    if (gx <= 0 || gy <= 0)
        return; // a window under 10 pixels has no grid
    const int width = view.Width(), height = view.Height();
    const int firstColumn = view.GridFirstColumn();
    const int bottomOffset = view.GridBottomOffset();
    CZoqSelection pen(dc, m_gridPen.Get());
    for (int k = 0; k < kGridLines; ++k) {
        const int column = firstColumn + k * gx;
        Line(dc, column, 0, column, height);
        const int row = height - bottomOffset - k * gy;
        Line(dc, 0, row, width, row);
    }
}

void CGraphPainter::Axes(HDC dc, const CGraphView& view) const {
    const int width = view.Width(), height = view.Height();
    CZoqSelection pen(dc, m_axesPen.Get());
    const int column = view.AxisColumn();
    if (column >= 0 && column < width)
        Line(dc, column, 0, column, height);
    const int row = view.AxisRow();
    if (row >= 0 && row < height)
        Line(dc, 0, row, width, row);
}

void CGraphPainter::Curves(HDC dc, const CGraphView& view, const CGraphCurves& curves,
                           bool asLines) const {
    const int count = curves.SampleCount();
    const int stride = curves.Step() + 1;
    const int height = view.Height();
    for (int slot = 0; slot < CGraphCurves::kDrawnSlots; ++slot) {
        const int* samples = curves.Samples(slot);
        if (!samples || count <= 0)
            continue;
        if (!asLines) {
            for (int i = 0; i < count; ++i)
                SetPixel(dc, i * stride, samples[i], SlotColour(slot));
            continue;
        }
        CZoqSelection pen(dc, m_curvePens[slot].Get());
        MoveToEx(dc, 0, samples[0], nullptr);
        for (int i = 1; i < count; ++i) {
            if (IsCurveBreak(samples[i - 1], samples[i], height))
                MoveToEx(dc, i * stride, samples[i], nullptr);
            else
                LineTo(dc, i * stride, samples[i]);
        }
    }
}

void CGraphPainter::Points(HDC dc, const CGraphView& view, const CGraphPoints& points) const {
    CZoqSelection pen(dc, GetStockObject(WHITE_PEN));
    for (int i = 0; i < points.Count(); ++i) {
        const int x = view.XToScreen(points.X(i));
        const int y = view.YToScreen(points.Y(i));
        Line(dc, x - 2, y, x + 3, y);
        Line(dc, x, y - 2, x, y + 3);
    }
}

void CGraphPainter::Labels(HDC dc, const CGraphView& view, int icon) const {
    const int width = view.Width(), height = view.Height();
    Label(dc, view.TopValue(), width / 2 + kLabelMargin, kLabelTop, CZoqGDI::kAlignLeft);
    Label(dc, view.BottomValue(), width / 2 + kLabelMargin, height - icon / 2, CZoqGDI::kAlignLeft);
    Label(dc, view.LeftValue(), kLabelMargin, height / 2 + kLabelTop, CZoqGDI::kAlignLeft);
    Label(dc, view.RightValue(), width - kLabelMargin, height / 2 + kLabelTop,
          CZoqGDI::kAlignRight);
}

void CGraphPainter::ZoomBox(HDC dc, const CGraphStylus& stylus) const {
    const int x0 = stylus.StartX(), y0 = stylus.StartY();
    const int x1 = stylus.CurrentX(), y1 = stylus.CurrentY();
    CZoqSelection pen(dc, m_zoomBoxPen.Get());
    MoveToEx(dc, x0, y0, nullptr);
    LineTo(dc, x0, y1);
    LineTo(dc, x1, y1);
    LineTo(dc, x1, y0);
    LineTo(dc, x0, y0);
}

void CGraphPainter::Readout(HDC dc, const CGraphView& view, const CGraphCurves& curves, int slot,
                            int column, int icon) {
    SGraphReadout readout;
    if (!ComputeReadout(view, curves, slot, column, &readout))
        return;
    const COLORREF colour = SlotColour(slot);
    if (readout.crosshair) {
        if (!m_readoutPens[slot].Get())
            m_readoutPens[slot].Reset(CreatePen(PS_DASH, 1, colour));
        CZoqSelection pen(dc, m_readoutPens[slot].Get());
        Line(dc, 0, readout.row, view.Width(), readout.row);
        Line(dc, readout.column, 0, readout.column, view.Height());
    }
    Text(dc, readout.xText, readout.column + kReadoutGap, readout.row - icon / 2,
         CZoqGDI::kAlignLeft, colour);
    Text(dc, readout.yText, readout.column + kReadoutGap, readout.row, CZoqGDI::kAlignLeft, colour);
}

void CGraphPainter::ModeName(HDC dc, const CGraphView& view, const wchar_t* name, int icon) const {
    Text(dc, name, kLabelMargin, view.Height() - icon / 2, CZoqGDI::kAlignLeft, kText);
}

void CGraphPainter::Mark(HDC dc, const CGraphView& view, const SGraphMark& mark,
                         const wchar_t* label, int icon) const {
    const COLORREF colour = SlotColour(mark.slot);
    const int x = view.XToScreen(mark.x);
    const int y = view.YToScreen(mark.y);
    {
        CZoqSelection pen(
            dc, m_curvePens[mark.slot >= 0 && mark.slot < kCurvePens ? mark.slot : 0].Get());
        CZoqSelection brush(dc, GetStockObject(NULL_BRUSH));
        Ellipse(dc, x - kMarkRadius, y - kMarkRadius, x + kMarkRadius + 1, y + kMarkRadius + 1);
    }
    // The texts stand beside the point on the side with more room, and within the window.
    const int line = icon / 2;
    const bool left = x > view.Width() / 2;
    const int textX = left ? x - kReadoutGap : x + kReadoutGap;
    const int alignment = left ? CZoqGDI::kAlignRight : CZoqGDI::kAlignLeft;
    int top = y - line - line / 2;
    if (top < 0)
        top = 0;
    if (top > view.Height() - 3 * line)
        top = view.Height() - 3 * line;
    wchar_t text[kLabelCapacity + 4];
    Text(dc, label, textX, top, alignment, colour);
    CZoqString::GetInstance()->Format(text, L"x=%ls", mark.xText);
    Text(dc, text, textX, top + line, alignment, colour);
    CZoqString::GetInstance()->Format(text, L"y=%ls", mark.yText);
    Text(dc, text, textX, top + 2 * line, alignment, colour);
}

void CGraphPainter::Message(HDC dc, const CGraphView& view, const wchar_t* text) const {
    Text(dc, text, view.Width() / 2, view.Height() / 4, CZoqGDI::kAlignCentre, kText);
}
