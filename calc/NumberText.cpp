#include "calc/NumberText.h"

#include <charconv>

namespace {

int Fail(char* out, int capacity) {
    if (out && capacity > 0) {
        out[0] = '\0';
    }
    return 0;
}

int Convert(char* out, int capacity, double value, std::chars_format format, int precision) {
    if (!out || capacity <= 0 || precision < 0) {
        return Fail(out, capacity);
    }
    // Keep room for the terminator.
    const std::to_chars_result result =
        std::to_chars(out, out + capacity - 1, value, format, precision);
    if (result.ec != std::errc()) {
        return Fail(out, capacity);
    }
    *result.ptr = '\0';
    return static_cast<int>(result.ptr - out);
}

int Widen(wchar_t* out, int capacity, const char* narrow, int length) {
    if (length <= 0 || !out || length >= capacity) {
        if (out && capacity > 0) {
            out[0] = L'\0';
        }
        return 0;
    }
    for (int i = 0; i <= length; ++i) {
        out[i] = static_cast<wchar_t>(static_cast<unsigned char>(narrow[i]));
    }
    return length;
}

} // namespace

int FormatGeneral(char* out, int capacity, double value, int digits) {
    // printf treats a precision of 0 as 1 for "%g"; to_chars does the same.
    return Convert(out, capacity, value, std::chars_format::general, digits);
}

int FormatFixed(char* out, int capacity, double value, int decimals) {
    return Convert(out, capacity, value, std::chars_format::fixed, decimals);
}

int FormatGeneral(wchar_t* out, int capacity, double value, int digits) {
    char narrow[64];
    return Widen(out, capacity, narrow, FormatGeneral(narrow, sizeof narrow, value, digits));
}

int FormatFixed(wchar_t* out, int capacity, double value, int decimals) {
    char narrow[kFixed6MaxLength + 64];
    return Widen(out, capacity, narrow, FormatFixed(narrow, sizeof narrow, value, decimals));
}
