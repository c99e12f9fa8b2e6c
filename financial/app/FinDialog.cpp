#include "financial/app/FinDialog.h"

#include "ce/ZoqDialogTemplate.h"

CFinDialog::~CFinDialog() {
    Destroy();
}

int CFinDialog::CreateModeless(HINSTANCE instance, int templateId, HWND parent) {
    Destroy();
    m_instance = instance;
    m_modal = 0;
    CZoqDialogTemplate::Create(instance, templateId, parent, DialogProc,
                               reinterpret_cast<LPARAM>(this));
    return m_hwnd != nullptr;
}

INT_PTR CFinDialog::DoModal(HINSTANCE instance, int templateId, HWND parent) {
    Destroy();
    m_instance = instance;
    m_modal = 1;
    return CZoqDialogTemplate::Box(instance, templateId, parent, DialogProc,
                                   reinterpret_cast<LPARAM>(this));
}

void CFinDialog::Destroy() {
    if (!m_hwnd) {
        return;
    }
    if (m_modal) {
        EndDialog(m_hwnd, IDCANCEL);
    } else {
        DestroyWindow(m_hwnd);
    }
}

INT_PTR CALLBACK CFinDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CFinDialog* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<CFinDialog*>(lParam);
        SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        self->m_hwnd = hwnd;
    } else {
        self = reinterpret_cast<CFinDialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    }
    // Messages that come before WM_INITDIALOG (WM_SETFONT) or after the object let
    // go of the window get the dialog manager's default.
    if (!self || self->m_hwnd != hwnd) {
        return FALSE;
    }
    if (message == WM_DESTROY) {
        INT_PTR handled = self->HandleMessage(message, wParam, lParam);
        SetWindowLongPtrW(hwnd, DWLP_USER, 0);
        self->m_hwnd = nullptr;
        self->OnDestroyed();
        return handled;
    }
    return self->HandleMessage(message, wParam, lParam);
}
