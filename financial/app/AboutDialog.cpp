#include "financial/app/AboutDialog.h"

#include "ce/ZoqShell.h"

INT_PTR CAboutDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        CZoqShell::InitFullScreen(Handle(), CZoqShell::kOkButton);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(Handle(), LOWORD(wParam));
        }
        return TRUE;
    default:
        return FALSE;
    }
}
