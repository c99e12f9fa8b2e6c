#include "financial/app/MoneyText.h"

#include <cmath>
#include <cstdio>
#include <cwchar>

namespace {

// Room for any double written out in full.
constexpr int kWholeCapacity = 320;

// Appends `text` to `out` of length *length; refuses (0) what would not fit.
int AppendBounded(wchar_t* out, int capacity, int* length, const wchar_t* text, int count) {
    if (*length + count >= capacity) {
        return 0;
    }
    wmemcpy(out + *length, text, count);
    *length += count;
    out[*length] = L'\0';
    return 1;
}

// FormatNumber writes values from 0.01 down in exponent form ("9.87654321e-002"):
// such a text is written out as "0.0987654321" so that its cents are cut like any
// other's. Only the digits up to the cents matter, so the fraction stops at
// `capacity`. Returns 1 with `out` holding the fixed form, 1 with `out` empty for a
// number without a negative exponent.
int ExpandNegativeExponent(const wchar_t* number, wchar_t* out, int capacity) {
    out[0] = L'\0';
    const wchar_t* e = wcspbrk(number, L"eE");
    if (!e || e[1] != L'-') {
        return 1;
    }
    const long exponent = wcstol(e + 2, nullptr, 10);
    const wchar_t* p = number;
    int length = 0;
    if (*p == L'-') {
        out[length++] = *p++;
    }
    out[length++] = L'0';
    out[length++] = L'.';
    for (long zeros = 1; zeros < exponent && length + 1 < capacity; ++zeros) {
        out[length++] = L'0';
    }
    for (; p < e && length + 1 < capacity; ++p) {
        if (*p >= L'0' && *p <= L'9') {
            out[length++] = *p;
        }
    }
    out[length] = L'\0';
    return 1;
}

// A number text whose shown digits are all 0 ("-0.00") loses its sign.
void DropNegativeZero(wchar_t* number) {
    if (number[0] == L'-' && !wcspbrk(number, L"123456789")) {
        wmemmove(number, number + 1, wcslen(number));
    }
}

// FormatNumber writes 10^12 and more as "d.ddde+XXX": at twelve significant digits
// such a number is whole, so it is written out as its digits followed by zeros.
// Returns 1 with `out` holding the digits, 1 with `out` empty for a number without a
// positive exponent, 0 when the digits do not fit.
int ExpandPositiveExponent(const wchar_t* number, wchar_t* out, int capacity) {
    out[0] = L'\0';
    const wchar_t* e = wcspbrk(number, L"eE");
    if (!e || e[1] == L'-') {
        return 1;
    }
    const long exponent = wcstol(e + 1, nullptr, 10);
    int length = 0;
    int digits = -1; // digits behind the first one
    for (const wchar_t* p = number; p < e; ++p) {
        if (*p == L'-' || (*p >= L'0' && *p <= L'9')) {
            if (length + 1 >= capacity) {
                return 0;
            }
            out[length++] = *p;
            digits += *p != L'-';
        }
    }
    if (exponent < 0 || exponent < digits || exponent - digits >= capacity - length) {
        return 0;
    }
    for (long zeros = exponent - digits; zeros > 0; --zeros) {
        out[length++] = L'0';
    }
    out[length] = L'\0';
    return 1;
}

} // namespace

int NormalizeMoney(const wchar_t* number, const wchar_t* prefix, wchar_t* out, int capacity) {
    if (!number || !out || capacity <= 0) {
        return 0;
    }
    out[0] = L'\0';
    wchar_t expanded[kWholeCapacity];
    if (!ExpandPositiveExponent(number, expanded, kWholeCapacity)) {
        return 0;
    }
    if (!expanded[0]) {
        ExpandNegativeExponent(number, expanded, kWholeCapacity);
    }
    if (expanded[0]) {
        number = expanded;
    }
    int length = 0;
    int ok = 1;
    if (prefix) {
        ok = AppendBounded(out, capacity, &length, prefix, static_cast<int>(wcslen(prefix)));
    }
    const wchar_t* point = wcschr(number, L'.');
    int whole = point ? static_cast<int>(point - number) : static_cast<int>(wcslen(number));
    ok = ok && AppendBounded(out, capacity, &length, number, whole);
    ok = ok && AppendBounded(out, capacity, &length, L".", 1);
    int decimals = 0;
    if (point) {
        for (const wchar_t* p = point + 1; *p >= L'0' && *p <= L'9' && decimals < 2; ++p) {
            ok = ok && AppendBounded(out, capacity, &length, p, 1);
            ++decimals;
        }
    }
    for (; decimals < 2; ++decimals) {
        ok = ok && AppendBounded(out, capacity, &length, L"0", 1);
    }
    if (!ok) {
        out[0] = L'\0';
    }
    if (ok) {
        DropNegativeZero(out + (prefix ? wcslen(prefix) : 0));
    }
    return ok;
}

int FormatCents(double value, wchar_t* out, int capacity) {
    if (!out || capacity <= 0) {
        return 0;
    }
    int finite = std::isfinite(value);
    if (!finite || std::fabs(value) < 0.005) {
        value = 0.0;
    }
    int written = swprintf(out, static_cast<size_t>(capacity), L"%.2f", value);
    if (written < 0 || written >= capacity) {
        out[0] = L'\0';
        return 0;
    }
    return finite;
}
