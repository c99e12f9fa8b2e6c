#pragma once

// The keyboards of the regression and quadratic calculators as tables: each row says
// which action a typed character, or a key let go, stands for. Portable: the window
// passes the character of its character message, or the virtual-key code of its
// key-up message, and runs the action the table gives.

// What a row reads: a typed character, or the virtual-key code of a key let go.
enum class EKeyEvent { Char, KeyUp };
// Whether a row wants Shift held, not held, or does not care.
enum class EShiftState { Either, Up, Down };

// The virtual-key codes the tables use (the platform's values; the window checks them).
constexpr unsigned kVirtualKeyUp = 0x26;
constexpr unsigned kVirtualKeyDown = 0x28;

// Codes `first` .. `last` of `event` stand for `action` (a range for the digits).
template <class EAction> struct SKeyRow {
    EKeyEvent event;
    unsigned first;
    unsigned last;
    EShiftState shift;
    EAction action;
};

// The action of the first row of `rows` that matches, or `none`.
template <class EAction, int N>
EAction LookUpKey(const SKeyRow<EAction> (&rows)[N], EKeyEvent event, unsigned code, int shift,
                  EAction none) {
    const EShiftState state = shift ? EShiftState::Down : EShiftState::Up;
    for (const SKeyRow<EAction>& row : rows) {
        if (row.event == event && code >= row.first && code <= row.last &&
            (row.shift == EShiftState::Either || row.shift == state)) {
            return row.action;
        }
    }
    return none;
}
