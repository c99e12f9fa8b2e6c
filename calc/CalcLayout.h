#pragma once

// Geometry of the regression and quadratic calculator windows: a display panel
// over the upper 45% of the client area and a keypad of 19 buttons in five rows
// over the lower 55%. Portable, so the arithmetic is tested natively; the windows
// turn it into GDI calls.

struct SCalcRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

struct CalcPoint {
    int x = 0, y = 0;
};

struct SCalcLayout {
    static constexpr int kButtonCount = 19;
    SCalcRect panel;
    SCalcRect buttons[kButtonCount];
    int labelFontHeight = 0;
    int displayFontHeight = 0;
};

// `displayDivisor` is 7 (regression) or 8 (quadratic): the display font is that
// fraction of the panel's 45%, half as high again when the screen is wider than high.
SCalcLayout ComputeCalcLayout(int clientWidth, int clientHeight, int displayDivisor,
                              bool wideScreen);

// The digit keypad button `index` types, or 0: both calculators keep their digits
// at the same places (7 8 9 / 4 5 6 / 1 2 3 / 0 in the left columns of rows 1-4).
wchar_t KeypadDigit(int index);

// The band of the regression calculator's navigation strip that row y falls in:
// 0 to 4 from the top of the panel (top, height), or -1 below it.
int NavigationBand(int y, int panelTop, int panelHeight);

// A filled arrow of size e centred on (cx, cy), pointing up or down: a shaft a
// third of the head's width from the base row (e/2 behind the centre) to the head
// row (3e/5 further on), a head 4e/5 wide there, and the tip e/2 beyond the centre.
void ArrowPolygon(int cx, int cy, int size, bool up, CalcPoint (&points)[7]);
