#pragma once

#include <windows.h>

// The "Value at x" box: asks for an x, typed as an expression (say "pi/4" or "-2.5"), and
// evaluates it with the engine. Returns 1 with *x set on OK with a number, 0 on Cancel or
// when the text is no number (the box stays open then until it gets one or is cancelled).
int AskGraphX(HWND owner, HINSTANCE instance, double* x);
