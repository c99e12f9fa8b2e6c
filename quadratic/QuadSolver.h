#pragma once

#include <cstdint>

class CZoqString;

// What the quadratic A*x^2 + B*x + C solves to.
struct SQuadResult {
    enum Kind : int32_t { TwoRealRoots = 0, ComplexRoots = 1, Line = 2 };
    static constexpr int kGraphTextCapacity = 64;

    int32_t kind = TwoRealRoots;
    // First real root; real part of the complex roots; x intercept of the line.
    double root1 = -1.0;
    // Second real root; imaginary part of the complex roots; 0.0 for a line.
    double root2 = -1.0;
    // The vertex, for two real roots only.
    double vertexX = -1.0;
    double vertexY = -1.0;
    // The function as an equation in X for the graph window, for example
    // "1*X^2-3*X+2". Three 12-digit numbers of at most 19 characters and the
    // operators need at most 63 characters.
    wchar_t graphText[kGraphTextCapacity] = {};
};

// Holds the coefficients A, B and C and solves the quadratic they make.
class CQuadSolver {
public:
    CQuadSolver();

    // Each converts the text as typed with the string utility's conversion
    // (an empty text gives 0.0) and stores it.
    int SetA(const wchar_t* text);
    int SetB(const wchar_t* text);
    int SetC(const wchar_t* text);
    double GetA() const { return m_a; }
    double GetB() const { return m_b; }
    double GetC() const { return m_c; }

    // Resets the result, then fills it: the kind, roots, vertex and graph text.
    int Solve(SQuadResult& result) const;

private:
    double Convert(const wchar_t* text) const;
    void BuildGraphText(SQuadResult& result) const;

    CZoqString& m_string;
    double m_a = 0.0;
    double m_b = 0.0;
    double m_c = 0.0;
};
