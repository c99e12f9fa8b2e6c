#pragma once

#include "graph/CurveSearch.h"

// The refinement steps of the curve search, each on one bracket that the samples found.
// `range` is the width of the searched range, the scale below which an x is treated as 0.
// Each returns 1 with the point written, or 0 when the bracket holds no such point.

// The curve's value, or NaN where it has none.
double CurveValue(const CSearchFunction& f, double x);

// The curve upside down, so that one minimiser serves for maxima too.
class CNegatedCurve : public CSearchFunction {
public:
    explicit CNegatedCurve(const CSearchFunction& f) : m_f(f) {}
    int Value(double x, double* y) const override;

private:
    const CSearchFunction& m_f;
};

// A zero between a and b, where the samples ya and yb have opposite signs.
int RefineZero(const CSearchFunction& f, double a, double b, double ya, double yb, double range,
               SCurvePoint* point);
// A zero where the curve touches the axis without crossing it, between a and b; the sample
// at m, between them, is nearer zero than both.
int RefineTouchingZero(const CSearchFunction& f, double a, double m, double b, double range,
                       SCurvePoint* point);
// A minimum between a and b, where the sample at m (between them) is no higher than ya and
// yb. The point is confirmed to be inside the bracket and the curve continuous around it.
int RefineMinimum(const CSearchFunction& f, double a, double m, double b, double ya, double ym,
                  double yb, double range, SCurvePoint* point);

// The decimal with the fewest digits in [low, high], looked for from the digit of `scale` down
// to 12 digits below it; x itself when there is none that short. -0 becomes 0.
double ShortestDecimal(double x, double low, double high, double scale);
