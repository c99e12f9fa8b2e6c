#pragma once

#include <windows.h>

class CCalculator;
class CNumoraOptions;

// The modal dialogs of Numorapad. Each is full-screen over its owner, closed with the
// shell's "ok"; every choice in them applies the moment it is clicked.

// "Options": mode, notation, separator, ClearType and the "Memory" box.
INT_PTR ShowOptionsDialog(HWND owner, HINSTANCE instance, CCalculator& calculator,
                          CNumoraOptions& options);
// "Advanced Options": base, word size, RPN depth; `plusMinus` is a copy the caller takes
// back when the dialog has closed.
INT_PTR ShowAdvancedDialog(HWND owner, HINSTANCE instance, CCalculator& calculator, int* plusMinus);
INT_PTR ShowAboutBox(HWND owner, HINSTANCE instance);

// The "Memory" message box of the Options dialog.
int ShowMemoryBox(HWND owner, const CCalculator& calculator);
