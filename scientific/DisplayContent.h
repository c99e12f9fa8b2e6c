#pragma once

#include "scientific/DisplayFormatter.h"
#include "scientific/KeyTables.h"

// Everything the calculator's display shows at one moment: the number, the line above
// it and the indicators. CCalculator::GetDisplayContent fills it in the caller's
// storage; the window only lays it out and draws it.
struct SDisplayContent {
    SDisplayText number;              // the current value as the number display shows it
    wchar_t line[kLineCapacity] = {}; // the expression line, or the operator indicator
    int separator = 0;                // the `Seperator` setting: 1 shows a decimal comma
    int layer = 0;                    // keypad layer: the "2ndF" and "Hyp" indicators
    int angleMode = 0;                // 0 degrees, 1 radians, 2 grads
    int base = 10;                    // 2..16
    int calcMode = 0;                 // ECalcMode
    int historyBack = 0;              // Expression mode with an older history entry
    int historyForward = 0;           // Expression mode with a newer history entry
    int memory1InUse = 0;             // register "1" holds a value other than 0
    int memory2InUse = 0;             // register "2" holds a value other than 0
};
