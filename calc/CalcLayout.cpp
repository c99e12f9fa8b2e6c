#include "calc/CalcLayout.h"

namespace {

SCalcRect Rect(int left, int top, int width, int height) {
    return SCalcRect{left, top, left + width, top + height};
}

} // namespace

SCalcLayout ComputeCalcLayout(int width, int height, int displayDivisor, bool wideScreen) {
    SCalcLayout layout;
    const double displayPart = height * 0.45;
    const double keypadPart = height * 0.55;
    layout.panel = SCalcRect{4, 4, width - 4, static_cast<int>(displayPart) - 4};

    const int keypadTop = height - static_cast<int>(keypadPart);
    const int buttonHeight = (static_cast<int>(keypadPart) - 10) / 5;
    const int wideButton = (width - 6) / 3;
    const int narrowButton = (width - 8) / 4;
    for (int i = 0; i < 3; ++i) {
        layout.buttons[i] = Rect(1 + i * (wideButton + 2), keypadTop + 1, wideButton, buttonHeight);
    }
    for (int i = 3; i < SCalcLayout::kButtonCount; ++i) {
        const int row = 1 + (i - 3) / 4;
        const int column = (i - 3) % 4;
        layout.buttons[i] =
            Rect(1 + column * (narrowButton + 2), keypadTop + row * (buttonHeight + 2) + 1,
                 narrowButton, buttonHeight);
    }

    layout.labelFontHeight = static_cast<int>(keypadPart * 2 / 17);
    int display = static_cast<int>(displayPart / (displayDivisor > 0 ? displayDivisor : 1));
    if (wideScreen) {
        display = display * 3 / 2;
    }
    layout.displayFontHeight = display;
    return layout;
}

wchar_t KeypadDigit(int index) {
    constexpr wchar_t kDigits[SCalcLayout::kButtonCount] = {
        0, 0, 0, '7', '8', '9', 0, '4', '5', '6', 0, '1', '2', '3', 0, '0', 0, 0, 0};
    return index >= 0 && index < SCalcLayout::kButtonCount ? kDigits[index] : 0;
}

int NavigationBand(int y, int panelTop, int panelHeight) {
    for (int band = 0; band < 5; ++band) {
        if (y < panelTop + panelHeight * (band + 1) / 5) {
            return band;
        }
    }
    return -1;
}

void ArrowPolygon(int cx, int cy, int size, bool up, CalcPoint (&points)[7]) {
    const int toTip = up ? -1 : 1;
    const int head = size * 4 / 5;
    const int shaft = head / 3;
    const int baseRow = cy - toTip * size / 2;
    const int headRow = baseRow + toTip * size * 3 / 5;
    const int tipRow = cy + toTip * size / 2;
    points[0] = {cx - shaft / 2, baseRow};
    points[1] = {cx - shaft / 2, headRow};
    points[2] = {cx - head / 2, headRow};
    points[3] = {cx, tipRow};
    points[4] = {cx + head / 2, headRow};
    points[5] = {cx + shaft / 2, headRow};
    points[6] = {cx + shaft / 2, baseRow};
}
