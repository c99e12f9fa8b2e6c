#include "quadratic/ParabixCalc.h"

#include "calc/EntryText.h"
#include "calc/NumberText.h"
#include "ui/ZoqString.h"

#include <cwchar>

namespace {

constexpr int kLine = CParabixCalc::kLineCapacity;

// A text that does not fit is cut.
void Append(wchar_t* line, const wchar_t* part) {
    CZoqString::GetInstance()->Append(line, part, kLine);
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

// "(" first, separator, second, close: a pair of numbers or a complex number.
void SetBracketed(wchar_t* line, double first, const wchar_t* separator, double second,
                  const wchar_t* close) {
    Set(line, L"(");
    AppendNumber(line, first);
    Append(line, separator);
    AppendNumber(line, second);
    Append(line, close);
}

} // namespace

void BuildQuadResultLines(const SQuadResult& result, const CQuadSolver& solver,
                          const wchar_t* bText, const wchar_t* cText,
                          wchar_t (&lines)[CParabixCalc::kLineCount][kLine]) {
    switch (result.kind) {
    case SQuadResult::TwoRealRoots:
        Set(lines[0], L"The x intercepts are:");
        SetBracketed(lines[1], result.root1, L", ", result.root2, L")");
        Set(lines[2], L"The Vertice is located:");
        SetBracketed(lines[3], result.vertexX, L", ", result.vertexY, L")");
        break;
    case SQuadResult::ComplexRoots:
        Set(lines[0], L"Imaginary Solution");
        Set(lines[1], L"The x intercepts are:");
        SetBracketed(lines[2], result.root1, L" + ", result.root2, L"i)");
        SetBracketed(lines[3], result.root1, L" - ", result.root2, L"i)");
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
    if (digit < L'0' || digit > L'9') {
        return 0;
    }
    return AppendChar(ActiveText(), kEntryCapacity, digit);
}

// A field of 15 digits takes no point either: its buffer has no room for a 16th
// character.
int CParabixCalc::DecimalPoint() {
    wchar_t* text = ActiveText();
    if (std::wcschr(text, L'.')) {
        return 0;
    }
    return AppendChar(text, kEntryCapacity, L'.');
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
    return EraseLastChar(ActiveText());
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
