#pragma once

// Zeros, extrema and intersections of curves y = f(x) in a range of x.
//
// A search samples the range evenly, takes the places where the samples change sign or
// turn, and refines each with a safeguarded method (Brent's root finder, Brent's
// minimiser), so it ends after a bounded number of evaluations whatever the curve does.
// What the samples suggest is confirmed before it is reported:
// - a zero is a point the curve crosses or touches continuously: a sign change across a
//   pole or a jump, where |f| does not shrink towards 0, is no zero;
// - a minimum or maximum is a turning point inside the range where the curve is continuous.
//   The ends of the range are never reported: a curve that only falls across the range has
//   no minimum there, just as a calculator's graph shows none.
// A range may be given in either order; an empty or not finite range holds nothing.

// A curve as the search sees it.
class CSearchFunction {
public:
    virtual ~CSearchFunction() = default;
    // 1 with *y set when the curve has a finite value at x, else 0.
    virtual int Value(double x, double* y) const = 0;
};

struct SCurvePoint {
    double x = 0;
    double y = 0;
};

// Which solution wins when the range holds several: the one nearest `near`; with `near`
// not a number, the leftmost zero or intersection, the lowest minimum, the highest maximum.
// Each returns 1 with the point written, or 0 (point untouched) when there is none.
int FindZero(const CSearchFunction& f, double low, double high, double near, SCurvePoint* point);
int FindMinimum(const CSearchFunction& f, double low, double high, double near, SCurvePoint* point);
int FindMaximum(const CSearchFunction& f, double low, double high, double near, SCurvePoint* point);
// A point where f and g meet; y is f's value there.
int FindIntersection(const CSearchFunction& f, const CSearchFunction& g, double low, double high,
                     double near, SCurvePoint* point);
