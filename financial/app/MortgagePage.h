#pragma once

#include "ce/ZoqGdiScope.h"
#include "financial/app/ModelStepsPage.h"

#include <string>

// The mortgage wizard: "MORTGAGE", "ADDITIONAL COSTS", "EXTRA PAYMENTS", then the drawn results
// with "Reset" and "Amortize", or the points comparison with "Reset", "Points" and "NoPoints".
class CMortgagePage : public CModelStepsPage<CMortgageModel, &CFiscoraModels::mortgage> {
public:
    explicit CMortgagePage(SPageContext& context);
    ~CMortgagePage() override;

    // The result step's buttons, as the pen reaches them.
    void ResetCalculator();
    enum EPointsView { kWithoutPoints, kWithPoints };
    void AmortizeWithPoints(EPointsView view);
    void Amortize();

    // The result step's buttons: "Reset", then "Amortize" or "Points" and "NoPoints".
    int ResultButtonCount() const;
    RECT ResultButtonRect(int index) const { return m_results[index].Rect(); }
    const wchar_t* ResultButtonLabel(int index) const { return m_results[index].Label(); }
    // The font the result step's buttons are drawn in.
    HFONT ResultButtonFont() const { return m_buttonFont; }

    // What the result step shows, for tests: row i's label and value.
    int ResultRowCount() const { return m_rowCount; }
    const wchar_t* ResultLabel(int row) const;
    const wchar_t* ResultValue(int row) const;

protected:
    void OnInitPage() override;
    void PaintStep(HDC dc, int step) override;
    void StylusDownOnStep(int step, POINT point) override;
    void StylusUpOnStep(int step, POINT point) override;
    void MouseMoveOnStep(int step, POINT point) override;
    void LayoutStep(int width, int height) override;
    // The result fonts are made again even when their height in pixels stays.
    void DropStepFonts() override { m_resultFontHeight = 0; }
    int UserMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static constexpr int kMaxRows = 15;
    static constexpr int kPlainRows = 14; // the most result rows without points
    static constexpr int kValueChars = 48;
    struct SRow {
        const wchar_t* label;
        wchar_t value[kValueChars];
        int bold;
        int heading;
    };

    int TakeStep(int step) override;
    void StepRefused(int step) override;
    void AddSavingsRows();
    void ShowStep() override;
    void BuildResults();
    void BuildPlainResults();
    void BuildPointsResults();
    SRow& AddRow(const wchar_t* label, int bold = 0);
    void MoneyText(wchar_t* out, double value) const;
    void LayoutResultButtons();

    SRow m_rows[kMaxRows] = {};
    int m_rowCount = 0;
    int m_pointsView = 0;
    CPageButton m_results[3];     // "Reset", then "Amortize" or "Points" and "NoPoints"
    HFONT m_buttonFont = nullptr; // what every result button's label fits in
    CZoqGdiHandle<HFONT> m_resultFont;
    CZoqGdiHandle<HFONT> m_resultBold;
    int m_resultFontHeight = 0;
};
