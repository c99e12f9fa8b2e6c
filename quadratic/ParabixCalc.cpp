#include "quadratic/ParabixCalc.h"

#include "regression/NumberText.h"

#include <cwchar>

namespace {

constexpr int kLine = CParabixCalc::kLineCapacity;

// Bounded append: a text that does not fit is cut.
void Append(wchar_t* line, const wchar_t* part) {
    size_t length = std::wcslen(line);
    for (; *part && length + 1 < static_cast<size_t>(kLine); ++part) {
        line[length++] = *part;
    }
    line[length] = L'\0';
}

// "%.6g"; a negative zero (the vertex of x^2 - 1, for one) is shown as 0.
void AppendNumber(wchar_t* line, double value) {
    wchar_t number[32];
    FormatGeneral(number, 32, value + 0.0, 6);
    Append(line, number);
}

void Set(wchar_t* line, const wchar_t* text) {
    line[0] = L'\0';
    Append(line, text);
}

} // namespace

void BuildQuadResultLines(const QuadResult& result, const CQuadSolver& solver, const wchar_t* bText,
                          const wchar_t* cText, wchar_t (&lines)[CParabixCalc::kLineCount][kLine]) {
    switch (result.kind) {
    case QuadResult::TwoRealRoots:
        Set(lines[0], L"The x intercepts are:");
        Set(lines[1], L"(");
        AppendNumber(lines[1], result.root1);
        Append(lines[1], L", ");
        AppendNumber(lines[1], result.root2);
        Append(lines[1], L")");
        Set(lines[2], L"The Vertice is located:");
        Set(lines[3], L"(");
        AppendNumber(lines[3], result.vertexX);
        Append(lines[3], L", ");
        AppendNumber(lines[3], result.vertexY);
        Append(lines[3], L")");
        break;
    case QuadResult::ComplexRoots:
        Set(lines[0], L"Imaginary Solution");
        Set(lines[1], L"The x intercepts are:");
        for (int i = 0; i < 2; ++i) {
            wchar_t* line = lines[2 + i];
            Set(line, L"(");
            AppendNumber(line, result.root1);
            Append(line, i == 0 ? L" + " : L" - ");
            AppendNumber(line, result.root2);
            Append(line, L"i)");
        }
        break;
    default:
        Set(lines[0], L"Equation of a line:");
        Set(lines[1], L"f(x) = ");
        Append(lines[1], bText ? bText : L"");
        Append(lines[1], L"x + ");
        Append(lines[1], cText ? cText : L"");
        Set(lines[2], L"X Intercept:");
        lines[3][0] = L'\0';
        // A constant function crosses the x axis everywhere or nowhere.
        if (solver.GetB() == 0.0) {
            Set(lines[3], solver.GetC() == 0.0 ? L"Every x" : L"None");
        } else {
            AppendNumber(lines[3], result.root1);
        }
        break;
    }
}

int CParabixCalc::Digit(wchar_t digit) {
    wchar_t* text = ActiveText();
    const size_t length = std::wcslen(text);
    if (digit < L'0' || digit > L'9' || length >= kEntryCapacity - 1) {
        return 0;
    }
    text[length] = digit;
    text[length + 1] = L'\0';
    return 1;
}

// The length check keeps a field of 15 digits from taking a 16th character,
// for which its buffer has no room.
int CParabixCalc::DecimalPoint() {
    wchar_t* text = ActiveText();
    const size_t length = std::wcslen(text);
    if (std::wcschr(text, L'.') || length >= kEntryCapacity - 1) {
        return 0;
    }
    text[length] = L'.';
    text[length + 1] = L'\0';
    return 1;
}

int CParabixCalc::MinusSign() {
    wchar_t* text = ActiveText();
    if (text[0] != L'\0') {
        return 0;
    }
    text[0] = L'-';
    text[1] = L'\0';
    return 1;
}

int CParabixCalc::Backspace() {
    wchar_t* text = ActiveText();
    const size_t length = std::wcslen(text);
    if (length == 0) {
        return 0;
    }
    text[length - 1] = L'\0';
    return 1;
}

void CParabixCalc::Clear() {
    for (wchar_t* entry : m_entries) {
        entry[0] = L'\0';
    }
    for (wchar_t* line : m_lines) {
        line[0] = L'\0';
    }
}

void CParabixCalc::Enter() {
    m_solver.SetA(m_entries[0]);
    m_solver.SetB(m_entries[1]);
    m_solver.SetC(m_entries[2]);
    NextField();
    if (m_entries[0][0] && m_entries[1][0] && m_entries[2][0]) {
        SolveAndBuildLines();
    }
}

const wchar_t* CParabixCalc::PrepareGraph() {
    SolveAndBuildLines();
    return m_result.graphText;
}

void CParabixCalc::SolveAndBuildLines() {
    m_solver.Solve(m_result);
    BuildQuadResultLines(m_result, m_solver, m_entries[1], m_entries[2], m_lines);
}

void CParabixCalc::SetActiveField(int field) {
    if (field >= FieldA && field <= FieldC) {
        m_active = field;
    }
}

void CParabixCalc::NextField() {
    m_active = m_active == FieldC ? FieldA : m_active + 1;
}

void CParabixCalc::PreviousField() {
    m_active = m_active == FieldA ? FieldC : m_active - 1;
}

const wchar_t* CParabixCalc::GetEntry(int field) const {
    return field >= FieldA && field <= FieldC ? m_entries[field - 1] : L"";
}

const wchar_t* CParabixCalc::GetLine(int index) const {
    return index >= 0 && index < kLineCount ? m_lines[index] : L"";
}
