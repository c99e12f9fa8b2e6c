#pragma once

// The desktop keyboard of the quadratic calculator. Portable.

enum class EParabixKey {
    None,
    Digit, // the character typed is the digit
    DecimalPoint,
    MinusSign,
    Backspace,
    Enter,
    NextField,
    PreviousField,
};

// The action of a typed character: digits, ".", "-", Backspace, Enter, and Tab to the
// next field or, with `shift` held, the previous one.
EParabixKey ParabixKeyForChar(wchar_t c, int shift);
// The action of a key let go: the Up arrow to the previous field, Down to the next.
EParabixKey ParabixKeyForKeyUp(unsigned virtualKey);
