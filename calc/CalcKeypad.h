#pragma once

// The keypad the regression and quadratic calculators share. Buttons 0 to 2 are each
// program's own (its fields, or deleting an entry); every other button means the same
// in both, and so do the keys of the desktop keyboard that stand for one of them.
// Portable.

// The shared buttons besides the digits (KeypadDigit), by index: the right-hand column
// of rows 1 to 3, and the bottom row right of the 0.
enum ECalcButton {
    kButtonClear = 6,
    kButtonBackspace = 10,
    kButtonEnter = 14,
    kButtonPoint = 16,
    kButtonSign = 17,
    kButtonGraph = 18
};

// What a shared button, or a key standing for one, asks of the calculator.
enum class ECalcAction { None, Digit, Clear, Backspace, Enter, DecimalPoint, Sign, Graph };

// The shared action of keypad button `index`: Digit for the digit buttons (KeypadDigit
// says which digit), None for buttons 0 to 2, which the program acts on itself, and
// for an index off the keypad.
ECalcAction KeypadAction(int index);

// A key of a program's keyboard table (calc/KeyTable.h) that stands for a shared action.
template <class EKey> struct SSharedKey {
    EKey key;
    ECalcAction action;
};

// The shared action `key` stands for in `rows`, or None when the key is the program's own.
template <class EKey, int N>
ECalcAction SharedKeyAction(const SSharedKey<EKey> (&rows)[N], EKey key) {
    for (const SSharedKey<EKey>& row : rows) {
        if (row.key == key) {
            return row.action;
        }
    }
    return ECalcAction::None;
}
