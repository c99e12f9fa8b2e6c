#include "financial/models/FinancialText.h"

#include "ui/ZoqString.h"

#include <cwchar>

int CopyFittingText(const wchar_t* source, wchar_t* text, int capacity) {
    if (!source || !text || capacity <= 0) {
        return 0;
    }
    const size_t length = std::wcslen(source);
    if (length + 1 > static_cast<size_t>(capacity)) {
        return 0;
    }
    std::wmemcpy(text, source, length + 1);
    return 1;
}

int WriteIntText(int value, wchar_t* text, int capacity) {
    wchar_t reversed[16];
    int count = 0;
    // Work in the negative range so that INT_MIN has a magnitude too.
    int rest = value < 0 ? value : -value;
    do {
        reversed[count++] = static_cast<wchar_t>(L'0' - rest % 10);
        rest /= 10;
    } while (rest != 0);
    wchar_t digits[16];
    int length = 0;
    if (value < 0) {
        digits[length++] = L'-';
    }
    while (count > 0) {
        digits[length++] = reversed[--count];
    }
    digits[length] = 0;
    return CopyFittingText(digits, text, capacity);
}

// The 12 significant digits both field texts start from; 0 when there is nothing to
// write (no buffer, or a value the fields do not hold).
static int FormatFieldValue(double value, const wchar_t* text,
                            wchar_t (&formatted)[CZoqString::kNumberCapacity]) {
    if (!text || !IsFieldValue(value)) {
        return 0;
    }
    return CZoqString::GetInstance()->FormatNumber(formatted, value, 12) ? 1 : 0;
}

int WriteFieldText(double value, wchar_t* text, int capacity) {
    wchar_t formatted[CZoqString::kNumberCapacity];
    if (!FormatFieldValue(value, text, formatted)) {
        return 0;
    }
    return CopyFittingText(formatted, text, capacity);
}

// "d.ddde-XXX" becomes "0." followed by XXX - 1 zeros and the digits d ddd: the same
// as deleting the point and putting "0." in front XXX times.
static int WriteWithoutExponent(const wchar_t* formatted, wchar_t* text, int capacity) {
    const size_t length = std::wcslen(formatted);
    if (length < 6 || formatted[length - 5] != L'e' || formatted[length - 4] != L'-') {
        return 0;
    }
    int exponent = 0;
    for (size_t i = length - 3; i < length; ++i) {
        exponent = exponent * 10 + (formatted[i] - L'0');
    }
    // Room for the smallest double's 323 zeros and its digits.
    wchar_t plain[400];
    int used = 0;
    plain[used++] = L'0';
    plain[used++] = L'.';
    for (int i = 1; i < exponent; ++i) {
        plain[used++] = L'0';
    }
    for (size_t i = 0; i + 5 < length; ++i) {
        if (i != 1) {
            plain[used++] = formatted[i];
        }
    }
    plain[used] = 0;
    return CopyFittingText(plain, text, capacity);
}

int WriteExponentFreeFieldText(double value, wchar_t* text, int capacity) {
    wchar_t formatted[CZoqString::kNumberCapacity];
    if (!FormatFieldValue(value, text, formatted)) {
        return 0;
    }
    if (std::wcschr(formatted, L'e')) {
        return WriteWithoutExponent(formatted, text, capacity);
    }
    return CopyFittingText(formatted, text, capacity);
}
