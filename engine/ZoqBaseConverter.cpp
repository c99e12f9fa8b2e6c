#include "engine/ZoqBaseConverter.h"

#include "engine/ZoqConvert.h"
#include "engine/ZoqMath.h"
#include "engine/ZoqStoreValue.h"

#include <cmath>
#include <cstdint>

namespace {

constexpr double kTwoPow60 = 1152921504606846976.0;
// Results are reduced into the bit width by at most this many additions or
// subtractions of 2^bits; a value further out becomes 0.
constexpr int64_t kMaxReductions = 10000;

bool IsBase(int base) {
    return base >= 2 && base <= 36;
}

// Writes the decimal text of a non-negative integer; returns its length.
int WriteDecimal(int64_t value, wchar_t* output) {
    wchar_t reversed[20];
    int count = 0;
    do {
        reversed[count++] = static_cast<wchar_t>(L'0' + value % 10);
        value /= 10;
    } while (value != 0);
    for (int i = 0; i < count; ++i)
        output[i] = reversed[count - 1 - i];
    output[count] = L'\0';
    return count;
}

int64_t SaturatingMultiply(int64_t a, int64_t b) {
    int64_t product;
    if (__builtin_mul_overflow(a, b, &product))
        return INT64_MAX; // both factors are non-negative here
    return product;
}

int64_t SaturatingAdd(int64_t a, int64_t b) {
    int64_t sum;
    if (__builtin_add_overflow(a, b, &sum))
        return INT64_MAX;
    return sum;
}

int64_t ReduceToWidth(int64_t v, int bits) {
    const int64_t modulus = int64_t{1} << bits;
    if (v >= modulus) {
        if (v / modulus > kMaxReductions)
            return 0;
        return v % modulus;
    }
    if (v < 0) {
        // -(v + 1) avoids negating the most negative value.
        int64_t steps = (-(v + 1)) / modulus + 1;
        if (steps > kMaxReductions)
            return 0;
        return v + steps * modulus;
    }
    return v;
}

} // namespace

CZoqBaseConverter::CZoqBaseConverter() = default;

int CZoqBaseConverter::SetBits(int bits) {
    return ZoqStoreWithin(bits, kMinBits, kMaxBits, &m_bits);
}

int CZoqBaseConverter::DigitValue(wchar_t ch) {
    if (ch >= L'0' && ch <= L'9')
        return ch - L'0';
    if (ch >= L'A' && ch <= L'Z')
        return ch - L'A' + 10;
    return -1;
}

int CZoqBaseConverter::RunToDecimal(int base, const wchar_t* digits, int length, wchar_t* output) {
    int64_t sum = 0;
    for (int position = 0; position < length; ++position) {
        // The place value is computed in double and truncated, as the calculator
        // always did; runs beyond the 64-bit range saturate instead of wrapping.
        double place = ZoqPower(static_cast<double>(base), length - 1 - position);
        int64_t term = SaturatingMultiply(DigitValue(digits[position]), ZoqTruncateToInt64(place));
        sum = SaturatingAdd(sum, term);
    }
    return WriteDecimal(sum, output);
}

int CZoqBaseConverter::DigitsToDecimal(int base, const wchar_t* digits, wchar_t* output) {
    if (!digits || !output || !IsBase(base))
        return 0;
    int length = 0;
    for (; digits[length] != L'\0'; ++length) {
        if (DigitValue(digits[length]) < 0)
            return 0;
    }
    RunToDecimal(base, digits, length, output);
    return 1;
}

int CZoqBaseConverter::ExpressionToDecimal(int base, const wchar_t* input, wchar_t* output,
                                           int capacity) {
    if (!input || !output || capacity <= 0 || !IsBase(base))
        return 0;
    int length = 0;
    auto fail = [&]() {
        output[0] = L'\0';
        return 0;
    };
    const wchar_t* p = input;
    // A leading "-" is the sign of the whole text, never a digit's neighbour.
    if (*p == L'-') {
        if (capacity < 2)
            return fail();
        output[length++] = L'-';
        ++p;
    }
    const wchar_t* run = p;
    for (;; ++p) {
        if (DigitValue(*p) >= 0)
            continue;
        if (p > run) {
            wchar_t decimal[kDecimalCapacity];
            int n = RunToDecimal(base, run, static_cast<int>(p - run), decimal);
            if (length + n >= capacity)
                return fail();
            for (int i = 0; i < n; ++i)
                output[length++] = decimal[i];
        }
        if (*p == L'\0')
            break;
        if (length + 1 >= capacity)
            return fail();
        output[length++] = *p;
        run = p + 1;
    }
    output[length] = L'\0';
    return 1;
}

int CZoqBaseConverter::DecimalToBase(int base, double value, wchar_t* output) {
    if (!output || !IsBase(base))
        return 0;
    int64_t v = value > kTwoPow60 ? 0 : ZoqTruncateToInt64(value);
    v = ReduceToWidth(v, m_bits);
    wchar_t reversed[kMaxBits + 1];
    int count = 0;
    for (;;) {
        int64_t digit = v % base;
        DigitToText(static_cast<int>(digit), reversed + count);
        ++count;
        if (v == digit)
            break;
        v = (v - digit) / base;
    }
    for (int i = 0; i < count; ++i)
        output[i] = reversed[count - 1 - i];
    output[count] = L'\0';
    return 1;
}

int CZoqBaseConverter::DigitToText(int value, wchar_t* output) {
    if (!output || value < 0 || value > 35)
        return 0;
    output[0] = static_cast<wchar_t>(value > 9 ? 55 + value : L'0' + value);
    output[1] = L'\0';
    return 1;
}

const wchar_t* CZoqBaseConverter::BaseName(int base) {
    static const wchar_t* const kNames[] = {
        L"BIN",     L"Base 3",  L"Base 4",  L"Base 5",  L"Base 6",  L"Base 7",  L"OCT", L"Base 9",
        L"Decimal", L"Base 11", L"Base 12", L"Base 13", L"Base 14", L"Base 15", L"HEX"};
    if (base < 2 || base > 16)
        return L"";
    return kNames[base - 2];
}
