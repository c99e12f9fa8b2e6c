#include "regression/CsvNumber.h"

#include "calc/NumberText.h"

#include <charconv>
#include <cstring>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

void Trim(const char*& begin, const char*& end) {
    while (begin < end && IsBlank(*begin)) {
        ++begin;
    }
    while (end > begin && IsBlank(end[-1])) {
        --end;
    }
}

const char* SkipDigits(const char* p, const char* end) {
    while (p < end && IsDigit(*p)) {
        ++p;
    }
    return p;
}

// The decimal syntax alone: the library's conversion would also take "inf", "nan"
// and a leading "0x" as far as it goes.
bool IsPlainDecimal(const char* p, const char* end) {
    if (p < end && (*p == '+' || *p == '-')) {
        ++p;
    }
    const char* digits = p;
    p = SkipDigits(p, end);
    int mantissaDigits = static_cast<int>(p - digits);
    if (p < end && *p == '.') {
        const char* fraction = ++p;
        p = SkipDigits(p, end);
        mantissaDigits += static_cast<int>(p - fraction);
    }
    if (mantissaDigits == 0) {
        return false;
    }
    if (p < end && (*p == 'e' || *p == 'E')) {
        ++p;
        if (p < end && (*p == '+' || *p == '-')) {
            ++p;
        }
        const char* exponent = p;
        p = SkipDigits(p, end);
        if (p == exponent) {
            return false;
        }
    }
    return p == end;
}

bool SameDouble(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace

int ParseCsvNumber(const char* begin, const char* end, double& value) {
    if (!begin || !end || end < begin) {
        return 0;
    }
    Trim(begin, end);
    if (end - begin >= 2 && *begin == '"' && end[-1] == '"') {
        ++begin;
        --end;
        Trim(begin, end);
    }
    if (!IsPlainDecimal(begin, end)) {
        return 0;
    }
    // The conversion takes a "-" but not a "+".
    if (*begin == '+') {
        ++begin;
    }
    double converted = 0.0;
    const std::from_chars_result result =
        std::from_chars(begin, end, converted, std::chars_format::general);
    // Out of range: too large for a double, or a non-zero value that would be 0.
    if (result.ec != std::errc() || result.ptr != end) {
        return 0;
    }
    value = converted;
    return 1;
}

int FormatCsvNumber(char* out, int capacity, double value) {
    if (!out || capacity <= kCsvNumberMaxLength) {
        if (out && capacity > 0) {
            out[0] = '\0';
        }
        return 0;
    }
    const int length = FormatFixed(out, capacity, value, 6);
    double back = 0.0;
    if (length > 0 && ParseCsvNumber(out, out + length, back) && SameDouble(back, value)) {
        return length;
    }
    const std::to_chars_result shortest = std::to_chars(out, out + capacity - 1, value);
    if (shortest.ec != std::errc()) {
        out[0] = '\0';
        return 0;
    }
    *shortest.ptr = '\0';
    return static_cast<int>(shortest.ptr - out);
}
