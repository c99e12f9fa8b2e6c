#pragma once

class CGraphView;

// What the stylus does on the graph: pan in translate mode, draw a zoom box in zoom mode,
// read a point in point-on-graph mode, and tap to recentre or to scroll at the edges.
class CGraphStylus {
public:
    enum { kModeZoom = 0, kModeTranslate = 1, kModePoint = 2, kModeCount = 3 };

    int Mode() const { return m_mode; }
    void NextMode() { m_mode = (m_mode + 1) % kModeCount; }

    void Down(int x, int y);
    // Returns 1 when the view moved under the stylus (translate mode).
    int Move(CGraphView& view, int x, int y);
    // Applies the finished gesture to the view. The caller resamples afterwards whatever
    // happened, so a drag that only moved the view is resampled once at its end.
    void Up(CGraphView& view, int x, int y);

    bool IsDown() const { return m_down; }
    bool HasMoved() const { return m_moved; }
    int StartX() const { return m_startX; }
    int StartY() const { return m_startY; }
    int CurrentX() const { return m_currentX; }
    int CurrentY() const { return m_currentY; }

private:
    int m_mode = kModeZoom;
    bool m_down = false;
    bool m_moved = false;
    int m_startX = 0;
    int m_startY = 0;
    int m_currentX = 0;
    int m_currentY = 0;
};
