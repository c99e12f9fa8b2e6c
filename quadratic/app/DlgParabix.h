#pragma once

#include "quadratic/ParabixCalc.h"
#include "quadratic/ParabixKeys.h"
#include "calc/CalcEntryWindow.h"

// The main window of the quadratic calculator: the coefficient keypad, the three
// fields and the four result lines on the display panel, and the graph.
class CDlgParabix : public CCalcEntryWindow<CParabixCalc, EParabixKey> {
public:
    CDlgParabix();

    LRESULT OnInitDialog(HWND hwnd, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnCommand(HWND hwnd, WPARAM wParam, LPARAM lParam) override;

private:
    void ProgramButton(int index) override;
    int ProgramKey(EParabixKey key) override;
    void DrawDisplay() override;
    void ShowGraph() override;
};
