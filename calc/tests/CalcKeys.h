#pragma once

// Keypad button index of each digit, the same in both calculators.
constexpr int kDigitButton[10] = {15, 11, 12, 13, 7, 8, 9, 3, 4, 5};
