#include "engine/ZoqBaseConverter.h"

#include "ui/ZoqString.h"

CZoqBaseConverter::CZoqBaseConverter() : m_string(*CZoqString::GetInstance()) {}

int CZoqBaseConverter::SetBits(int bits) {
    if (bits < kMinBits || bits > kMaxBits)
        return 0;
    m_bits = bits;
    return 1;
}

int CZoqBaseConverter::ExpressionToDecimal(int, const wchar_t*, wchar_t*, int) {
    return 0;
}
int CZoqBaseConverter::DigitsToDecimal(int, const wchar_t*, wchar_t*) {
    return 0;
}
int CZoqBaseConverter::DecimalToBase(int, double, wchar_t*) {
    return 0;
}
int CZoqBaseConverter::DigitToText(int, wchar_t*) {
    return 0;
}
const wchar_t* CZoqBaseConverter::BaseName(int) {
    return L"";
}
int CZoqBaseConverter::DigitValue(wchar_t) {
    return -1;
}
int CZoqBaseConverter::RunToDecimal(int, const wchar_t*, int, wchar_t*) {
    return 0;
}
