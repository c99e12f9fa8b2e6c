#include "graph/CurveRefine.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr int kMaxSteps = 200;
// The engine rounds a difference to a short decimal when it is within this fraction of the
// larger operand; values of a curve carry that much noise on top of binary rounding.
constexpr double kEngineNoise = 0x1p-50;
// Operands inside an expression may be some times larger than its value.
constexpr double kOperandFactor = 16;
// A sign change is a zero only where |f| has shrunk by this factor from the samples.
constexpr double kZeroShrink = 1e-6;
// A touching zero is one whose extreme value is this small against its neighbour samples.
constexpr double kTouchShrink = 1e-12;
constexpr double kGolden = 0.3819660112501051;

bool Positive(double y) {
    return y > 0;
}

// The last points of a bracketing search: the best estimate, its value, and the last points
// seen on either side of the sign change (the side of the first and of the second end).
struct SRoot {
    double x = 0;
    double y = 0;
    double firstSide = 0;
    double secondSide = 0;
};

// Brent's method on [a, b] with ya and yb of opposite signs, neither 0. Stops at a zero
// value, at a bracket as narrow as the doubles allow, or after kMaxSteps; 0 when the curve
// has no value at a point inside.
int BrentZero(const CSearchFunction& f, double a, double b, double ya, double yb, double tiny,
              SRoot* root) {
    const bool firstPositive = Positive(ya);
    double xa = a, fa = ya, xb = b, fb = yb, xc = a, fc = ya;
    double d = b - a, e = d;
    root->firstSide = a;
    root->secondSide = b;
    for (int step = 0; step < kMaxSteps; ++step) {
        if (Positive(fb) == Positive(fc)) {
            xc = xa;
            fc = fa;
            d = e = xb - xa;
        }
        if (std::fabs(fc) < std::fabs(fb)) {
            xa = xb;
            xb = xc;
            xc = xa;
            fa = fb;
            fb = fc;
            fc = fa;
        }
        const double tol = 2 * DBL_EPSILON * std::fabs(xb) + tiny;
        const double m = 0.5 * (xc - xb);
        if (std::fabs(m) <= tol || fb == 0)
            break;
        if (std::fabs(e) < tol || std::fabs(fa) <= std::fabs(fb)) {
            d = e = m;
        } else {
            double p, q;
            const double s = fb / fa;
            if (xa == xc) {
                p = 2 * m * s;
                q = 1 - s;
            } else {
                const double qa = fa / fc;
                const double r = fb / fc;
                p = s * (2 * m * qa * (qa - r) - (xb - xa) * (r - 1));
                q = (qa - 1) * (r - 1) * (s - 1);
            }
            if (p > 0)
                q = -q;
            else
                p = -p;
            if (2 * p < std::min(3 * m * q - std::fabs(tol * q), std::fabs(e * q))) {
                e = d;
                d = p / q;
            } else {
                d = e = m;
            }
        }
        xa = xb;
        fa = fb;
        xb += std::fabs(d) > tol ? d : (m > 0 ? tol : -tol);
        fb = CurveValue(f, xb);
        if (std::isnan(fb))
            return 0;
        if (fb != 0) {
            if (Positive(fb) == firstPositive)
                root->firstSide = xb;
            else
                root->secondSide = xb;
        }
    }
    root->x = xb;
    root->y = fb;
    return 1;
}

// The engine's rounding makes a curve exactly 0 on a short stretch around a zero (trigonometric
// results near 0 are cleaned to 0, differences near 0 rounded to 0), and not symmetrically.
// Moves `inside` (where the curve is 0) towards `outside` (where it is not) as far as the
// doubles allow and returns the last outside point with its value.
double EdgeOfZeros(const CSearchFunction& f, double outside, double inside, double* outsideValue) {
    *outsideValue = CurveValue(f, outside);
    for (int step = 0; step < kMaxSteps; ++step) {
        const double m = 0.5 * (outside + inside);
        if (m == outside || m == inside)
            break;
        const double y = CurveValue(f, m);
        if (y == 0) {
            inside = m;
        } else {
            outside = m;
            *outsideValue = y;
        }
    }
    return outside;
}

// The ends of the stretch of zeros around the root.
void ZeroOfStretch(const CSearchFunction& f, const SRoot& root, double* low, double* high) {
    double ya, yb;
    const double a = EdgeOfZeros(f, root.firstSide, root.x, &ya);
    const double b = EdgeOfZeros(f, root.secondSide, root.x, &yb);
    *low = std::min(a, b);
    *high = std::max(a, b);
}

