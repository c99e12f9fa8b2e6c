#pragma once

#include "quadratic/ParabixCalc.h"
#include "regression/app/CalcFace.h"
#include "ui/ZoqWnd.h"

// The main window of the quadratic calculator: the coefficient keypad, the three
// fields and the four result lines on the display panel, and the graph.
class CDlgParabix : public CZoqWnd {
public:
    CDlgParabix();
    ~CDlgParabix() override;

    LRESULT OnDraw(HWND hwnd, HDC dc, RECT* client) override;
    LRESULT OnSize(HWND hwnd, WPARAM wParam, LPARAM lParam) override;
    // Desktop keyboard: digits, ".", "-", Backspace, Enter, Tab and Shift+Tab.
    LRESULT OnChar(HWND hwnd, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnKeyUp(HWND hwnd, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnInitDialog(HWND hwnd, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnLButtonUp(HWND hwnd, POINT point) override;
    LRESULT OnLButtonDown(HWND hwnd, POINT point) override;
    LRESULT OnMouseMove(HWND hwnd, POINT point) override;
    LRESULT OnDestroy(HWND hwnd, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnCommand(HWND hwnd, WPARAM wParam, LPARAM lParam) override;

    const CParabixCalc& GetCalc() const { return m_calc; }
    const CCalcFace& GetFace() const { return m_face; }

private:
    void ButtonAction(int index);
    void ShowGraph();
    void ShowAbout();
    void Redraw();

    CParabixCalc m_calc;
    CCalcFace m_face;
    int m_lastWidth = 0;
    int m_lastHeight = 0;
    bool m_initialised = false;
};
