#include "quadratic/QuadSolver.h"

#include "ui/ZoqString.h"

#include <cmath>

CQuadSolver::CQuadSolver() : m_string(*CZoqString::GetInstance()) {}

double CQuadSolver::Convert(const wchar_t* text) const {
    return text ? m_string.ToDouble(text) : 0.0;
}

int CQuadSolver::SetA(const wchar_t* text) {
    m_a = Convert(text);
    return 1;
}

int CQuadSolver::SetB(const wchar_t* text) {
    m_b = Convert(text);
    return 1;
}

int CQuadSolver::SetC(const wchar_t* text) {
    m_c = Convert(text);
    return 1;
}

namespace {

// A, B and C as mantissas times powers of two. Scaling by a power of two is exact, so
// the scaled discriminant rounds just as B*B - 4*A*C would wherever that neither
// overflows nor underflows, and B = 1e200 still gives its finite roots.
struct ScaledQuadratic {
    double a = 0.0; // in [1, 2) in magnitude
    int exponentA = 0;
    double b = 0.0; // B / 2^scale
    double c = 0.0; // in [1, 2) in magnitude, or 0
    int exponentC = 0;
    int scale = 0;  // s = sqrt(d') * 2^scale
    double d = 0.0; // the discriminant / 2^(2*scale)
};

ScaledQuadratic Scale(double a, double b, double c) {
    ScaledQuadratic q;
    if (!std::isfinite(a) || !std::isfinite(b) || !std::isfinite(c)) {
        q.a = a, q.b = b, q.c = c;
        q.d = b * b - c * a * 4;
        return q;
    }
    q.exponentA = std::ilogb(a);
    q.a = std::ldexp(a, -q.exponentA);
    if (c != 0.0) {
        q.exponentC = std::ilogb(c);
        q.c = std::ldexp(c, -q.exponentC);
    }
    // The larger of |B| and sqrt(|4AC|) comes to between 1 and 4, the smaller one
    // may underflow only where it is far below the other's rounding.
    const int productExponent = q.exponentA + q.exponentC;
    const int halfProduct = productExponent >= 0 ? (productExponent + 1) / 2 : productExponent / 2;
    if (b != 0.0 && (c == 0.0 || std::ilogb(b) > halfProduct)) {
        q.scale = std::ilogb(b);
    } else if (c != 0.0) {
        q.scale = halfProduct;
    }
    q.b = std::ldexp(b, -q.scale);
    const double product = std::ldexp(q.c * q.a * 4, productExponent - 2 * q.scale);
    q.d = q.b * q.b - product;
    return q;
}

// Root 1 is (s - B) / (2A) and root 2 is (-B - s) / (2A). The one of them whose
// numerator adds magnitudes is q / A with q = -(B + sign(B) s) / 2; the other,
// whose numerator would cancel, is C / q (their product is C / A).
void SolveRealRoots(const ScaledQuadratic& q, SQuadResult& result) {
    const double s = std::sqrt(q.d);
    const int rootExponent = q.scale - q.exponentA;
    if (q.b == 0.0) {
        result.root1 = std::ldexp(s / (q.a * 2), rootExponent);
        result.root2 = std::ldexp(-s / (q.a * 2), rootExponent);
        return;
    }
    const double half = -(q.b + std::copysign(s, q.b)) / 2;
    const double byA = std::ldexp(half / q.a, rootExponent);
    const double fromC = std::ldexp(q.c / half, q.exponentC - q.scale);
    result.root1 = q.b < 0 ? byA : fromC;
    result.root2 = q.b < 0 ? fromC : byA;
}

} // namespace

int CQuadSolver::Solve(SQuadResult& result) const {
    result = SQuadResult();
    const double a = m_a, b = m_b, c = m_c;
    if (a == 0.0) {
        result.kind = SQuadResult::Line;
        result.root2 = 0.0;
        if (b != 0.0) {
            result.root1 = -(c / b);
        }
        BuildGraphText(result);
        return 1;
    }
    const ScaledQuadratic q = Scale(a, b, c);
    const int rootExponent = q.scale - q.exponentA;
    if (q.d < 0) {
        result.kind = SQuadResult::ComplexRoots;
        const double k = 1 / (q.a * 2);
        result.root1 = std::ldexp(-b * k, -q.exponentA);
        result.root2 = std::ldexp(k * std::sqrt(-q.d), rootExponent);
    } else {
        result.kind = SQuadResult::TwoRealRoots;
        SolveRealRoots(q, result);
        const double vx = -std::ldexp(b / (q.a * 2), -q.exponentA);
        result.vertexX = vx;
        // B*vx + A*vx^2 + C with A*vx = -B/2: the square of vx can neither underflow
        // nor overflow here, and B = 1e200 gives -inf rather than inf - inf.
        result.vertexY = c + (b * 0.5) * vx;
    }
    BuildGraphText(result);
    return 1;
}

// A negative coefficient brings its own "-"; a non-negative one gets "+".
void CQuadSolver::BuildGraphText(SQuadResult& result) const {
    const int capacity = SQuadResult::kGraphTextCapacity;
    wchar_t* text = result.graphText;
    wchar_t number[CZoqString::kNumberCapacity];
    m_string.FormatNumber(number, m_a, 12);
    m_string.Copy(text, number, capacity);
    m_string.Append(text, L"*X^2", capacity);
    if (m_b >= 0) {
        m_string.Append(text, L"+", capacity);
    }
    m_string.FormatNumber(number, m_b, 12);
    m_string.Append(text, number, capacity);
    m_string.Append(text, L"*X", capacity);
    if (m_c >= 0) {
        m_string.Append(text, L"+", capacity);
    }
    m_string.FormatNumber(number, m_c, 12);
    m_string.Append(text, number, capacity);
}
