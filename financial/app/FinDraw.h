#pragma once

#include <windows.h>

// Text drawing of the financial calculator's pages. Fonts are made once per layout
// (never while painting) and drawn with through these helpers.

enum class TextAlign { Left = 0, Centre = 1, Right = 2 };

// Tahoma of the given cell height and weight (400 normal, 700 bold), ClearType.
HFONT MakeTahoma(int height, int weight, int angleDegrees = 0);

// Draws `text` transparently in `colour` with its top at y: starting at x, centred on
// x or ending at x. Returns the width drawn (0 when there is nothing to draw).
int DrawTextAligned(HDC dc, HFONT font, int x, int y, const wchar_t* text, COLORREF colour,
                    TextAlign align);

// Width and height of a text in a font.
SIZE MeasureText(HDC dc, HFONT font, const wchar_t* text);
