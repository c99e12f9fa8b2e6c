#include "graph/GraphStylus.h"

#include "graph/GraphView.h"

void CGraphStylus::Down(int x, int y) {
    m_moved = false;
    m_down = true;
    m_startX = x;
    m_startY = y;
}

int CGraphStylus::Move(CGraphView& view, int x, int y) {
    m_moved = true;
    m_currentX = x;
    m_currentY = y;
    if (m_mode != kModeTranslate || !m_down)
        return 0;
    // The start point follows the stylus so each move pans by its own step only.
    const int moved = view.Translate(x - m_startX, y - m_startY);
    m_startX = x;
    m_startY = y;
    return moved;
}

void CGraphStylus::Up(CGraphView& view, int x, int y) {
    m_down = false;
    if (view.ScrollAtEdge(x, y))
        return;
    if (m_moved) {
        if (m_mode == kModeZoom)
            view.ZoomToBox(m_startX, m_startY, m_currentX, m_currentY);
        return;
    }
    if (m_mode != kModePoint)
        view.CentreOn(x, y);
}
