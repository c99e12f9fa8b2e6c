#include "financial/app/FinDialog.h"

#include "ce/ZoqDialogTemplate.h"
#include "ce/ZoqRoute.h"

namespace {

using Routing = CZoqRoute<CFinDialog, CZoqDialogSlot>;

} // namespace

CFinDialog::~CFinDialog() {
    Destroy();
    // An ended modal dialog lives on until its loop returns: it must not reach this
    // object any more.
    Routing::Detach(m_hwnd, this);
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
    CFinDialog* self = Routing::OnDialogMessage(hwnd, message, lParam);
    if (self && message == WM_INITDIALOG) {
        self->m_hwnd = hwnd;
    }
    // Messages that come before WM_INITDIALOG (WM_SETFONT) or after the object let
    // go of the window get the dialog manager's default.
    if (!self || self->m_hwnd != hwnd) {
        return FALSE;
    }
    if (message == WM_DESTROY) {
        INT_PTR handled = self->HandleMessage(message, wParam, lParam);
        Routing::Detach(hwnd, self);
        self->m_hwnd = nullptr;
        self->OnDestroyed();
        return handled;
    }
    return self->HandleMessage(message, wParam, lParam);
}
