#pragma once

#include "quadratic/QuadSolver.h"

// The quadratic calculator without its window: three coefficient fields edited
// key by key, Enter, and the four result lines. The window draws what this holds.
class CParabixCalc {
public:
    enum Field { FieldA = 1, FieldB = 2, FieldC = 3 };
    static constexpr int kEntryCapacity = 16; // at most 15 typed characters
    static constexpr int kLineCapacity = 64;
    static constexpr int kLineCount = 4;

    CParabixCalc() = default;

    // Entry editing, on the active field. Each returns 1 when the text changed.
    int Digit(wchar_t digit);
    int DecimalPoint();
    int MinusSign();
    int Backspace();
    // Empties the three fields and the result lines; the active field stays.
    void Clear();
    // Stores all three coefficients, moves to the next field, and solves when all
    // three fields hold text.
    void Enter();
    // Solves with the coefficients of the last Enter, rebuilds the result lines and
    // returns the equation text for the graph.
    const wchar_t* PrepareGraph();

    void SetActiveField(int field);
    void NextField();     // A, B, C, A ...
    void PreviousField(); // A, C, B, A ...
    int GetActiveField() const { return m_active; }

    const wchar_t* GetEntry(int field) const;
    const wchar_t* GetLine(int index) const;
    const SQuadResult& GetResult() const { return m_result; }
    const CQuadSolver& GetSolver() const { return m_solver; }

private:
    wchar_t* ActiveText() { return m_entries[m_active - 1]; }
    void SolveAndBuildLines();

    CQuadSolver m_solver;
    SQuadResult m_result;
    wchar_t m_entries[3][kEntryCapacity] = {};
    wchar_t m_lines[kLineCount][kLineCapacity] = {};
    int m_active = FieldA;
};

// The four result lines of what `solver` solved to; `bText` and `cText` are the
// B and C fields as typed, which the equation of a line quotes.
void BuildQuadResultLines(const SQuadResult& result, const CQuadSolver& solver,
                          const wchar_t* bText, const wchar_t* cText,
                          wchar_t (&lines)[CParabixCalc::kLineCount][CParabixCalc::kLineCapacity]);
