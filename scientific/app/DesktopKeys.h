#pragma once

#include "scientific/app/KeyActions.h"

// The physical keyboard of a desktop: each typed character goes to the same core entry
// as the matching key of the face. Portable.

enum class EDesktopCommand { None, Key, CopyAnswer, Paste };

struct SDesktopKey {
    EDesktopCommand command;
    SKeyAction action; // for EDesktopCommand::Key
};

// The meaning of a character (WM_CHAR) typed while the calculator is in `base`. Letters
// A-F type hexadecimal digits only in bases above 10; control characters: Enter,
// Backspace, Escape, Ctrl+C and Ctrl+V.
SDesktopKey DesktopKeyForChar(wchar_t c, int base);
