#pragma once

#include "graph/EquationTemplate.h"

#include <memory>

class CGraphView;

// The equations of the graph and their samples: one screen row per sampled pixel column.
//
// Each sample costs one substitution of the x value into the equation and one evaluation by
// the engine, so samples are computed only when a view change is complete. Values that have
// no row (not finite, or the engine reports a syntax error) get a row far outside the window
// that the break rule of the line drawing never joins to a visible one.
class CGraphCurves {
public:
    static constexpr int kSlots = 8;
    static constexpr int kDrawnSlots = 4; // slots 4-7 are sampled but not drawn

    // Stores a copy of text in slot index (0-7); a null text empties the slot.
    // Returns 0, changing nothing, for any other index.
    int SetEquation(const wchar_t* text, int index);
    // The slot's equation, or null when the slot is empty or the index is out of range.
    const wchar_t* Equation(int index) const;
    // The slot's prepared equation, or null like Equation.
    const CEquationTemplate* Template(int index) const;

    // Samples are taken every (step + 1) pixel columns; a negative step counts as 0.
    void SetStep(int step) { m_step = step < 0 ? 0 : step; }
    int Step() const { return m_step; }

    void CalcCurves(const CGraphView& view);

    // Samples of the last CalcCurves, valid for the slots that have samples.
    int SampleCount() const { return m_sampleCount; }
    const int* Samples(int slot) const;

private:
    int EnsureCapacity(int width);

    CEquationTemplate m_equations[kSlots];
    std::unique_ptr<int[]> m_samples[kSlots];
    int m_capacity = 0;
    int m_sampleCount = 0;
    int m_step = 0;
};

// The break rule of the line drawing: neighbouring samples more than two window heights
// apart are not joined, which keeps a vertical asymptote from being drawn as a line.
inline bool IsCurveBreak(int previousRow, int row, int height) {
    const int jump = previousRow > row ? previousRow - row : row - previousRow;
    return jump > 2 * height;
}

// Row of an engine result: YToScreen of the value, or a row below the window when the
// result is a syntax error or not a number.
int SampleRow(const CGraphView& view, double value, const wchar_t* resultText);

// The value to plot for an engine result: NaN after a syntax error, whose number is only the
// first number of the text.
double PlottedValue(double value, const wchar_t* resultText);
