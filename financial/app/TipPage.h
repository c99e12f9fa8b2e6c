#pragma once

#include "ce/ZoqGdiScope.h"
#include "financial/app/TipEntry.h"
#include "financial/app/WizardPage.h"

class CTipModel;

// The tip calculator: the bill amount typed on a 13-key pad, then the tip, the share
// of each person and the total, with drop-down lists for the percentage and the
// number of people (template 108).
class CTipPage : public CWizardPage {
public:
    explicit CTipPage(SPageContext& context);
    ~CTipPage() override;

    int Next() override;
    int Back() override;
    void Init() override;
    void SaveProfile(int profile) override;
    void LoadProfile(int profile) override;
    void TakeTypedValues() override;
    void Refresh() override;

    // The keypad, as the pen reaches it; for tests also the key rectangles.
    void PressKey(TipKey key);
    RECT KeyRect(TipKey key) const { return m_keys[static_cast<int>(key)].Rect(); }
    const wchar_t* EntryText() const { return m_entry.Text(); }

    // What the result step shows.
    const wchar_t* BillText() const { return m_bill; }
    const wchar_t* TipText() const { return m_tip; }
    const wchar_t* PerPersonText() const { return m_perPerson; }
    const wchar_t* TotalText() const { return m_total; }

protected:
    void OnInitPage() override;
    void PaintStep(HDC dc, int step) override;
    void StylusDownOnStep(int step, POINT point) override;
    void StylusUpOnStep(int step, POINT point) override;
    void MouseMoveOnStep(int step, POINT point) override;
    void LayoutStep(int width, int height) override;
    void DropStepFonts() override;
    int Command(int id, int code, HWND control) override;
    int UserMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static constexpr int kValueChars = 48;

    CTipModel& Model();
    void FillLists();
    void SelectCurrent();
    void ShowLists(int show);
    void BuildResults();
    void MoneyFromValue(wchar_t* out, double value) const;
    void PaintEntry(HDC dc);
    void PaintResults(HDC dc);
    int RowY(int row) const;

    CTipEntry m_entry;
    CPageButton m_keys[kTipKeyCount];
    CZoqGdiHandle<HFONT> m_entryFont;
    CZoqGdiHandle<HFONT> m_resultFont;
    CZoqGdiHandle<HFONT> m_resultBold;
    RECT m_entryBox = {};
    int m_rowTop = 0;
    int m_rowHeight = 0;
    wchar_t m_bill[kValueChars] = {};
    wchar_t m_tip[kValueChars] = {};
    wchar_t m_perPerson[kValueChars] = {};
    wchar_t m_total[kValueChars] = {};
};
