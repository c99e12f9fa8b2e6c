#pragma once

#include <windows.h>

#include <string>
#include <vector>

// A full-screen list over the calculator: the model table, where a tap on a model
// that fits chooses it, and the residuals, which "Copy" puts on the clipboard.
struct SListDialogContent {
    const wchar_t* title = L"";
    std::vector<std::wstring> rows;
    // Row i belongs to choice choiceOfRow[i]; -1 is not a choice. Empty: nothing to choose.
    std::vector<int> choiceOfRow;
    // With text: a "Copy" button puts it on the clipboard.
    std::wstring copyText;
};

// Shows the list modally. Returns the choice tapped, or -1 when the list was closed.
int ShowListDialog(HINSTANCE instance, HWND owner, const SListDialogContent& content);
