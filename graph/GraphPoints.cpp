#include "graph/GraphPoints.h"

int CGraphPoints::AddPoint(double x, double y) {
    if (m_count >= kCapacity)
        return 0;
    m_x[m_count] = x;
    m_y[m_count] = y;
    ++m_count;
    return 1;
}
