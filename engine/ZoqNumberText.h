#pragma once

// Conversions between doubles and decimal text shared by the engine and the string
// utility. They never use the C runtime's printf or locale-aware strtod: their output
// would differ between runtimes and they are slow. Results are exact: digits are
// correctly rounded (ties away from zero) and literals are correctly rounded to the
// nearest double.

// Significant digits beyond this count are treated as this count.
constexpr int kZoqMaxDigits = 40;
// Every text of ZoqGeneralFormat and ZoqFormatNumber fits this many characters,
// terminator included.
constexpr int kZoqNumberCapacity = 64;

// The general format of a value with `digits` significant digits (0 counts as 1):
// exponential form d.ddde+XXX when the decimal exponent after rounding is below -1 or
// above digits - 1, else fixed form; trailing zeros after the point are removed and the
// point stays ("123.", "0.5", "5.e-002"). Not-finite values give "1.#INF", "-1.#INF",
// "1.#IND" or "-1.#IND". Returns the text length, or -1 when the capacity is too small
// (the output is then an empty text when capacity > 0).
int ZoqGeneralFormat(double value, int digits, char* output, int capacity);

// The display text of a value (FormatNumber): the general format of |value| with small
// exponents rewritten in fixed form, the trailing point removed and the sign put back.
// Returns the text length, or -1 for a null output, negative digits (output untouched)
// or too small a capacity (output emptied).
int ZoqFormatNumber(double value, int digits, wchar_t* output, int capacity);

// Converts a decimal literal "ddd.ddde+dd" (no sign in front; the point, the fraction,
// the exponent and its sign optional; at least one mantissa digit) that spans exactly
// [first, last). 1 with the value stored when the whole text is such a literal, else 0
// (value untouched). Literals beyond the double range give infinity, below it zero.
int ZoqParseDecimal(const char* first, const char* last, double* value);
