#pragma once

#include "quadratic/ParabixCalc.h"
#include "quadratic/ParabixKeys.h"
#include "calc/CalcEntryWindow.h"

// The main window of the quadratic calculator: the coefficient keypad, the three
// fields and the four result lines on the display panel, and the graph.
class CDlgParabix : public CCalcEntryWindow<CParabixCalc> {
public:
    CDlgParabix();

    LRESULT OnInitDialog(HWND hwnd, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnCommand(HWND hwnd, WPARAM wParam, LPARAM lParam) override;

private:
    void ProgramButton(int index) override;
    int KeyTyped(wchar_t typed, int shift) override;
    int KeyReleased(unsigned virtualKey) override;
    // Runs a key of the keyboard table (`typed` is the character of a digit); 0 for
    // EParabixKey::None. The keys standing for a shared button run its action.
    int KeyAction(EParabixKey key, wchar_t typed);
    void DrawDisplay() override;
    void ShowGraph() override;
};