// Near a zero the values are rounded to a grid about as fine as the doubles between which the
// root lies, and the cleaning of small results makes stretches of zeros; a single value, or a
// secant through two, misses the root by an ulp or more. The least-squares line through many
// values within `width` of x averages the rounding away. The points are spread by the golden
// ratio, not evenly: at even steps the slope can make every value fall on the same place of the
// grid, and the rounding errors then add up instead of cancelling. x when the line cannot be had
// or crosses outside [low, high].
double FittedZero(const CSearchFunction& f, double x, double width, double low, double high) {
    constexpr int kPoints = 129;
    constexpr double kSpread = 0.6180339887498949;
    double st = 0, sy = 0, stt = 0, sty = 0;
    int count = 0;
    for (int i = 0; i < kPoints; ++i) {
        const double fraction = i * kSpread - std::floor(i * kSpread);
        const double at = x + width * (2 * fraction - 1);
        // Zeros are left out: they are cleaned results, not values on the line.
        const double y = CurveValue(f, at);
        if (std::isnan(y) || y == 0)
            continue;
        const double t = at - x;
        st += t;
        sy += y;
        stt += t * t;
        sty += t * y;
        ++count;
    }
    const double det = count * stt - st * st;
    if (count < kPoints / 2 || !(det > 0))
        return x;
    const double slope = (count * sty - st * sy) / det;
    const double intercept = (sy - slope * st) / count;
    if (slope == 0 || !std::isfinite(slope))
        return x;
    const double root = x - intercept / slope;
    return root >= low && root <= high ? root : x;
}

// The slope of a curve by central differences, extrapolated from steps h and h / 2 so that
// its error falls with h^4: a minimum is the zero of this slope.
class CSlope : public CSearchFunction {
public:
    CSlope(const CSearchFunction& f, double h) : m_f(f), m_h(h) {}
    int Value(double x, double* y) const override {
        const double wide = Difference(x, m_h);
        const double narrow = Difference(x, 0.5 * m_h);
        if (std::isnan(wide) || std::isnan(narrow))
            return 0;
        *y = (4 * narrow - wide) / 3;
        return 1;
    }

private:
    double Difference(double x, double h) const {
        return (CurveValue(m_f, x + h) - CurveValue(m_f, x - h)) / (2 * h);
    }
    const CSearchFunction& m_f;
    double m_h;
};

// Brent's minimiser on [a, b] from x; writes the least point found and its value.
void BrentMinimum(const CSearchFunction& f, double a, double b, double x, double tiny,
                  SCurvePoint* least, double* tolerance) {
    auto value = [&f](double at) {
        const double y = CurveValue(f, at);
        return std::isnan(y) ? std::numeric_limits<double>::infinity() : y;
    };
    double w = x, v = x, fx = value(x), fw = fx, fv = fx, d = 0, e = 0;
    double tol = tiny;
    for (int step = 0; step < kMaxSteps; ++step) {
        const double m = 0.5 * (a + b);
        tol = std::sqrt(DBL_EPSILON) * std::fabs(x) + tiny;
        if (std::fabs(x - m) <= 2 * tol - 0.5 * (b - a))
            break;
        bool golden = true;
        if (std::fabs(e) > tol) {
            double r = (x - w) * (fx - fv);
            double q = (x - v) * (fx - fw);
            double p = (x - v) * q - (x - w) * r;
            q = 2 * (q - r);
            if (q > 0)
                p = -p;
            else
                q = -q;
            r = e;
            e = d;
            if (std::fabs(p) < std::fabs(0.5 * q * r) && p > q * (a - x) && p < q * (b - x)) {
                d = p / q;
                const double u = x + d;
                if (u - a < 2 * tol || b - u < 2 * tol)
                    d = x < m ? tol : -tol;
                golden = false;
            }
        }
        if (golden) {
            e = (x < m ? b : a) - x;
            d = kGolden * e;
        }
        const double u = x + (std::fabs(d) >= tol ? d : (d > 0 ? tol : -tol));
        const double fu = value(u);
        if (fu <= fx) {
            (u < x ? b : a) = x;
            v = w;
            fv = fw;
            w = x;
            fw = fx;
            x = u;
            fx = fu;
        } else {
            (u < x ? a : b) = u;
            if (fu <= fw || w == x) {
                v = w;
                fv = fw;
                w = u;
                fw = fu;
            } else if (fu <= fv || v == x || v == w) {
                v = u;
                fv = fu;
            }
        }
    }
    least->x = x;
    least->y = fx;
    *tolerance = tol;
}

// Sharpens a minimum at x (known to within `tolerance`) to the zero of the slope, and says
// how far off the result may still be from the noise of the values.
double PolishMinimum(const CSearchFunction& f, double x, double tolerance, double step,
                     double magnitude, double range, double* uncertainty) {
    *uncertainty = tolerance;
    const double h = step / 16;
    const CSlope slope(f, h);
    const double w = std::max(step / 1000, 4 * tolerance);
    const double left = CurveValue(slope, x - w);
    const double right = CurveValue(slope, x + w);
    if (!(left < 0 && right > 0))
        return x;
    SRoot root;
    if (!BrentZero(slope, x - w, x + w, left, right, 1e-300, &root))
        return x;
    const double curvature = (right - left) / (2 * w);
    const double slopeNoise = 3 * kOperandFactor * kEngineNoise * magnitude / h;
    *uncertainty = slopeNoise / curvature + 4 * DBL_EPSILON * std::fabs(root.x) + 1e-13 * range;
    return root.x;
}

} // namespace

