#pragma once

#include <windows.h>

class CFiscoraModels;

// Messages between the pages, the selector and the main window.
constexpr UINT kMsgNext = WM_USER + 101;             // a page's "Next"
constexpr UINT kMsgBack = WM_USER + 102;             // a page's "Back"
constexpr UINT kMsgSelectCalculator = WM_USER + 226; // wParam: calculator index
constexpr UINT kMsgCollapseSelector = WM_USER + 227; // every stylus down and field focus

// Height (at 96 dpi) of the square screen's selector toggle, which stands at the
// bottom centre of the screen when the selector is collapsed.
constexpr int kSquareToggleHeight = 16;

// What every page shares with the main window.
struct SPageContext {
    CFiscoraModels* models = nullptr;
    HWND frame = nullptr;         // the main window
    const int* autoSip = nullptr; // `AutoSip`: raise the input panel on field focus
    wchar_t currency[32] = L"$";  // the user's currency symbol
};
