#include "financial/app/AmortizationDialog.h"

#include "ce/ZoqMenuBar.h"
#include "ce/ZoqScreen.h"
#include "ce/ZoqShell.h"
#include "financial/app/resource.h"
#include "financial/models/MortgageModel.h"

#include <commctrl.h>
#include <commdlg.h>

#include <cwchar>
#include <string>

namespace {

struct SColumn {
    const wchar_t* title;
    int width; // at 96 dpi
    int format;
};
constexpr SColumn kColumns[kScheduleColumns] = {
    {L"#", 30, LVCFMT_LEFT},
    {L"Balance", 73, LVCFMT_RIGHT},
    {L"Paid", 60, LVCFMT_RIGHT},
    {L"Principle", 62, LVCFMT_RIGHT},
};

const SZoqMenuBarButton kMenuButtons[] = {
    {IDOK, -1, IDS_MENU_DONE, nullptr},
    {ID_MENU_SCHEDULE, 1, IDS_MENU_SCHEDULE, nullptr},
};

// The folder part of a path (up to and including the last separator), or "." .
std::wstring FolderOf(const wchar_t* path) {
    std::wstring folder(path);
    size_t slash = folder.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring(L".") : folder.substr(0, slash + 1);
}

} // namespace

CAmortizationDialog::CAmortizationDialog(const CMortgageModel& model) {
    const double payment = model.PaymentAmount();
    // Extra payments end the loan early: the list ends with the payment that clears it.
    const int count = model.HasExtraPayments() ? model.PaidPeriods() : model.PaymentCount();
    m_rows.reserve(count > 0 ? count : 0);
    for (int k = 0; k < count; ++k) {
        const double balance = model.BalanceAt(k);
        const double portion = model.PrincipalPortionAt(k);
        if (balance == kMortgageOutsideSchedule || portion == kMortgageOutsideSchedule) {
            break;
        }
        SAmortizationRow row = MakeAmortizationRow(payment, balance, portion);
        // The model knows the last payment's true interest (it repays what is left).
        row.interest = model.InterestAt(k);
        m_rows.push_back(row);
    }
}

HWND CAmortizationDialog::List() const {
    return GetDlgItem(Handle(), IDC_AMORT_LIST);
}

INT_PTR CAmortizationDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog();
        return TRUE;
    case WM_SIZE:
        MoveWindow(List(), 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        FitColumns();
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
        case IDCANCEL:
            EndDialog(Handle(), LOWORD(wParam));
            return TRUE;
        case ID_COPY_SCHEDULE:
            CopySchedule();
            return TRUE;
        case ID_SAVE_SCHEDULE:
            AskAndSave();
            return TRUE;
        default:
            return FALSE;
        }
    default:
        return FALSE;
    }
}

