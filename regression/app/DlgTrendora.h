#pragma once

#include "regression/TrendoraCalc.h"
#include "regression/TrendoraKeys.h"
#include "calc/CalcEntryWindow.h"
#include "regression/app/CsvFileChooser.h"

struct CsvReadReport;

// The main window of the regression calculator: the data entry keypad, the
// entries and results on the display panel, the navigation strip at its right
// edge, the data files and the graph.
class CDlgTrendora : public CCalcEntryWindow<CTrendoraCalc, ETrendoraKey> {
public:
    static constexpr int kPathCapacity = 256;

    CDlgTrendora();

    LRESULT OnInitDialog(HWND hwnd, WPARAM wParam, LPARAM lParam) override;
    // Buttons first; a tap no button takes may be on the navigation strip.
    LRESULT OnLButtonDown(HWND hwnd, POINT point) override;
    LRESULT OnCommand(HWND hwnd, WPARAM wParam, LPARAM lParam) override;

    void SetFileChooser(CsvFileChooser chooser) { m_chooseFile = chooser; }

private:
    void ProgramButton(int index) override;
    int ProgramKey(ETrendoraKey key) override;
    void DrawDisplay() override;
    int ConfirmQuit() override { return OfferToSave(); }
    // Before the entries are replaced or the program ends: when they changed since
    // the last save or load, asks whether to save them first. Returns 1 to go on
    // (saved, or not wanted), 0 to stay (cancelled, or the save did not happen).
    int OfferToSave();
    void LoadCsv();
    // Returns 1 when the entries were written to a file.
    int SaveCsv();
    void ShowGraph() override;
    void CompareModels();
    void ShowResiduals();
    void PasteData();
    // After the entries were read from a file or the clipboard (or none was chosen): the
    // first entry shows, and what the reading left out is said.
    void ShowReplacedEntries(const CsvReadReport& report);
    void Warn(const wchar_t* text);
    void CopyData();
    void ShowPopup(int popup, int x, UINT flags);
    void DrawEntries();
    void DrawNavigation();

    CsvFileChooser m_chooseFile = ChooseCsvFile;
};
