#pragma once

// A decimal number text taken apart into sign, significant digits and exponent, so
// the display notations can move the point and round without going through a double
// (which would invent or lose digits).
struct SDecimal {
    static constexpr int kMaxDigits = 80;

    int negative = 0;
    int zero = 1;
    // Significant digits without leading or trailing zeros ("0" for zero).
    char digits[kMaxDigits + 1] = "0";
    int count = 1;
    // Decimal exponent of the first digit: 123.4 has exponent 2, 0.05 has -2.
    int exponent = 0;
    int hadExponent = 0;
};

// Accepts "-"? digits ("." digits?)? ("e" ("+"|"-")? digits)? with at least one
// mantissa digit and an exponent of at most three digits. 0 for anything else.
int ParseDecimal(const wchar_t* text, SDecimal* number);

// Keeps the first `keep` significant digits (keep >= 0), rounding half up; a carry out
// of the first digit raises the exponent. Rounding everything away gives zero.
void RoundDecimal(SDecimal* number, int keep);

// [-]d…d.d…de±DDD with `integerDigits` digits before the point (missing digits are
// "0"). 0 when it does not fit.
int WriteExponentForm(const SDecimal& number, int integerDigits, wchar_t* out, int capacity);

// [-]d….d… with exactly `decimals` digits after the point (digits beyond the number's
// own are "0"; digits it has beyond `decimals` are dropped, not rounded).
int WritePlainForm(const SDecimal& number, int decimals, wchar_t* out, int capacity);

// The number of decimals that writes every significant digit in plain form.
int PlainDecimals(const SDecimal& number);

// |number| <= 10^power.
int MagnitudeAtMostPowerOfTen(const SDecimal& number, int power);
