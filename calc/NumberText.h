#pragma once

// Number texts of the regression and quadratic calculators, the same on every
// platform. They match C's printf conversions "%.<digits>g" and "%.<decimals>f"
// (exact decimal value, rounded to nearest, ties to even; two-digit minimum
// exponent; "inf", "-inf", "nan", "-nan"), but are produced by the C++ library's
// own conversion so that no C runtime's formatting differences leak into the
// result lines or the data files.
//
// Each writes at most `capacity` characters including the terminator and returns
// the length written, or 0 (with an empty text when capacity > 0) when the text
// does not fit.

int FormatGeneral(char* out, int capacity, double value, int digits);
int FormatFixed(char* out, int capacity, double value, int decimals);
int FormatGeneral(wchar_t* out, int capacity, double value, int digits);
int FormatFixed(wchar_t* out, int capacity, double value, int decimals);

// Longest text FormatFixed can produce with 6 decimals: sign, 309 integer digits,
// point, 6 decimals.
constexpr int kFixed6MaxLength = 1 + 309 + 1 + 6;
