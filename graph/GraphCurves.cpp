#include "graph/GraphCurves.h"

#include "engine/Numora.h"
#include "graph/GraphView.h"
#include "graph/PixelMath.h"
#include "ui/ZoqString.h"

#include <cmath>
#include <cwchar>
#include <limits>

namespace {

constexpr int kSampleDigits = 12;
// Room for the equation after substitution; a longer text is beyond what the engine
// accepts anyway, and its sample gets no row.
constexpr size_t kExpressionCapacity = 512;
constexpr size_t kNumberCapacity = 64;
constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();

} // namespace

double PlottedValue(double value, const wchar_t* resultText) {
    if (resultText && std::wcscmp(resultText, L"syntax error") == 0)
        return kNoValue;
    return value;
}

int SampleRow(const CGraphView& view, double value, const wchar_t* resultText) {
    return view.YToScreen(PlottedValue(value, resultText));
}

int CGraphCurves::SetEquation(const wchar_t* text, int index) {
    if (index < 0 || index >= kSlots)
        return 0;
    return m_equations[index].Prepare(text);
}

const wchar_t* CGraphCurves::Equation(int index) const {
    if (index < 0 || index >= kSlots || m_equations[index].IsEmpty())
        return nullptr;
    return m_equations[index].Text();
}

const CEquationTemplate* CGraphCurves::Template(int index) const {
    if (index < 0 || index >= kSlots || m_equations[index].IsEmpty())
        return nullptr;
    return &m_equations[index];
}

const int* CGraphCurves::Samples(int slot) const {
    if (slot < 0 || slot >= kSlots || m_equations[slot].IsEmpty())
        return nullptr;
    return m_samples[slot].get();
}

// Sample arrays hold one entry per pixel column. They are made once at the first sampling
// and kept, but made again should the window ever grow, so a sample is never written past
// the end of its array.
int CGraphCurves::EnsureCapacity(int width) {
    if (width > m_capacity) {
        for (auto& samples : m_samples)
            samples.reset();
        m_capacity = width;
    }
    for (int slot = 0; slot < kSlots; ++slot) {
        if (!m_equations[slot].IsEmpty() && !m_samples[slot])
            m_samples[slot] = std::make_unique<int[]>(static_cast<size_t>(m_capacity));
    }
    return m_capacity;
}

void CGraphCurves::CalcCurves(const CGraphView& view) {
    const int width = view.Width();
    EnsureCapacity(width);
    const int stride = m_step + 1;
    const int count = width / stride;
    const double left = view.XOffset() * -1.0;
    const double dx = view.XRange() / static_cast<double>(width / stride);
    m_sampleCount = count;

    Numora* engine = Numora::GetInstance();
    CZoqString* strings = CZoqString::GetInstance();
    // The x value in brackets: "(" + at most kNumberCapacity - 1 characters + ")".
    wchar_t number[kNumberCapacity + 2];
    wchar_t expression[kExpressionCapacity];
    wchar_t result[kNumberCapacity];

    // Column by column, so that each x is formatted once for all the equations.
    for (int i = 0; i < count; ++i) {
        const double x = i * dx + left;
        number[0] = L'(';
        strings->FormatNumber(number + 1, x, kSampleDigits, static_cast<int>(kNumberCapacity));
        const size_t length = std::wcslen(number);
        number[length] = L')';
        number[length + 1] = L'\0';
        for (int slot = 0; slot < kSlots; ++slot) {
            const CEquationTemplate& equation = m_equations[slot];
            if (equation.IsEmpty())
                continue;
            double value = kNoValue;
            result[0] = L'\0';
            if (equation.Substitute(number, expression, kExpressionCapacity))
                value = engine->Evaluate(expression, result);
            m_samples[slot][i] = SampleRow(view, value, result);
        }
    }
}
