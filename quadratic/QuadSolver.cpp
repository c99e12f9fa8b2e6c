#include "quadratic/QuadSolver.h"

#include "ui/ZoqString.h"

#include "engine/ZoqPow.h"

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

int CQuadSolver::Solve(QuadResult& result) const {
    result = QuadResult();
    const double a = m_a, b = m_b, c = m_c;
    double d = 0.0;
    if (a == 0.0) {
        result.kind = QuadResult::Line;
    } else {
        d = ZoqPow(b, 2) - c * a * 4;
        result.kind = d < 0 ? QuadResult::ComplexRoots : QuadResult::TwoRealRoots;
    }
    if (result.kind == QuadResult::TwoRealRoots) {
        const double s = ZoqPow(d, 0.5);
        result.root1 = (s - b) / (a * 2);
        result.root2 = (-b - s) / (a * 2);
        const double vx = -(b / (a * 2));
        result.vertexX = vx;
        result.vertexY = b * vx + a * ZoqPow(vx, 2) + c;
    } else if (result.kind == QuadResult::ComplexRoots) {
        const double k = 1 / (a * 2);
        result.root1 = -b * k;
        result.root2 = k * std::sqrt(-(b * b - c * a * 4));
    } else {
        result.root2 = 0.0;
        if (b != 0.0) {
            result.root1 = -(c / b);
        }
    }
    BuildGraphText(result);
    return 1;
}

// A negative coefficient brings its own "-"; a non-negative one gets "+".
void CQuadSolver::BuildGraphText(QuadResult& result) const {
    const int capacity = QuadResult::kGraphTextCapacity;
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
