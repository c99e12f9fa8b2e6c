#pragma once

#include <windows.h>

// A dialog from a template driven by one object: the modeless pages and the modal
// dialogs of Fiscora. The object is attached at WM_INITDIALOG and receives every
// later message of its dialog through HandleMessage.
class CFinDialog {
public:
    CFinDialog() = default;
    CFinDialog(const CFinDialog&) = delete;
    CFinDialog& operator=(const CFinDialog&) = delete;
    virtual ~CFinDialog();

    // Modeless child or pop-up dialog; 1 when it exists afterwards.
    int CreateModeless(HINSTANCE instance, int templateId, HWND parent);
    // Modal dialog; its EndDialog result, -1 when it could not be created.
    INT_PTR DoModal(HINSTANCE instance, int templateId, HWND parent);
    void Destroy();

    HWND Handle() const { return m_hwnd; }
    HINSTANCE Instance() const { return m_instance; }

protected:
    // The dialog procedure's answer: TRUE when handled (set DWLP_MSGRESULT for
    // messages that return a value), FALSE for the dialog manager's default.
    virtual INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    // After WM_DESTROY; the handle is already cleared.
    virtual void OnDestroyed() {}

    int m_modal = 0;

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hwnd = nullptr;
    HINSTANCE m_instance = nullptr;
};
