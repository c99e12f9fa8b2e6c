#pragma once

// Key-by-key editing of the entry fields of the regression and quadratic
// calculators: zero-terminated texts in fixed buffers whose capacity counts the
// terminator.

// Appends `c` when the text has room for it; 1 when appended, 0 when full.
int AppendChar(wchar_t* text, int capacity, wchar_t c);
// Takes the last character off; 0 when the text is empty.
int EraseLastChar(wchar_t* text);