double CurveValue(const CSearchFunction& f, double x) {
    double y;
    return f.Value(x, &y) && std::isfinite(y) ? y : kNaN;
}

int CNegatedCurve::Value(double x, double* y) const {
    double v;
    if (!m_f.Value(x, &v))
        return 0;
    *y = -v;
    return 1;
}

double ShortestDecimal(double x, double low, double high, double scale) {
    if (!(scale > 0) || !std::isfinite(scale))
        return x;
    const int top = static_cast<int>(std::floor(std::log10(scale))) + 1;
    for (int digit = top; digit >= top - 12; --digit) {
        const double q = std::pow(10.0, digit);
        const double r = std::round(x / q) * q;
        if (r >= low && r <= high)
            return r == 0 ? 0.0 : r;
    }
    return x == 0 ? 0.0 : x;
}

int RefineZero(const CSearchFunction& f, double a, double b, double ya, double yb, double range,
               SCurvePoint* point) {
    SRoot root;
    if (!BrentZero(f, a, b, ya, yb, 1e-30 * range, &root))
        return 0;
    double low, high;
    if (root.y == 0) {
        ZeroOfStretch(f, root, &low, &high);
    } else {
        // A sign change across a pole or a jump keeps |f| large however narrow the bracket.
        if (std::fabs(root.y) > kZeroShrink * std::max(std::fabs(ya), std::fabs(yb)))
            return 0;
        low = std::min(root.firstSide, root.secondSide);
        high = std::max(root.firstSide, root.secondSide);
    }
    const double scale = std::max(std::fabs(root.x), 1e-6 * range);
    const double x = FittedZero(f, root.x, std::max(4 * (high - low), 1e-11 * scale), low, high);
    const double spread = 1e-14 * scale;
    low = std::max(low, x - spread);
    high = std::min(high, x + spread);
    const double shortest = ShortestDecimal(x, low, high, scale);
    const double y = CurveValue(f, shortest);
    point->x = std::isnan(y) ? x : shortest;
    point->y = std::isnan(y) ? root.y : y;
    return 1;
}

int RefineTouchingZero(const CSearchFunction& f, double a, double m, double b, double range,
                       SCurvePoint* point) {
    const double ya = CurveValue(f, a);
    const double ym = CurveValue(f, m);
    const double yb = CurveValue(f, b);
    if (std::isnan(ya) || std::isnan(ym) || std::isnan(yb))
        return 0;
    SCurvePoint extreme;
    if (ym > 0) {
        if (!RefineMinimum(f, a, m, b, ya, ym, yb, range, &extreme))
            return 0;
    } else {
        const CNegatedCurve negated(f);
        if (!RefineMinimum(negated, a, m, b, -ya, -ym, -yb, range, &extreme))
            return 0;
        extreme.y = -extreme.y;
    }
    if (std::fabs(extreme.y) > kTouchShrink * std::max(std::fabs(ya), std::fabs(yb)))
        return 0;
    *point = extreme;
    return 1;
}

int RefineMinimum(const CSearchFunction& f, double a, double m, double b, double ya, double ym,
                  double yb, double range, SCurvePoint* point) {
    const double step = 0.5 * (b - a);
    const double depth = std::max(ya, yb) - ym;
    if (!(depth > 0) || !(step > 0))
        return 0;
    SCurvePoint least;
    double tolerance;
    BrentMinimum(f, a, b, m, 1e-9 * step, &least, &tolerance);
    // Run into the end of the bracket: the curve falls on beyond it, or breaks there.
    if (least.x - a < 1e-3 * step || b - least.x < 1e-3 * step)
        return 0;
    // Near a smooth minimum the curve is flat; across a pole or a jump it is not.
    const double d = 1e-3 * step;
    const double before = CurveValue(f, least.x - d);
    const double after = CurveValue(f, least.x + d);
    if (!(std::fabs(before - least.y) <= 0.01 * depth &&
          std::fabs(after - least.y) <= 0.01 * depth))
        return 0;
    const double magnitude = std::max({std::fabs(ya), std::fabs(yb), std::fabs(least.y)});
    double uncertainty;
    const double x = PolishMinimum(f, least.x, tolerance, step, magnitude, range, &uncertainty);
    const double shortest =
        ShortestDecimal(x, x - uncertainty, x + uncertainty, std::max(std::fabs(x), 1e-6 * range));
    double y = CurveValue(f, shortest);
    point->x = shortest;
    if (std::isnan(y)) {
        point->x = least.x;
        y = least.y;
    }
    point->y = y;
    return 1;
}
