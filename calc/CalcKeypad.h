#pragma once

// The keypad the regression and quadratic calculators share. Buttons 0 to 2 are each
// program's own (its fields, or deleting an entry); every other button means the same
// in both, and so do the keys of the desktop keyboard that stand for one of them.
// Portable.

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

// A program's desktop keyboard: the look-ups in its key table of a typed character
// (with Shift held or not) and of a key let go, and which of its keys stand for a
// shared action (`sharedCount` rows at `shared`).
template <class EKey> struct SCalcKeyboard {
    EKey (*forChar)(wchar_t typed, int shift);
    EKey (*forKeyUp)(unsigned virtualKey);
    const SSharedKey<EKey>* shared;
    int sharedCount;
};

// The shared action `key` stands for on `keyboard`, or None when the key is the
// program's own.
template <class EKey> ECalcAction SharedKeyAction(const SCalcKeyboard<EKey>& keyboard, EKey key) {
    for (int i = 0; i < keyboard.sharedCount; ++i) {
        if (keyboard.shared[i].key == key) {
            return keyboard.shared[i].action;
        }
    }
    return ECalcAction::None;
}
