#pragma once

// Lets the engine work in number bases other than 10: digit runs of an expression are
// rewritten as decimal integers before scanning, and results are written back as
// unsigned integers of the chosen bit width (two's complement for negative values).
// Digits are "0".."9" and the upper-case letters "A".."Z" (10..35).
class CZoqBaseConverter {
public:
    static constexpr int kMinBits = 4;
    static constexpr int kMaxBits = 48;
    // Output capacities (wide characters, terminator included).
    static constexpr int kDigitsCapacity = 64;  // DecimalToBase: at most 48 digits
    static constexpr int kDecimalCapacity = 24; // DigitsToDecimal: a 64-bit integer
    static constexpr int kDigitCapacity = 3;    // DigitToText

    CZoqBaseConverter();

    // 4..48; 0 when refused (nothing changes).
    int SetBits(int bits);
    int GetBits() const { return m_bits; }

    // Rewrites every digit run of the expression as decimal. 0 when the base is
    // outside 2..36 or the rewritten text does not fit `capacity` characters
    // (terminator included); the output is then an empty text.
    int ExpressionToDecimal(int base, const wchar_t* input, wchar_t* output, int capacity);
    // The decimal text of a digit run. 0 (output untouched) when a character is not a
    // digit or the base is outside 2..36. A run beyond the 64-bit range gives
    // 9223372036854775807.
    int DigitsToDecimal(int base, const wchar_t* digits, wchar_t* output);
    // The digits of the value's integer part in the base, modulo 2^bits. 0 (output
    // untouched) when the base is outside 2..36.
    int DecimalToBase(int base, double value, wchar_t* output);
    // "0".."9" or "A".."Z"; 0 (output untouched) for a value outside 0..35.
    int DigitToText(int value, wchar_t* output);

    // Name of a base 2..16 as the calculator shows it ("BIN", "Base 3", "OCT", "HEX");
    // an empty text for other bases.
    static const wchar_t* BaseName(int base);

    // Value of a digit character, or -1 when it is not one.
    static int DigitValue(wchar_t ch);

private:
    // Decimal text of a run of `length` digit characters; returns the text length.
    int RunToDecimal(int base, const wchar_t* digits, int length, wchar_t* output);

    int m_bits = 32;
};