void CAmortizationDialog::OnInitDialog() {
    CZoqShell::InitFullScreen(Handle(), CZoqShell::kNoButton);
    CZoqMenuBar::Create(Handle(), Instance(),
                        {IDR_AMORTMENU, kMenuButtons,
                         static_cast<int>(sizeof kMenuButtons / sizeof kMenuButtons[0])});
    ListView_SetExtendedListViewStyle(List(), LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    for (int column = 0; column < kScheduleColumns; ++column) {
        LVCOLUMNW info = {};
        info.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        info.fmt = kColumns[column].format;
        info.cx = CZoqScreen::Scaled(kColumns[column].width);
        info.pszText = const_cast<wchar_t*>(kColumns[column].title);
        ListView_InsertColumn(List(), column, &info);
    }
    FillList();
    RECT client;
    GetClientRect(Handle(), &client);
    MoveWindow(List(), 0, 0, client.right, client.bottom, TRUE);
    FitColumns();
}

// The nominal widths are wider than the list beside its vertical scroll bar on a
// 240-pixel screen: the last column would hide under a horizontal scroll. The widths
// are shared out in their nominal proportions over the client width instead. Fitting
// can remove the horizontal bar and with it the vertical one, widening the client
// area, so it is measured again until it stays put.
void CAmortizationDialog::FitColumns() {
    HWND list = List();
    int nominal = 0;
    for (const SColumn& column : kColumns) {
        nominal += column.width;
    }
    int fitted = -1;
    for (int pass = 0; pass < 3; ++pass) {
        RECT client;
        GetClientRect(list, &client);
        const int available = client.right - client.left;
        if (available <= 0 || available == fitted) {
            return;
        }
        int used = 0;
        for (int column = 0; column < kScheduleColumns; ++column) {
            const int width = column == kScheduleColumns - 1
                                  ? available - used
                                  : kColumns[column].width * available / nominal;
            ListView_SetColumnWidth(list, column, width);
            used += width;
        }
        fitted = available;
    }
}

void CAmortizationDialog::FillList() {
    HWND list = List();
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    ListView_SetItemCount(list, static_cast<int>(m_rows.size()));
    wchar_t cells[kScheduleColumns][kScheduleCellChars];
    for (int k = 0; k < static_cast<int>(m_rows.size()); ++k) {
        ScheduleCells(k + 1, m_rows[k], cells);
        LVITEMW item = {};
        item.mask = LVIF_TEXT;
        item.iItem = k;
        item.pszText = cells[0];
        ListView_InsertItem(list, &item);
        for (int column = 1; column < kScheduleColumns; ++column) {
            ListView_SetItemText(list, k, column, cells[column]);
        }
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
}

int CAmortizationDialog::CopySchedule() {
    std::wstring text = ScheduleText(m_rows.data(), RowCount(), L'\t');
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!memory) {
        return 0;
    }
    void* target = GlobalLock(memory);
    if (!target) {
        GlobalFree(memory);
        return 0;
    }
    memcpy(target, text.c_str(), bytes);
    GlobalUnlock(memory);
    if (!OpenClipboard(Handle())) {
        GlobalFree(memory);
        return 0;
    }
    EmptyClipboard();
    const int placed = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    CloseClipboard();
    if (!placed) {
        GlobalFree(memory); // the clipboard did not take ownership
    }
    return placed;
}

int CAmortizationDialog::SaveSchedule(const wchar_t* path) {
    if (!path || !*path) {
        return 0;
    }
    std::string csv = ScheduleCsv(m_rows.data(), RowCount());
    return WriteFileReplacing(path, csv.data(), csv.size());
}

void CAmortizationDialog::AskAndSave() {
    wchar_t path[MAX_PATH] = L"amortization.csv";
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = Handle();
    dialog.lpstrFilter = L"CSV files (*.csv)\0*.csv\0All files (*.*)\0*.*\0";
    dialog.lpstrFile = path;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrDefExt = L"csv";
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (!GetSaveFileNameW(&dialog)) {
        return;
    }
    if (!SaveSchedule(path)) {
        MessageBoxW(Handle(), L"The schedule could not be saved.", L"Amortization",
                    MB_OK | MB_ICONEXCLAMATION);
    }
}

int WriteFileReplacing(const wchar_t* path, const char* bytes, size_t size) {
    if (!path || !*path || (!bytes && size)) {
        return 0;
    }
    wchar_t temporary[MAX_PATH];
    if (!GetTempFileNameW(FolderOf(path).c_str(), L"fis", 0, temporary)) {
        return 0;
    }
    HANDLE file = CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        DeleteFileW(temporary);
        return 0;
    }
    int ok = 1;
    size_t done = 0;
    while (ok && done < size) {
        DWORD chunk = static_cast<DWORD>(size - done > 1u << 20 ? 1u << 20 : size - done);
        DWORD written = 0;
        ok = WriteFile(file, bytes + done, chunk, &written, nullptr) && written == chunk;
        done += written;
    }
    ok = ok && FlushFileBuffers(file);
    CloseHandle(file);
    ok = ok && MoveFileExW(temporary, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!ok) {
        DeleteFileW(temporary);
    }
    return ok;
}
