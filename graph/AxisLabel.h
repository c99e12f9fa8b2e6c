#pragma once

#include <cstddef>

// Short label text of an axis end value: the number at 12 significant digits, cut to a few
// characters so that four labels fit on a handheld screen.
// Writes at most capacity characters (terminator included); returns 1, or 0 when out is null
// or capacity is 0.
int FormatAxisLabel(double value, wchar_t* out, size_t capacity);

// The shortening rules alone, applied in place to a text as FormatNumber writes it.
void ShortenAxisLabel(wchar_t* text);
