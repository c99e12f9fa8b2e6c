#pragma once

// The numbers of the regression calculator's data files.

// Longest text FormatCsvNumber writes (without the terminator).
constexpr int kCsvNumberMaxLength = 1 + 309 + 1 + 6;

// Reads [begin, end) as one number: optional white space and optional double
// quotes around a plain decimal number (sign, digits with at most one ".", an
// optional exponent). Everything else is not a number: other characters before or
// after it, "inf", "nan", hexadecimal texts, and decimals beyond the range of
// doubles (too large, or so small that they would read as 0). Returns 1 and sets
// `value` to the nearest double, or returns 0 and leaves `value` unchanged.
int ParseCsvNumber(const char* begin, const char* end, double& value);

// Writes `value` with six decimals when that text reads back as the same double
// (so that files stay as they always were written), and otherwise as the shortest
// text that does. Returns the length written (at most kCsvNumberMaxLength, with a
// terminator after it), or 0 (an empty text) when `capacity` does not hold the
// longest text with its terminator.
int FormatCsvNumber(char* out, int capacity, double value);
