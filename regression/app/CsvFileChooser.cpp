#include "regression/app/CsvFileChooser.h"

#include <commdlg.h>

int ChooseCsvFile(HWND owner, bool save, wchar_t* path, int capacity) {
    if (!path || capacity <= 0) {
        return 0;
    }
    path[0] = L'\0';
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = L"CSV\0*.csv\0";
    dialog.lpstrFile = path;
    dialog.nMaxFile = static_cast<DWORD>(capacity);
    // No default extension: the name is used as typed. Saving over an existing file
    // is confirmed by the dialog itself.
    if (save) {
        dialog.Flags = OFN_OVERWRITEPROMPT;
        return GetSaveFileNameW(&dialog) ? 1 : 0;
    }
    return GetOpenFileNameW(&dialog) ? 1 : 0;
}
