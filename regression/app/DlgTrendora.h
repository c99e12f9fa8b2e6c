#pragma once

#include "regression/TrendoraCalc.h"
#include "regression/app/CalcFace.h"
#include "regression/app/CsvFileChooser.h"
#include "ui/ZoqWnd.h"

// The main window of the regression calculator: the data entry keypad, the
// entries and results on the display panel, the navigation strip at its right
// edge, the data files and the graph.
class CDlgTrendora : public CZoqWnd {
public:
    static constexpr int kPathCapacity = 256;

    CDlgTrendora();
    ~CDlgTrendora() override;

    LRESULT OnDraw(HWND hwnd, HDC dc, RECT* client) override;
    LRESULT OnSize(HWND hwnd, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnChar(HWND hwnd, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnKeyUp(HWND hwnd, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnInitDialog(HWND hwnd, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnLButtonUp(HWND hwnd, POINT point) override;
    LRESULT OnLButtonDown(HWND hwnd, POINT point) override;
    LRESULT OnMouseMove(HWND hwnd, POINT point) override;
    LRESULT OnDestroy(HWND hwnd, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnCommand(HWND hwnd, WPARAM wParam, LPARAM lParam) override;

    const CTrendoraCalc& GetCalc() const { return m_calc; }
    const CCalcFace& GetFace() const { return m_face; }
    void SetFileChooser(CsvFileChooser chooser) { m_chooseFile = chooser; }

private:
    void ButtonAction(int index);
    void LoadCsv();
    void SaveCsv();
    void ShowGraph();
    void ShowAbout();
    void ShowPopup(int popup, int x, UINT flags);
    void DrawEntries();
    void DrawNavigation();
    void Redraw();

    CTrendoraCalc m_calc;
    CCalcFace m_face;
    int m_lastWidth = 0;
    int m_lastHeight = 0;
    bool m_initialised = false;
    CsvFileChooser m_chooseFile = ChooseCsvFile;
};
