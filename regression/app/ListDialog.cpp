#include "regression/app/ListDialog.h"

#include "ce/ZoqDialogTemplate.h"
#include "ce/ZoqRoute.h"
#include "ce/ZoqShell.h"
#include "engine/ZoqClipboard.h"
#include "regression/app/resource.h"

namespace {

struct SListDialogState {
    const SListDialogContent* content = nullptr;
    int choice = -1;
};

void LayOut(HWND hwnd, int width, int height) {
    HWND copy = GetDlgItem(hwnd, IDC_LIST_COPY);
    // Its own visibility: the dialog is not yet shown when laid out first.
    const bool copying = copy && (GetWindowLongW(copy, GWL_STYLE) & WS_VISIBLE);
    RECT button = {0, 0, 50, 14};
    MapDialogRect(hwnd, &button);
    const int buttonRow = copying ? button.bottom + 6 : 0;
    MoveWindow(GetDlgItem(hwnd, IDC_LIST_ROWS), 0, 0, width, height - buttonRow, TRUE);
    if (copying) {
        MoveWindow(copy, (width - button.right) / 2, height - buttonRow + 3, button.right,
                   button.bottom, TRUE);
    }
}

void Init(HWND hwnd, SListDialogState& state) {
    const SListDialogContent& content = *state.content;
    SetWindowTextW(hwnd, content.title);
    CZoqShell::InitFullScreen(hwnd, CZoqShell::kOkButton);
    HWND list = GetDlgItem(hwnd, IDC_LIST_ROWS);
    // Columns wide enough for six significant digits with an exponent.
    const INT tabStops[] = {56, 112};
    SendMessageW(list, LB_SETTABSTOPS, 2, reinterpret_cast<LPARAM>(tabStops));
    for (const std::wstring& row : content.rows) {
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
    }
    ShowWindow(GetDlgItem(hwnd, IDC_LIST_COPY), content.copyText.empty() ? SW_HIDE : SW_SHOW);
    RECT client;
    GetClientRect(hwnd, &client);
    LayOut(hwnd, client.right, client.bottom);
}

// A tap on a row that belongs to a choice ends the list with it.
void Select(HWND hwnd, SListDialogState& state) {
    const LRESULT row = SendDlgItemMessageW(hwnd, IDC_LIST_ROWS, LB_GETCURSEL, 0, 0);
    const std::vector<int>& choices = state.content->choiceOfRow;
    if (row >= 0 && row < static_cast<LRESULT>(choices.size()) && choices[row] >= 0) {
        state.choice = choices[row];
        EndDialog(hwnd, IDOK);
    }
}

INT_PTR CALLBACK ListDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state =
        CZoqRoute<SListDialogState, CZoqDialogSlot>::OnDialogMessage(hwnd, message, lParam);
    if (!state) {
        return FALSE;
    }
    if (message == WM_INITDIALOG) {
        Init(hwnd, *state);
        return TRUE;
    }
    switch (message) {
    case WM_SIZE:
        LayOut(hwnd, LOWORD(lParam), HIWORD(lParam));
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
        case IDCANCEL:
            EndDialog(hwnd, LOWORD(wParam));
            return TRUE;
        case IDC_LIST_COPY:
            ZoqPlatformClipboard().SetText(state->content->copyText.c_str(), hwnd);
            return TRUE;
        case IDC_LIST_ROWS:
            if (HIWORD(wParam) == LBN_SELCHANGE) {
                Select(hwnd, *state);
            }
            return TRUE;
        default:
            return FALSE;
        }
    default:
        return FALSE;
    }
}

} // namespace

int ShowListDialog(HINSTANCE instance, HWND owner, const SListDialogContent& content) {
    SListDialogState state;
    state.content = &content;
    CZoqDialogTemplate::Box(instance, IDD_LIST, owner, ListDialogProc,
                            reinterpret_cast<LPARAM>(&state));
    return state.choice;
}
