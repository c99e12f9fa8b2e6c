#include "graph/GraphView.h"

#include "graph/PixelMath.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr double kDefaultRange = 10.0;
constexpr double kDefaultOffset = 5.0;
constexpr double kMinZoomRange = 0.00001;
constexpr double kMaxZoomRange = 1000000.0;
constexpr int kMinBoxSide = 50;

// Positive remainder of trunc(value) by step: the first grid line at or right of the edge.
// Computed in doubles so that an offset far beyond the int range stays defined and takes no
// more time than one near the origin.
int WrapToStep(double value, int step) {
    if (step <= 0 || !std::isfinite(value))
        return 0;
    double rest = std::fmod(std::trunc(value), static_cast<double>(step));
    if (rest < 0)
        rest += step;
    return static_cast<int>(rest);
}

} // namespace

CGraphView::CGraphView()
    : m_xRange(kDefaultRange), m_yRange(kDefaultRange), m_xOffset(kDefaultOffset),
      m_yOffset(kDefaultOffset) {}

void CGraphView::SetSize(int width, int height) {
    m_width = std::max(width, 0);
    m_height = std::max(height, 0);
}

void CGraphView::SetWindow(double xRange, double yRange, double xOffset, double yOffset) {
    m_xRange = xRange;
    m_yRange = yRange;
    m_xOffset = xOffset;
    m_yOffset = yOffset;
}

int CGraphView::XToScreen(double x) const {
    return TruncToPixel((x + m_xOffset) / m_xRange * m_width);
}

int CGraphView::YToScreen(double y) const {
    return m_height - TruncToPixel((y + m_yOffset) / m_yRange * m_height);
}

double CGraphView::ColumnToX(int column) const {
    return static_cast<double>(column) / m_width * m_xRange - m_xOffset;
}

int CGraphView::ReadoutRow(double y) const {
    return TruncToPixel(m_height - (m_yOffset + y) / m_yRange * m_height);
}

void CGraphView::ResetView() {
    SetWindow(kDefaultRange, kDefaultRange, kDefaultOffset, kDefaultOffset);
}

int CGraphView::ZoomIn() {
    const double xRange = m_xRange * 0.5;
    if (xRange < kMinZoomRange)
        return 0;
    const double yRange = m_yRange * 0.5;
    if (yRange < kMinZoomRange)
        return 0;
    m_xRange = xRange;
    m_yRange = yRange;
    m_xOffset = m_xOffset - xRange + xRange * 0.5;
    m_yOffset = m_yOffset - yRange + yRange * 0.5;
    return 1;
}

int CGraphView::ZoomOut() {
    const double xRange = m_xRange * 2.0;
    const double yRange = m_yRange * 2.0;
    if (xRange > kMaxZoomRange || yRange > kMaxZoomRange)
        return 0;
    m_xRange = xRange;
    m_yRange = yRange;
    m_xOffset = m_xOffset - xRange * 0.25 + xRange * 0.5;
    m_yOffset = m_yOffset - yRange * 0.25 + yRange * 0.5;
    return 1;
}

int CGraphView::ScrollAtEdge(int x, int y) {
    int moved = 0;
    if (x < 0.1 * m_width) {
        m_xOffset += 0.1 * m_xRange;
        moved = 1;
    }
    if (x > 0.9 * m_width) {
        m_xOffset -= 0.1 * m_xRange;
        moved = 1;
    }
    if (y < 0.1 * m_height) {
        m_yOffset -= 0.1 * m_yRange;
        moved = 1;
    }
    if (y > 0.9 * m_height) {
        m_yOffset += 0.1 * m_yRange;
        moved = 1;
    }
    return moved;
}

int CGraphView::Translate(int dx, int dy) {
    if (!HasArea())
        return 0;
    m_xOffset += static_cast<double>(dx) / m_width * m_xRange;
    m_yOffset -= static_cast<double>(dy) / m_height * m_yRange;
    return 1;
}

int CGraphView::ZoomToBox(int x0, int y0, int x1, int y1) {
    const int boxWidth = std::abs(x0 - x1);
    const int boxHeight = std::abs(y0 - y1);
    if (!HasArea() || boxWidth <= kMinBoxSide || boxHeight <= kMinBoxSide)
        return 0;
    const double fx = static_cast<double>(boxWidth) / m_width;
    const double fy = static_cast<double>(boxHeight) / m_height;
    m_xOffset -= m_xRange / m_width * std::min(x0, x1);
    m_yOffset -= static_cast<double>(m_height - std::max(y0, y1)) / m_height * m_yRange;
    m_xRange *= fx;
    m_yRange *= fy;
    return 1;
}

int CGraphView::CentreOn(int x, int y) {
    if (!HasArea())
        return 0;
    m_xOffset += (0.5 - static_cast<double>(x) / m_width) * m_xRange;
    m_yOffset += static_cast<double>(y) / m_height * m_yRange - m_yRange + m_yRange * 0.5;
    return 1;
}

int CGraphView::AxisColumn() const {
    return TruncToPixel(m_width / m_xRange * m_xOffset);
}

int CGraphView::AxisRow() const {
    return TruncToPixel(m_height - m_height / m_yRange * m_yOffset) + 1;
}

int CGraphView::GridFirstColumn() const {
    return WrapToStep(m_width / m_xRange * m_xOffset, GridColumns());
}

int CGraphView::GridBottomOffset() const {
    return WrapToStep(m_height / m_yRange * m_yOffset, GridRows());
}
