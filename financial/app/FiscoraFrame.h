#pragma once

#include "ce/ZoqGdiScope.h"
#include "ce/ZoqShell.h"
#include "financial/app/CalculatorSelector.h"
#include "financial/app/PageContext.h"
#include "financial/app/WizardPage.h"

#include <memory>

class CFiscoraModels;
class CTipPage;
class CLeasePage;
class CMortgagePage;
class CCarLoanPage;
class COptionsDialog;

// The main window of Fiscora: the menu bar ("File", "Profiles"), the calculator
// selector and the four pages, one of them showing. It owns the pages; the models
// belong to the caller and outlive the window.
class CFiscoraFrame {
public:
    explicit CFiscoraFrame(CFiscoraModels& models);
    ~CFiscoraFrame();
    CFiscoraFrame(const CFiscoraFrame&) = delete;
    CFiscoraFrame& operator=(const CFiscoraFrame&) = delete;

    // Registers the window class and creates the main window; 1 when it exists.
    int Create(HINSTANCE instance, const wchar_t* className, const wchar_t* title);
    HWND Handle() const { return m_hwnd; }

    CWizardPage* Page(Calculator calculator) const;
    CWizardPage* CurrentPage() const { return Page(m_current); }
    Calculator Current() const { return m_current; }
    void SelectCalculator(int index);
    int AutoSip() const { return m_autoSip; }
    int IsSquare() const { return m_square; }
    const CCalculatorSelector& Selector() const { return m_selector; }
    const CSquareSelector& SquareSelector() const { return m_squareSelector; }
    CTipPage& TipPage() const;
    CLeasePage& LeasePage() const;
    CMortgagePage& MortgagePage() const;
    CCarLoanPage& CarLoanPage() const;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnCreate();
    void OnDestroy();
    void OnEndSession(WPARAM ending);
    void TakeTypedValues();
    void OnSize(int width, int height);
    void OnScaleChanged();
    void MakeFonts();
    void OnPaint();
    void OnCommand(int id);
    void OnLButtonDown(POINT point);
    void OnLButtonUp(POINT point);
    void OnMouseMove(POINT point);
    void OnKeyUp(WPARAM key);
    void ShowOptions();
    void ShowAbout();
    void RefreshPages(const COptionsDialog& dialog);
    void ReadCurrency();

    CFiscoraModels& m_models;
    SPageContext m_context;
    HWND m_hwnd = nullptr;
    HINSTANCE m_instance = nullptr;
    int m_autoSip = 1;
    int m_sessionSaved = 0;
    Calculator m_current = Calculator::Mortgage;
    std::unique_ptr<CWizardPage> m_pages[kCalculatorCount]; // indexed by Calculator
    CCalculatorSelector m_selector;
    CSquareSelector m_squareSelector;
    CZoqShell::ActivateInfo m_activateInfo;
    int m_square = 0;
    int m_width = 0;
    int m_height = 0;
    RECT m_selectorArea = {};
    CZoqGDI m_surface;
    CZoqGdiHandle<HFONT> m_font;
    CZoqGdiHandle<HFONT> m_narrowFont;
};
