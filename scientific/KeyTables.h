#pragma once

// The texts behind the calculator's keys, and the sizes of the texts it keeps.

// A value (X, a stack level, a result): the widest result is a 48-bit word written in
// base 2, so 64 characters hold every value the engine can produce.
constexpr int kValueCapacity = 64;
// A memory register holds decimal text of at most 31 characters.
constexpr int kRegisterCapacity = 32;
constexpr int kRegisterCount = 8;
// The expression line of the Expression mode and each level text of the algebraic modes.
constexpr int kLineCapacity = 512;
// The engine writes results into buffers of this size.
constexpr int kResultCapacity = 256;

// The eleven entry categories of the calculator core.
enum class EKeyCategory {
    Digit = 0,
    Operator = 1,
    Function = 2,
    Parenthesis = 3,
    Memory = 4,
    Equals = 5,
    Constant = 6,
    Layer = 7,
    Clear = 8,
    Clipboard = 9,
    Base = 10,
};
constexpr int kKeyCategoryCount = 11;

constexpr int kDigitPoint = 16;
constexpr int kDigitExponent = 17;
constexpr int kOperatorCount = 18;
constexpr int kOperatorMinus = 1;
constexpr int kOperatorTimes = 2;
constexpr int kFunctionCount = 33;
constexpr int kFunctionConvertAngle = 12;
constexpr int kFunctionCycleAngle = 13;
constexpr int kFunctionSign = 18;
constexpr int kFunctionInverse = 21;
constexpr int kFunctionSquare = 22;
constexpr int kFunctionCube = 23;
constexpr int kFunctionPercent = 30;
constexpr int kConstantCount = 23;
constexpr int kConstantVacuumPermittivity = 22;
constexpr int kConstantAnswer = 99;

constexpr int kClearAll = 0;
constexpr int kClearAllAlgebraic = 1;
constexpr int kClearEntry = 2;
constexpr int kClearBackspace = 3;

// Keypad layers.
constexpr int kLayerSecond = 0;
constexpr int kLayerHyp = 1;
constexpr int kLayerSecondHyp = 2;
constexpr int kLayerRecall = 3;
constexpr int kLayerStore = 4;
constexpr int kLayerNormal = 5;

// The operator character of operator key `index` (0..17), 0 when out of range.
wchar_t OperatorChar(int index);
// The text a function key appends ("cos(" …), null for the two angle keys and out of range.
const wchar_t* FunctionText(int index);
// The text of constant key `index` (0..22), null when out of range.
const wchar_t* ConstantText(int index);
// The digit character of digit key `index` (0..17: 0..9, A..F, ".", "e"), 0 when out of range.
wchar_t DigitChar(int index);
// "BIN", "Base 3" … "HEX" for bases 2..16, null otherwise.
const wchar_t* BaseName(int base);

int IsErrorText(const wchar_t* text);
