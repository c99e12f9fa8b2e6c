#pragma once

#include "ce/ZoqGdiScope.h"
#include "financial/app/FinDialog.h"
#include "financial/app/PageContext.h"
#include "financial/app/PageSteps.h"
#include "financial/app/PageButton.h"

#include "ui/ZoqGDI.h"

// The common page of the four calculators: a child dialog showing one wizard step at
// a time, with a title bar in the calculator's colours, five edit fields (template
// 106) with their labels, unit marks and required marks, and "Back"/"Next" buttons.
// The car loan, lease, mortgage and tip pages derive from it and take over the values
// typed on a step when the user moves on.
class CWizardPage : public CFinDialog {
public:
    static constexpr int kFieldCount = 5;
    static constexpr int kTextCapacity = 64;

    // The page's dialog template comes from the calculator's entry in the table.
    CWizardPage(Calculator calculator, SPageContext& context);
    ~CWizardPage() override;

    // Creates the page window from its template, or brings it to the front.
    int CreatePageWindow(HINSTANCE instance, HWND parent);
    Calculator Kind() const { return m_calculator; }
    int Step() const { return m_step; }
    int StepCount() const { return m_stepCount; }

    // "Next": 1 when the page moved on (nothing happens on the last step, or when
    // the values of the step are refused with a message).
    virtual int Next();
    // "Back": 1 when the page went back (nothing happens on step 0).
    virtual int Back();
    // Fills the fields of the current step from the model.
    virtual void Init();

    // Profile commands of the "Profiles" menu.
    virtual void SaveProfile(int profile);
    virtual void LoadProfile(int profile);

    // The emulated dpi changed: fonts are made again and the page laid out anew.
    void Rescale();

    // The calculator was cleared behind the page (options dialog): show its values.
    virtual void Refresh() { Init(); }

    // The program ends: what is typed on the current step and not yet confirmed goes
    // into the model as confirming would take it, but quietly (no message, the page
    // stays where it is); a value confirming would refuse is not taken.
    virtual void TakeTypedValues() {}

    // Test and layout support: the rectangles of the two wizard buttons.
    RECT BackRect() const { return m_back.Rect(); }
    RECT NextRect() const { return m_next.Rect(); }

protected:
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Per-step operations; the base draws and handles a step of fields.
    virtual void PaintStep(HDC dc, int step);
    virtual void StylusDownOnStep(int step, POINT point);
    virtual void StylusUpOnStep(int step, POINT point);
    virtual void MouseMoveOnStep(int step, POINT point);
    virtual void FieldChanged(int field);
    virtual void FieldGotFocus(int field);
    virtual void FieldLostFocus(int field);
    // Commands other than the fields' notifications; 1 when handled.
    virtual int Command(int id, int code, HWND control);
    // Messages at or above WM_USER other than "Next" and "Back"; 1 when handled.
    virtual int UserMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The page's own controls and buttons for a new size.
    virtual void LayoutStep(int width, int height);
    virtual void OnInitPage() {}
    // Fonts a derived page made for the old dpi go; LayoutStep makes them again.
    virtual void DropStepFonts() {}

    // Fields 0..4 stand for the controls 1001..1005.
    HWND Field(int field) const;
    // The text of a field (at most 63 characters) converted to a double; a text that
    // is no number reads as 0.
    double FieldValue(int field);
    // The same, truncated to an int (clamped to the int range).
    int FieldInt(int field);
    void SetFieldText(int field, const wchar_t* text);
    // A money text as the models write it: shown with two decimals, cut.
    void SetFieldMoney(int field, const wchar_t* number);
    // A value shown with 12 significant digits (rates, the money factor).
    void SetFieldNumber(int field, double value);
    void SetFieldMoneyValue(int field, double value);
    void SetFieldInt(int field, int value);
    // 1 when the user typed into one of the fields since the program last filled them.
    int FieldsTyped() const;
    // Shows, hides and locks the fields as the current step's table says.
    void ApplyStepFields();
    // Moves to a step and repaints; lowers the input panel on a result step.
    void GoToStep(int step);
    int IsResultStep(int step) const;

    // Drawing helpers of the steps.
    void PaintTitle(HDC dc, const wchar_t* title);
    void PaintFieldStep(HDC dc, const SStepInfo& step);
    void PaintWizardButtons(HDC dc);
    void Invalidate();
    void RaiseInputPanel();
    void LowerInputPanel();
    int Scaled(int length) const;

    SPageContext& m_context;
    Calculator m_calculator;
    int m_step = 0;
    int m_stepCount;
    wchar_t m_text[kTextCapacity] = {};
    COLORREF m_top;
    COLORREF m_bottom;
    CPageButton m_back;
    CPageButton m_next;
    int m_width = 0;
    int m_height = 0;
    int m_titleHeight = 0;
    CZoqGdiHandle<HFONT> m_font;      // title and labels of stacked rows: Tahoma 14 bold
    CZoqGdiHandle<HFONT> m_smallFont; // labels beside fields, footer
    CZoqGdiHandle<HFONT> m_editFont;

private:
    void OnSize(int width, int height);
    void OnPaint();
    void OnLButtonDown(POINT point);
    void OnLButtonUp(POINT point);
    void OnMouseMove(POINT point);
    void OnCommand(WPARAM wParam, LPARAM lParam);
    void LayoutFields(int width, int height);
    void CloseFonts();

    struct SFieldPlace {
        RECT edit;
        POINT label;
        POINT unit;
        POINT star;
    };
    int m_templateId;
    int m_stacked = 1; // labels above the fields (tall screens) or beside them
    SFieldPlace m_places[kFieldCount] = {};
    POINT m_footer = {};
    CZoqGDI m_surface;
};
