#pragma once

// The world window of the graph and the arithmetic between world and pixel coordinates.
//
// The visible part of the plane is x range by y range world units; the origin offsets are
// the distances from the left and bottom edges to the axes, so the left edge is at
// -XOffset() and the top edge at YRange() - YOffset(). Pixel rows grow downwards.
class CGraphView {
public:
    CGraphView();

    void SetSize(int width, int height);
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    double XRange() const { return m_xRange; }
    double YRange() const { return m_yRange; }
    double XOffset() const { return m_xOffset; }
    double YOffset() const { return m_yOffset; }
    void SetWindow(double xRange, double yRange, double xOffset, double yOffset);

    int XToScreen(double x) const;
    int YToScreen(double y) const;
    // World x of a pixel column, as the point read-out shows it.
    double ColumnToX(int column) const;
    // Row of a world y for the read-out's crosshair (truncated after the subtraction).
    int ReadoutRow(double y) const;

    // View changes. Each returns 1 when the view moved and 0 when it refused or stayed.
    void ResetView();
    int ZoomIn();
    int ZoomOut();
    int ScrollAtEdge(int x, int y);
    int Translate(int dx, int dy);
    int ZoomToBox(int x0, int y0, int x1, int y1);
    int CentreOn(int x, int y);

    // Frame geometry.
    int AxisColumn() const;
    int AxisRow() const;
    int GridColumns() const { return m_width / 10; }
    int GridRows() const { return m_height / 10; }
    // Column of the first vertical grid line, in [0, GridColumns()).
    int GridFirstColumn() const;
    // Distance of the lowest horizontal grid line above the bottom row, in [0, GridRows()).
    int GridBottomOffset() const;

    // World values at the edges, for the axis labels.
    double TopValue() const { return m_yRange - m_yOffset; }
    double BottomValue() const { return -m_yOffset; }
    double LeftValue() const { return -m_xOffset; }
    double RightValue() const { return m_xRange - m_xOffset; }

private:
    bool HasArea() const { return m_width > 0 && m_height > 0; }

    double m_xRange;
    double m_yRange;
    double m_xOffset;
    double m_yOffset;
    int m_width = 0;
    int m_height = 0;
};
