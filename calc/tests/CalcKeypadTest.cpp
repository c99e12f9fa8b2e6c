#include "calc/CalcKeypad.h"
#include "calc/CalcLayout.h"
#include "calc/tests/CalcKeys.h"

#include <gtest/gtest.h>

namespace {

using A = ECalcAction;

// Both programs' window tests tap the buttons by these indices, and the labels of the
// resource scripts stand at them.
TEST(KeypadAction, EveryButtonOfTheKeypad) {
    const struct {
        int index;
        ECalcAction action;
    } cases[] = {
        {-1, A::None},  {0, A::None},       {1, A::None},          {2, A::None},   {3, A::Digit},
        {4, A::Digit},  {5, A::Digit},      {6, A::Clear},         {7, A::Digit},  {8, A::Digit},
        {9, A::Digit},  {10, A::Backspace}, {11, A::Digit},        {12, A::Digit}, {13, A::Digit},
        {14, A::Enter}, {15, A::Digit},     {16, A::DecimalPoint}, {17, A::Sign},  {18, A::Graph},
        {19, A::None},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        EXPECT_EQ(KeypadAction(c.index), c.action);
    }
}

TEST(KeypadAction, DigitButtonsTypeTheirDigit) {
    for (int digit = 0; digit <= 9; ++digit) {
        SCOPED_TRACE(digit);
        EXPECT_EQ(KeypadAction(kDigitButton[digit]), A::Digit);
        EXPECT_EQ(KeypadDigit(kDigitButton[digit]), L'0' + digit);
    }
}

enum class EKey { None, Digit, Erase, Own };

TEST(SharedKeyAction, OnlyListedKeysStandForASharedAction) {
    const SSharedKey<EKey> rows[] = {{EKey::Digit, A::Digit}, {EKey::Erase, A::Backspace}};
    const SCalcKeyboard<EKey> keyboard = {nullptr, nullptr, rows, 2};
    const struct {
        EKey key;
        ECalcAction action;
    } cases[] = {{EKey::Digit, A::Digit},
                 {EKey::Erase, A::Backspace},
                 {EKey::Own, A::None},
                 {EKey::None, A::None}};
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.key));
        EXPECT_EQ(SharedKeyAction(keyboard, c.key), c.action);
    }
}

} // namespace
