#pragma once

#include <windows.h>

// The soft input panel (on-screen keyboard). The desktop has a real keyboard, so the
// panel is only a state, shown by the panel button of the menu bar and readable by
// tests.
class CZoqSip {
public:
    // Raises (raise != 0) or lowers the panel for `hwnd` (may be null). Always 1.
    // What Show takes for `raise`.
    static constexpr int kLower = 0;
    static constexpr int kRaise = 1;
    static int Show(HWND hwnd, int raise);
    static int IsRaised();
};
