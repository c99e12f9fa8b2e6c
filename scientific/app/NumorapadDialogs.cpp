#include "scientific/app/NumorapadDialogs.h"

#include "ce/ZoqDesktop.h"
#include "ce/ZoqDialogTemplate.h"
#include "ce/ZoqRoute.h"
#include "ce/ZoqShell.h"
#include "scientific/Calculator.h"
#include "scientific/NumoraSettings.h"
#include "scientific/app/resource.h"
#include "ui/ZoqPlacement.h"

namespace {

// Choices of the radio groups, in the order of their buttons.
constexpr int kWordSizes[] = {8, 16, 32, 48};
constexpr int kDepths[] = {4, 10, 20};
constexpr int kMemoryViewCapacity = 512;

struct SOptionsContext {
    CCalculator* calculator;
    CNumoraOptions* options;
    int size; // the Size chosen, made when the dialog has closed
};

struct SAdvancedContext {
    CCalculator* calculator;
    int* plusMinus;
};

template <class TContext> TContext* Context(HWND dialog, UINT message, LPARAM lParam) {
    return CZoqRoute<TContext, CZoqDialogSlot>::OnDialogMessage(dialog, message, lParam);
}

void CheckChoice(HWND dialog, int first, int count, int chosen) {
    if (chosen >= 0 && chosen < count) {
        CheckRadioButton(dialog, first, first + count - 1, first + chosen);
    }
}

template <size_t N> int IndexOf(const int (&values)[N], int value) {
    for (size_t i = 0; i < N; ++i) {
        if (values[i] == value) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int InRange(UINT id, int first, int count) {
    return static_cast<int>(id) >= first && static_cast<int>(id) < first + count;
}

// Every dialog here ends on the shell's "ok" (IDOK) or on Escape / closing (IDCANCEL).
int EndOnClose(HWND dialog, UINT id) {
    if (id == IDOK || id == IDCANCEL) {
        EndDialog(dialog, IDOK);
        return 1;
    }
    return 0;
}

void InitOptions(HWND dialog, SOptionsContext& context) {
    CZoqShell::InitFullScreen(dialog, CZoqShell::kOkButton);
    CheckChoice(dialog, IDC_MODE_EXPRESSION, kModeCount, context.calculator->GetCalcMode());
    CheckChoice(dialog, IDC_NOTATION_FLOAT, 4, context.calculator->GetNotation());
    CheckChoice(dialog, IDC_SEPARATOR_PERIOD, 2, context.calculator->GetSeparator());
    CheckDlgButton(dialog, IDC_CLEARTYPE,
                   context.options->GetClearType() ? BST_CHECKED : BST_UNCHECKED);
    CheckChoice(dialog, IDC_SIZE_100, CZoqPlacement::kSizeCount,
                IndexOf(CZoqPlacement::kSizes, context.size));
}

void OptionsCommand(HWND dialog, SOptionsContext& context, UINT id, UINT code) {
    if (code != BN_CLICKED) {
        return;
    }
    CCalculator& calculator = *context.calculator;
    if (InRange(id, IDC_MODE_EXPRESSION, kModeCount)) {
        calculator.SetCalcMode(static_cast<int>(id) - IDC_MODE_EXPRESSION);
    } else if (InRange(id, IDC_NOTATION_FLOAT, 4)) {
        calculator.SetNotation(static_cast<int>(id) - IDC_NOTATION_FLOAT);
    } else if (InRange(id, IDC_SEPARATOR_PERIOD, 2)) {
        calculator.SetSeparator(static_cast<int>(id) - IDC_SEPARATOR_PERIOD);
    } else if (id == IDC_CLEARTYPE) {
        context.options->SetClearType(IsDlgButtonChecked(dialog, IDC_CLEARTYPE) == BST_CHECKED);
    } else if (id == IDC_VIEW_MEMORY) {
        ShowMemoryBox(dialog, calculator);
    } else if (InRange(id, IDC_SIZE_100, CZoqPlacement::kSizeCount)) {
        context.size = CZoqPlacement::kSizes[id - IDC_SIZE_100];
    }
}

void InitAdvanced(HWND dialog, SAdvancedContext& context) {
    CZoqShell::InitFullScreen(dialog, CZoqShell::kOkButton);
    HWND list = GetDlgItem(dialog, IDC_BASE_LIST);
    for (int base = 2; base <= 16; ++base) {
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(BaseName(base)));
    }
    SendMessageW(list, CB_SETCURSEL, context.calculator->GetBase() - 2, 0);
    CheckChoice(dialog, IDC_BITS_8, 4, IndexOf(kWordSizes, context.calculator->GetBaseBits()));
    CheckChoice(dialog, IDC_DEPTH_4, 3, IndexOf(kDepths, context.calculator->GetRpnDepth()));
    CheckDlgButton(dialog, IDC_PLUS_MINUS, *context.plusMinus ? BST_CHECKED : BST_UNCHECKED);
}

void AdvancedCommand(HWND dialog, SAdvancedContext& context, UINT id, UINT code) {
    CCalculator& calculator = *context.calculator;
    if (id == IDC_BASE_LIST) {
        HWND list = GetDlgItem(dialog, IDC_BASE_LIST);
        // Applied when the list closes, or on a keyboard change of the closed list;
        // not while the user scrolls through the open list.
        const int settled = code == CBN_CLOSEUP || (code == CBN_SELCHANGE &&
                                                    !SendMessageW(list, CB_GETDROPPEDSTATE, 0, 0));
        const LRESULT selection = SendMessageW(list, CB_GETCURSEL, 0, 0);
        if (settled && selection != CB_ERR) {
            calculator.BaseKey(static_cast<int>(selection) + 2);
        }
        return;
    }
    if (code != BN_CLICKED) {
        return;
    }
    if (InRange(id, IDC_BITS_8, 4)) {
        calculator.SetBaseBits(kWordSizes[id - IDC_BITS_8]);
    } else if (InRange(id, IDC_DEPTH_4, 3)) {
        calculator.SetRpnDepth(kDepths[id - IDC_DEPTH_4]);
    } else if (id == IDC_PLUS_MINUS) {
        *context.plusMinus = IsDlgButtonChecked(dialog, IDC_PLUS_MINUS) == BST_CHECKED;
    }
}

// The procedure of a dialog that edits the settings its context points at: Init fills the
// controls, Command applies a control's notification (id, code) at once; OK and Cancel
// close it.
template <class TContext, void (*Init)(HWND, TContext&),
          void (*Command)(HWND, TContext&, UINT, UINT)>
INT_PTR CALLBACK SettingsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    TContext* context = Context<TContext>(dialog, message, lParam);
    if (!context) {
        return FALSE;
    }
    switch (message) {
    case WM_INITDIALOG:
        Init(dialog, *context);
        return TRUE;
    case WM_COMMAND:
        if (!EndOnClose(dialog, LOWORD(wParam))) {
            Command(dialog, *context, LOWORD(wParam), HIWORD(wParam));
        }
        return TRUE;
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK AboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        CZoqShell::InitFullScreen(dialog, CZoqShell::kOkButton);
        return TRUE;
    case WM_COMMAND:
        EndOnClose(dialog, LOWORD(wParam));
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

INT_PTR ShowOptionsDialog(HWND owner, HINSTANCE instance, CCalculator& calculator,
                          CNumoraOptions& options) {
    SOptionsContext context = {&calculator, &options, CZoqDesktop::Size()};
    const INT_PTR result = CZoqDialogTemplate::Box(
        instance, IDD_OPTIONS, owner, SettingsProc<SOptionsContext, InitOptions, OptionsCommand>,
        reinterpret_cast<LPARAM>(&context));
    // Made once the dialog is gone: it covers the window it would have to follow.
    CZoqDesktop::SetSize(context.size);
    return result;
}

INT_PTR ShowAdvancedDialog(HWND owner, HINSTANCE instance, CCalculator& calculator,
                           int* plusMinus) {
    SAdvancedContext context = {&calculator, plusMinus};
    return CZoqDialogTemplate::Box(instance, IDD_ADVANCED, owner,
                                   SettingsProc<SAdvancedContext, InitAdvanced, AdvancedCommand>,
                                   reinterpret_cast<LPARAM>(&context));
}

INT_PTR ShowAboutBox(HWND owner, HINSTANCE instance) {
    return CZoqDialogTemplate::Box(instance, IDD_ABOUT, owner, AboutProc, 0);
}

int ShowMemoryBox(HWND owner, const CCalculator& calculator) {
    wchar_t text[kMemoryViewCapacity] = {};
    calculator.GetMemoryView(text, kMemoryViewCapacity);
    return MessageBoxW(owner, text, L"Memory", MB_OK);
}
