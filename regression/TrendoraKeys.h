#pragma once

// The desktop keyboard of the regression calculator. Portable.

enum class ETrendoraKey {
    None,
    Digit, // the character typed is the digit
    Backspace,
    Enter,
    DecimalPoint,
    ClearAll,
    ChangeSign,
    ToggleField, // between X and Y
    Graph,
    CompareModels,
    Residuals,
    CopyData,
    PasteData,
};

// The action of a typed character: digits, ".", Backspace, Enter and "=", "c" clear
// all, "p" change sign, "g" graph, "m" compare models, "r" residuals, Ctrl+C copy and
// Ctrl+V paste the entries.
ETrendoraKey TrendoraKeyForChar(wchar_t c);
// The action of a key let go: the Up and Down arrows toggle the active field.
ETrendoraKey TrendoraKeyForKeyUp(unsigned virtualKey);
