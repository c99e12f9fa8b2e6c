#include "graph/GraphValueBox.h"

#include "ce/ZoqRoute.h"
#include "engine/Numora.h"
#include "graph/GraphResources.h"

#include <cmath>
#include <cwchar>

namespace {

constexpr int kTextCapacity = Numora::kMaxTextLength + 1;

// 1 with the value when the text evaluates to a finite number.
int EvaluateX(const wchar_t* text, double* x) {
    wchar_t result[Numora::kResultCapacity];
    const double value = Numora::GetInstance()->Evaluate(text, result, 10, 10);
    if (std::wcscmp(result, L"syntax error") == 0 || !std::isfinite(value))
        return 0;
    *x = value;
    return 1;
}

INT_PTR CALLBACK ValueBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    double* x = CZoqRoute<double, CZoqDialogSlot>::OnDialogMessage(box, message, lParam);
    switch (message) {
    case WM_INITDIALOG:
        SendDlgItemMessageW(box, IDC_GRAPH_VALUE_X, EM_LIMITTEXT, kTextCapacity - 1, 0);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            wchar_t text[kTextCapacity];
            GetDlgItemTextW(box, IDC_GRAPH_VALUE_X, text, kTextCapacity);
            if (x && EvaluateX(text, x))
                EndDialog(box, 1);
            else
                MessageBeep(MB_ICONWARNING);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(box, 0);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace

int AskGraphX(HWND owner, HINSTANCE instance, double* x) {
    if (!x)
        return 0;
    const INT_PTR result = DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_GRAPH_VALUE), owner,
                                           ValueBoxProc, reinterpret_cast<LPARAM>(x));
    return result == 1 ? 1 : 0;
}
