#pragma once

#include "ce/ZoqGdiScope.h"
#include "financial/app/FinDialog.h"
#include "financial/app/PageSteps.h"

#include <memory>

class CFiscoraModels;

// One tab page of the options dialog: a child dialog whose buttons act on the models.
class COptionsTab : public CFinDialog {
public:
    // `cleared` (one flag per calculator) records what the tab cleared; `size` is the
    // Size chosen on the general tab, made when the dialog has closed.
    COptionsTab(int templateId, CFiscoraModels& models, int& autoSip, int& size, int* cleared)
        : m_templateId(templateId), m_models(models), m_autoSip(autoSip), m_size(size),
          m_cleared(cleared) {}
    ~COptionsTab() override;
    int TemplateId() const { return m_templateId; }
    // Takes what the tab keeps until the dialog closes ("Pay Tax on Capital Cost").
    void Apply();

protected:
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnInitDialog();
    void OnCommand(int id, int code);
    void ClearProfile(int profile);
    void ResetAll();
    // A screen too short for the tab (landscape, square) scrolls it.
    void OnSize(int height);
    void OnVScroll(int code);
    void ScrollTo(int position);

    int m_templateId;
    CFiscoraModels& m_models;
    int& m_autoSip;
    int& m_size;
    int* m_cleared;
    CZoqGdiHandle<HFONT> m_captionFont;
    int m_contentHeight = 0; // below the lowest control
    int m_pageHeight = 0;
    int m_scroll = 0;
};

// "Options": a full-screen dialog with a menu bar holding "Done" and five tabs
// ("General", "Mortage", "Tip", "Lease", "Car Loan"). Every change goes to the models
// at once; the lease option when the dialog closes.
class COptionsDialog : public CFinDialog {
public:
    static constexpr int kTabCount = 5;

    COptionsDialog(CFiscoraModels& models, int& autoSip);
    ~COptionsDialog() override;

    // Runs the dialog, or brings the open one to the front.
    INT_PTR Run(HINSTANCE instance, HWND owner);
    // The dialog currently open, or null.
    static HWND OpenDialog();
    void SelectTab(int index);
    // 1 when a calculator was cleared ("Reset All", "Clear Profile"): its page shows
    // the cleared values; the other pages keep what is typed on them.
    int WasCleared(Calculator calculator) const { return m_cleared[static_cast<int>(calculator)]; }
    // The Size (percent) chosen in the dialog; the program's current one when none was.
    int ChosenSize() const { return m_size; }

protected:
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnDestroyed() override;

private:
    void OnInitDialog();
    void LayoutTabs();
    HWND TabControl() const;

    std::unique_ptr<COptionsTab> m_tabs[kTabCount];
    int m_current = 0;
    int m_size;
    int m_cleared[kCalculatorCount] = {};
};
