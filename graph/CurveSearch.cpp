#include "graph/CurveSearch.h"

#include "graph/CurveRefine.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kIntervals = 1000;
// Extrema refined per search at most: with `near` unset every candidate is refined to find
// the lowest, and a wildly oscillating curve must not make that slow.
constexpr int kMaxRefined = 64;

struct SSamples {
    double step = 0;
    double x[kIntervals + 1];
    double y[kIntervals + 1];

    void Take(const CSearchFunction& f, double low, double high) {
        step = (high - low) / kIntervals;
        for (int i = 0; i <= kIntervals; ++i) {
            x[i] = i == kIntervals ? high : low + i * step;
            y[i] = CurveValue(f, x[i]);
        }
    }
    bool Finite(int i) const { return std::isfinite(y[i]); }
};

struct SCandidate {
    int first; // samples first..last frame the candidate
    int last;
    double key;
};

int SortedByKey(SCandidate* candidates, int count) {
    std::sort(candidates, candidates + count,
              [](const SCandidate& a, const SCandidate& b) { return a.key < b.key; });
    return count;
}

double PositionKey(double x, double near, double low) {
    return std::isnan(near) ? x - low : std::fabs(x - near);
}

bool OrderRange(double& low, double& high) {
    if (!std::isfinite(low) || !std::isfinite(high) || low == high)
        return false;
    if (low > high)
        std::swap(low, high);
    return true;
}

class CDifference : public CSearchFunction {
public:
    CDifference(const CSearchFunction& f, const CSearchFunction& g) : m_f(f), m_g(g) {}
    int Value(double x, double* y) const override {
        double a, b;
        if (!m_f.Value(x, &a) || !m_g.Value(x, &b))
            return 0;
        *y = a - b;
        return 1;
    }

private:
    const CSearchFunction& m_f;
    const CSearchFunction& m_g;
};

// Sign changes between finite, non-zero samples with only zeros between them, and curves
// that touch zero without crossing: a run of zero samples between samples of one sign, or a
// sample nearer zero than both neighbours of the same sign.
int ZeroCandidates(const SSamples& s, double near, double low, SCandidate* out) {
    int count = 0;
    int previous = -1; // last finite non-zero sample
    for (int i = 0; i <= kIntervals; ++i) {
        if (!s.Finite(i)) {
            previous = -1;
            continue;
        }
        if (s.y[i] == 0)
            continue;
        if (previous >= 0 && (i - previous > 1 || (s.y[previous] > 0) != (s.y[i] > 0)))
            out[count++] = {previous, i, PositionKey(s.x[(previous + i) / 2], near, low)};
        previous = i;
    }
    for (int i = 1; i < kIntervals; ++i) {
        if (!s.Finite(i - 1) || !s.Finite(i) || !s.Finite(i + 1) || s.y[i] == 0)
            continue;
        const bool sameSign = (s.y[i - 1] > 0) == (s.y[i] > 0) && (s.y[i + 1] > 0) == (s.y[i] > 0);
        const double a = std::fabs(s.y[i]);
        if (sameSign && a < std::fabs(s.y[i - 1]) && a <= std::fabs(s.y[i + 1]))
            out[count++] = {i - 1, i + 1, PositionKey(s.x[i], near, low)};
    }
    return SortedByKey(out, count);
}

int ZeroOfCandidate(const CSearchFunction& f, const SSamples& s, const SCandidate& c, double range,
                    SCurvePoint* point) {
    const double ya = s.y[c.first];
    const double yb = s.y[c.last];
    if ((ya > 0) != (yb > 0))
        return RefineZero(f, s.x[c.first], s.x[c.last], ya, yb, range, point);
    if (c.last - c.first > 1 && s.y[c.first + 1] == 0) {
        // A run of zeros between samples of one sign: the curve lies on the axis there.
        const double x = s.x[(c.first + c.last) / 2];
        point->x = x;
        point->y = 0;
        return 1;
    }
    return RefineTouchingZero(f, s.x[c.first], s.x[c.first + 1], s.x[c.last], range, point);
}

// Interior samples no higher than both neighbours and lower than one of them.
int MinimumCandidates(const SSamples& s, double near, SCandidate* out) {
    int count = 0;
    for (int i = 1; i < kIntervals; ++i) {
        if (!s.Finite(i - 1) || !s.Finite(i) || !s.Finite(i + 1))
            continue;
        const double y = s.y[i];
        if (y <= s.y[i - 1] && y <= s.y[i + 1] && (y < s.y[i - 1] || y < s.y[i + 1]))
            out[count++] = {i - 1, i + 1, std::isnan(near) ? y : std::fabs(s.x[i] - near)};
    }
    return SortedByKey(out, count);
}

} // namespace

int FindZero(const CSearchFunction& f, double low, double high, double near, SCurvePoint* point) {
    if (!point || !OrderRange(low, high))
        return 0;
    SSamples samples;
    samples.Take(f, low, high);
    SCandidate candidates[2 * (kIntervals + 1)];
    const int count = ZeroCandidates(samples, near, low, candidates);
    for (int i = 0; i < count; ++i) {
        SCurvePoint found;
        if (ZeroOfCandidate(f, samples, candidates[i], high - low, &found)) {
            *point = found;
            return 1;
        }
    }
    return 0;
}

int FindMinimum(const CSearchFunction& f, double low, double high, double near,
                SCurvePoint* point) {
    if (!point || !OrderRange(low, high))
        return 0;
    SSamples samples;
    samples.Take(f, low, high);
    SCandidate candidates[kIntervals + 1];
    const int count = std::min(MinimumCandidates(samples, near, candidates), kMaxRefined);
    bool found = false;
    SCurvePoint best;
    double bestKey = 0;
    for (int i = 0; i < count; ++i) {
        const SCandidate& c = candidates[i];
        SCurvePoint p;
        if (!RefineMinimum(f, samples.x[c.first], samples.x[c.first + 1], samples.x[c.last],
                           samples.y[c.first], samples.y[c.first + 1], samples.y[c.last],
                           high - low, &p))
            continue;
        const double key = std::isnan(near) ? p.y : std::fabs(p.x - near);
        if (!found || key < bestKey) {
            best = p;
            bestKey = key;
            found = true;
        }
        // Nearest first: the first confirmed one is the nearest within a sample step.
        if (!std::isnan(near))
            break;
    }
    if (found)
        *point = best;
    return found ? 1 : 0;
}

int FindMaximum(const CSearchFunction& f, double low, double high, double near,
                SCurvePoint* point) {
    const CNegatedCurve negated(f);
    SCurvePoint p;
    if (!point || !FindMinimum(negated, low, high, near, &p))
        return 0;
    point->x = p.x;
    point->y = -p.y;
    return 1;
}

int FindIntersection(const CSearchFunction& f, const CSearchFunction& g, double low, double high,
                     double near, SCurvePoint* point) {
    const CDifference difference(f, g);
    SCurvePoint p;
    if (!point || !FindZero(difference, low, high, near, &p))
        return 0;
    double y;
    if (!f.Value(p.x, &y) || !std::isfinite(y))
        return 0;
    point->x = p.x;
    point->y = y;
    return 1;
}
