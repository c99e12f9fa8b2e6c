#pragma once

#include "graph/CurveSearch.h"

class CEquationTemplate;

// A curve y = equation(x) evaluated by the engine in its current angle unit and precision.
// x is written in full (17 significant digits), so the engine sees the very double the
// search asks for; a syntax error or a result that is not a number gives no value.
class CEquationCurve : public CSearchFunction {
public:
    explicit CEquationCurve(const CEquationTemplate& equation) : m_equation(equation) {}
    int Value(double x, double* y) const override;
    // The engine's result text at x ("syntax error" when the equation is one).
    void Result(double x, wchar_t* text) const;

private:
    double Evaluate(double x, wchar_t* text) const;
    const CEquationTemplate& m_equation;
};

// A value written as the engine writes its decimal results, with the engine's digits.
// text must hold Numora::kResultCapacity characters.
void FormatAsResult(double value, wchar_t* text);
