#include "calc/CalcKeypad.h"

#include "calc/CalcLayout.h"

ECalcAction KeypadAction(int index) {
    if (KeypadDigit(index)) {
        return ECalcAction::Digit;
    }
    switch (index) {
    case kButtonClear:
        return ECalcAction::Clear;
    case kButtonBackspace:
        return ECalcAction::Backspace;
    case kButtonEnter:
        return ECalcAction::Enter;
    case kButtonPoint:
        return ECalcAction::DecimalPoint;
    case kButtonSign:
        return ECalcAction::Sign;
    case kButtonGraph:
        return ECalcAction::Graph;
    default:
        return ECalcAction::None;
    }
}
