#include "scientific/app/KeyActions.h"

namespace {

constexpr int kNoDigit = -1;

constexpr SKeyAction Nothing() {
    return SKeyAction{EKeyAction::None, EKeyCategory::Digit, 0, kNoDigit};
}
constexpr SKeyAction Quit() {
    return SKeyAction{EKeyAction::Quit, EKeyCategory::Digit, 0, kNoDigit};
}
constexpr SKeyAction Entry(EKeyCategory category, int index, int fallbackDigit = kNoDigit) {
    return SKeyAction{EKeyAction::Core, category, index, fallbackDigit};
}
constexpr SKeyAction Digit(int index) {
    return Entry(EKeyCategory::Digit, index);
}
constexpr SKeyAction Operator(int index, int fallbackDigit = kNoDigit) {
    return Entry(EKeyCategory::Operator, index, fallbackDigit);
}
constexpr SKeyAction Function(int index, int fallbackDigit = kNoDigit) {
    return Entry(EKeyCategory::Function, index, fallbackDigit);
}
constexpr SKeyAction Register(int index) {
    return Entry(EKeyCategory::Memory, index);
}
constexpr SKeyAction Base(int base) {
    return Entry(EKeyCategory::Base, base);
}
constexpr SKeyAction Layer(int key) {
    return Entry(EKeyCategory::Layer, key);
}

// One row per key: the action in layers 5 (normal), 0 ("2ndF"), 1 ("Hyp"), 2 ("2ndF"
// with "Hyp") and 3/4 (recall or store pending).
struct SKeyRow {
    SKeyAction normal, second, hyp, secondHyp, pending;
};

constexpr SKeyRow Same(SKeyAction action) {
    return SKeyRow{action, action, action, action, action};
}
constexpr SKeyRow Shifted(SKeyAction normal, SKeyAction second, SKeyAction other) {
    return SKeyRow{normal, second, other, other, other};
}

// Register numbers of the letter keys: 0 "1", 1 "2", 2 "A" … 7 "F".
constexpr int kRegisterA = 2;

constexpr SKeyRow kKeys[kKeyCount] = {
    /* 0 */ Same(Entry(EKeyCategory::Equals, 0)),
    /* 1 */ Same(Operator(5)),
    /* 2 */ Same(Function(kFunctionSign)), // or the minus operator, see KeyActionFor
    /* 3 */ Same(Digit(kDigitPoint)),
    /* 4 */ Same(Digit(0)),
    /* 5 */ Same(Operator(kOperatorMinus)),
    /* 6 */ Same(Operator(0)),
    /* 7 */ Same(Digit(3)),
    /* 8 */ Same(Digit(2)),
    /* 9 */ Same(Digit(1)),
    /* 10 */ Same(Operator(3)),
    /* 11 */ Same(Operator(kOperatorTimes)),
    /* 12 */ Same(Digit(6)),
    /* 13 */ Same(Digit(5)),
    /* 14 */ Same(Digit(4)),
    /* 15 */ Same(Entry(EKeyCategory::Parenthesis, 0)),
    /* 16 */ Same(Entry(EKeyCategory::Parenthesis, 1)),
    /* 17 */ Same(Digit(9)),
    /* 18 */ Same(Digit(8)),
    /* 19 */ Same(Digit(7)),
    /* 20 */ Shifted(Entry(EKeyCategory::Constant, kConstantAnswer), Base(10), Nothing()),
    /* 21 */ Shifted(Entry(EKeyCategory::Constant, 0), Base(2), Nothing()),
    /* 22 */ Same(Register(0)),
    /* 23 */ Same(Register(1)),
    /* 24 */ Same(Layer(kLayerRecall)),
    /* 25 */ Same(Layer(kLayerStore)),
    /* 26 */ Shifted(Operator(4, 15), Base(16), Register(kRegisterA + 5)),
    /* 27 */ Shifted(Function(kFunctionInverse, 14), Base(8), Register(kRegisterA + 4)),
    /* 28 */
    Shifted(Function(kFunctionSquare, 13), Function(kFunctionCube), Register(kRegisterA + 3)),
    /* 29 */ Shifted(Function(15, 12), Function(26), Register(kRegisterA + 2)),
    /* 30 */ Shifted(Function(14, 11), Function(27), Register(kRegisterA + 1)),
    /* 31 */ Shifted(Function(kFunctionPercent, 10), Function(17), Register(kRegisterA)),
    /* 32 */ Shifted(Function(24), Operator(6), Nothing()),
    /* 33 */ Shifted(Function(28), Function(29), Nothing()),
    /* 34 */ SKeyRow{Function(2), Function(5), Function(8), Function(11), Nothing()},
    /* 35 */ SKeyRow{Function(0), Function(3), Function(6), Function(9), Nothing()},
    /* 36 */ SKeyRow{Function(1), Function(4), Function(7), Function(10), Nothing()},
    /* 37 */ Same(Layer(kLayerHyp)),
    /* 38 */ Same(Entry(EKeyCategory::Clear, kClearAll)),
    /* 39 */ Same(Quit()),
    /* 40 */ Same(Entry(EKeyCategory::Clear, kClearBackspace)),
    /* 41 */ Shifted(Function(kFunctionConvertAngle), Function(kFunctionCycleAngle), Nothing()),
    /* 42 */ Shifted(Function(20), Function(19), Nothing()),
    /* 43 */ Same(Layer(kLayerSecond)),
};

constexpr int kKeyPlusMinus = 2;

} // namespace

SKeyAction KeyActionFor(int key, int layer, int plusMinusAsMinus) {
    if (key < 0 || key >= kKeyCount) {
        return Nothing();
    }
    if (key == kKeyPlusMinus && plusMinusAsMinus) {
        return Operator(kOperatorMinus);
    }
    const SKeyRow& row = kKeys[key];
    switch (layer) {
    case kLayerNormal:
        return row.normal;
    case kLayerSecond:
        return row.second;
    case kLayerHyp:
        return row.hyp;
    case kLayerSecondHyp:
        return row.secondHyp;
    default:
        // Recall or store pending, and the core's further layers.
        return row.pending;
    }
}
