#include "graph/EquationCurve.h"

#include "engine/Numora.h"
#include "graph/EquationTemplate.h"
#include "ui/ZoqString.h"

#include <cmath>
#include <cwchar>
#include <limits>

namespace {

constexpr int kExactDigits = 17;
constexpr size_t kExpressionCapacity = 512;

} // namespace

double CEquationCurve::Evaluate(double x, wchar_t* text) const {
    // "(" + the number + ")": a negative x stays one operand whatever surrounds the X.
    wchar_t number[CZoqString::kNumberCapacity + 2];
    number[0] = L'(';
    CZoqString::GetInstance()->FormatNumber(number + 1, x, kExactDigits,
                                            CZoqString::kNumberCapacity);
    const size_t length = std::wcslen(number);
    number[length] = L')';
    number[length + 1] = L'\0';
    wchar_t expression[kExpressionCapacity];
    if (!m_equation.Substitute(number, expression, kExpressionCapacity)) {
        CZoqString::GetInstance()->Copy(text, L"syntax error", Numora::kResultCapacity);
        return std::numeric_limits<double>::quiet_NaN();
    }
    return Numora::GetInstance()->Evaluate(expression, text, 10, 10);
}

int CEquationCurve::Value(double x, double* y) const {
    wchar_t text[Numora::kResultCapacity];
    const double value = Evaluate(x, text);
    if (std::wcscmp(text, L"syntax error") == 0 || !std::isfinite(value))
        return 0;
    *y = value;
    return 1;
}

void CEquationCurve::Result(double x, wchar_t* text) const {
    Evaluate(x, text);
}

void FormatAsResult(double value, wchar_t* text) {
    if (std::isinf(value)) {
        CZoqString::GetInstance()->Copy(text, L"infinity", Numora::kResultCapacity);
        return;
    }
    if (std::isnan(value)) {
        CZoqString::GetInstance()->Copy(text, L"imaginary", Numora::kResultCapacity);
        return;
    }
    CZoqString::GetInstance()->FormatNumber(text, value == 0 ? 0.0 : value,
                                            Numora::GetInstance()->GetPrecision(),
                                            Numora::kResultCapacity);
}
