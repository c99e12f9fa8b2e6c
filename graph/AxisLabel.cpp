#include "graph/AxisLabel.h"

#include "ui/ZoqString.h"

#include <cwchar>

namespace {

constexpr int kLabelDigits = 12;
constexpr size_t kShortMantissa = 6;         // "3.1415"
constexpr size_t kShortNegativeMantissa = 7; // "-3.1415"
constexpr size_t kLongestExponentForm = 10;  // "1.234e-005"

void Erase(wchar_t* text, size_t at, size_t count) {
    std::wmemmove(text + at, text + at + count, std::wcslen(text + at + count) + 1);
}

// Drops up to two leading zeros of the exponent: e-005 becomes e-5. The exponent of a
// positive power keeps its "+" and its zeros.
void StripExponentZeros(wchar_t* exponent) {
    wchar_t* digits = exponent + 1;
    if (*digits == L'-')
        ++digits;
    if (*digits != L'0')
        return;
    Erase(digits, 0, 1);
    if (*digits == L'0')
        Erase(digits, 0, 1);
}

} // namespace

void ShortenAxisLabel(wchar_t* text) {
    const size_t length = std::wcslen(text);
    wchar_t* exponent = std::wcschr(text, L'e');
    if (!exponent) {
        if (length >= 7 && text[1] == L'.')
            text[kShortMantissa] = L'\0';
        else if (length >= 7 && text[0] == L'-' && text[2] == L'.')
            text[kShortNegativeMantissa] = L'\0';
        return;
    }
    if (length < 6)
        return;
    if (length > kLongestExponentForm) {
        const size_t at = static_cast<size_t>(exponent - text);
        size_t cut = length - kLongestExponentForm;
        if (cut > at)
            cut = at;
        Erase(text, at - cut, cut);
        exponent -= cut;
    }
    StripExponentZeros(exponent);
}

int FormatAxisLabel(double value, wchar_t* out, size_t capacity) {
    if (!out || capacity == 0)
        return 0;
    wchar_t text[64] = {};
    CZoqString::GetInstance()->FormatNumber(text, value, kLabelDigits);
    ShortenAxisLabel(text);
    const size_t length = std::wcslen(text);
    const size_t kept = length < capacity ? length : capacity - 1;
    std::wmemcpy(out, text, kept);
    out[kept] = L'\0';
    return 1;
}
