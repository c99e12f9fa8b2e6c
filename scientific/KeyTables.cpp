#include "scientific/KeyTables.h"

#include "scientific/TextBuffer.h"

namespace {

const wchar_t kOperatorChars[kOperatorCount + 1] = L"+-\u00D7\u00F7^ErCPRX<Y&|xn%";

const wchar_t* const kFunctionTexts[kFunctionCount] = {
    L"cos(",  L"sin(",  L"tan(",  L"acos(", L"asin(", L"atan(", L"cosh(", L"sinh(", L"tanh(",
    L"acsh(", L"asnh(", L"atnh(", nullptr,  nullptr,  L"log(",  L"ln(",   L"log2(", L"abs(",
    L"pm(",   L"dc(",   L"dms(",  L"inv(",  L"sqrd(", L"cbd(",  L"sqrt(", L"crt(",  L"e^(",
    L"10^(",  L"!(",    L"sum(",  L"pct(",  L"rand(", L"(",
};

const wchar_t* const kConstantTexts[kConstantCount] = {
    L"(pi)",
    L"(e)",
    L"(299792458)",
    L"(6.6742e-011)",
    L"(9.1093826e-031)",
    L"(1.67262158e-027)",
    L"(1.67492716e-027)",
    L"(1.88353109e-028)",
    L"(6.022141998e+023)",
    L"(1.60217646e-019)",
    L"(7.297352533e-003)",
    L"(5.6705e-008)",
    L"(6.6260693e-034)",
    L"(8.314472)",
    L"(1.3806505e-023)",
    L"(4*pi*10^-7)",
    L"(96485.3415)",
    L"(149597870691)",
    L"(9.80665)",
    L"1.66053886e-027",
    L"X",
    L"",
    L"(8.8541878128e-012)",
};

const wchar_t* const kBaseNames[15] = {
    L"BIN",     L"Base 3",  L"Base 4",  L"Base 5",  L"Base 6",  L"Base 7",  L"OCT", L"Base 9",
    L"Decimal", L"Base 11", L"Base 12", L"Base 13", L"Base 14", L"Base 15", L"HEX",
};

const wchar_t kDigitChars[] = L"0123456789ABCDEF.e";

} // namespace

wchar_t OperatorChar(int index) {
    return index >= 0 && index < kOperatorCount ? kOperatorChars[index] : 0;
}

const wchar_t* FunctionText(int index) {
    return index >= 0 && index < kFunctionCount ? kFunctionTexts[index] : nullptr;
}

const wchar_t* ConstantText(int index) {
    return index >= 0 && index < kConstantCount ? kConstantTexts[index] : nullptr;
}

wchar_t DigitChar(int index) {
    return index >= 0 && index <= kDigitExponent ? kDigitChars[index] : 0;
}

const wchar_t* BaseName(int base) {
    return base >= 2 && base <= 16 ? kBaseNames[base - 2] : nullptr;
}

int IsErrorText(const wchar_t* text) {
    return TextEquals(text, L"syntax error") || TextEquals(text, L"infinity") ||
           TextEquals(text, L"imaginary");
}
