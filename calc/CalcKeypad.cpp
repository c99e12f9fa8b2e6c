#include "calc/CalcKeypad.h"

#include "calc/CalcLayout.h"

ECalcAction KeypadAction(int index) {
    using A = ECalcAction;
    // In layout order: the program's three, then four rows of four.
    constexpr ECalcAction kActions[SCalcLayout::kButtonCount] = {
        A::None,  A::None,         A::None,                //
        A::Digit, A::Digit,        A::Digit, A::Clear,     //
        A::Digit, A::Digit,        A::Digit, A::Backspace, //
        A::Digit, A::Digit,        A::Digit, A::Enter,     //
        A::Digit, A::DecimalPoint, A::Sign,  A::Graph};
    return index >= 0 && index < SCalcLayout::kButtonCount ? kActions[index] : A::None;
}
