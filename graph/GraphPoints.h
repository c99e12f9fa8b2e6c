#pragma once

// The data points drawn over the curves (the regression calculator's entries).
class CGraphPoints {
public:
    static constexpr int kCapacity = 100;

    // Returns 0, changing nothing, once kCapacity points are held.
    int AddPoint(double x, double y);
    int Count() const { return m_count; }
    double X(int index) const { return m_x[index]; }
    double Y(int index) const { return m_y[index]; }

private:
    double m_x[kCapacity] = {};
    double m_y[kCapacity] = {};
    int m_count = 0;
};
