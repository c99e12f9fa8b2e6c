#pragma once

#include "scientific/KeyTables.h"

// What each of the 44 keys of the keypad does in each keypad layer: the core entry it
// calls (category and index), or closing the program. Portable, so the whole table
// can be checked natively.

enum class EKeyAction { None, Core, Quit };

struct SKeyAction {
    EKeyAction kind;
    EKeyCategory category;
    int index;
    // A hexadecimal digit (10..15) entered instead when the core refuses the key, which
    // it does for functions and the power operator outside base 10; -1 for none.
    int fallbackDigit;
};

constexpr int kKeyCount = 44;
constexpr int kKeyQuit = 39;

// The action of key 0..43 in keypad layer 0..5. `plusMinusAsMinus` is the `PlusMinus`
// option: the "+/-" key then types the minus operator instead of changing the sign.
// Out-of-range keys give EKeyAction::None.
SKeyAction KeyActionFor(int key, int layer, int plusMinusAsMinus);
