#pragma once

// Money texts of the pages: a number text (as the models and FormatNumber write it)
// shown with exactly two digits after the point, cut rather than rounded so that a
// figure never shows more than the model holds, and optionally a currency prefix.

// Writes the normalised form of `number` into `out`: the prefix (may be nullptr),
// the digits, "." when the number has none, at most two digits behind the point,
// padded with "0" to two. A number in exponent form is written out in full first, so
// "9.87654321e-002" shows 0.09 and "1.e+012" 1000000000000.00. A result whose digits
// are all 0 shows without a minus sign. Returns 1, or 0 when `out` is too small (it
// then holds the empty text) or a pointer is missing.
int NormalizeMoney(const wchar_t* number, const wchar_t* prefix, wchar_t* out, int capacity);

// A double with two decimals, rounded to the nearest cent ("%.02f"); values that
// round to zero are written "0.00", never "-0.00". Returns 1, or 0 when the text
// does not fit or the value is not finite (then `out` holds "0.00" if it fits).
int FormatCents(double value, wchar_t* out, int capacity);
