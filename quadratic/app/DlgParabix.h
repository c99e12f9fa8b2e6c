#pragma once

#include "quadratic/ParabixCalc.h"
#include "quadratic/ParabixKeys.h"
#include "calc/CalcWindow.h"

// The main window of the quadratic calculator: the coefficient keypad, the three
// fields and the four result lines on the display panel, and the graph.
class CDlgParabix : public CCalcWindow {
public:
    CDlgParabix();

    LRESULT OnInitDialog(HWND hwnd, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnCommand(HWND hwnd, WPARAM wParam, LPARAM lParam) override;

    const CParabixCalc& GetCalc() const { return m_calc; }

private:
    void ButtonAction(int index) override;
    int KeyTyped(wchar_t typed, int shift) override;
    int KeyReleased(unsigned virtualKey) override;
    // Runs a key of the keyboard table (`typed` is the character of a digit); 0 for
    // EParabixKey::None.
    int KeyAction(EParabixKey key, wchar_t typed);
    void DrawDisplay() override;
    void ShowGraph();

    CParabixCalc m_calc;
};
