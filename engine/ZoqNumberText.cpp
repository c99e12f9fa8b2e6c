#include "engine/ZoqNumberText.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <system_error>

namespace {

using u128 = unsigned __int128;

// Exactly representable powers of ten.
constexpr double kPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                             1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

constexpr uint64_t kPow10Int[] = {1ull,
                                  10ull,
                                  100ull,
                                  1000ull,
                                  10000ull,
                                  100000ull,
                                  1000000ull,
                                  10000000ull,
                                  100000000ull,
                                  1000000000ull,
                                  10000000000ull,
                                  100000000000ull,
                                  1000000000000ull,
                                  10000000000000ull,
                                  100000000000000ull,
                                  1000000000000000ull,
                                  10000000000000000ull,
                                  100000000000000000ull,
                                  1000000000000000000ull,
                                  10000000000000000000ull};

constexpr int kMaxPow5 = 27; // 5^27 is the largest power of five below 2^64

constexpr uint64_t Pow5(int k) {
    uint64_t p = 1;
    for (int i = 0; i < k; ++i)
        p *= 5;
    return p;
}

struct CPow5Table {
    uint64_t value[kMaxPow5 + 1];
    constexpr CPow5Table() : value() {
        for (int k = 0; k <= kMaxPow5; ++k)
            value[k] = Pow5(k);
    }
};
constexpr CPow5Table kPow5;

// The significant digits of a positive finite value rounded to `count` digits, and the
// decimal exponent of the rounded value.
struct CDecimal {
    char digits[kZoqMaxDigits + 1];
    int exponent;
};

int FloorLog10Pow2(int e) {
    // floor(e * log10(2)) for |e| < 1700, in integers so that it is exact.
    return static_cast<int>((static_cast<int64_t>(e) * 78913) >> 18);
}

// floor(m * 2^e * 10^k) and how the dropped part compares with one half (-1, 0, 1).
// Returns false when the exact product does not fit the 128-bit arithmetic.
bool ScaleExact(uint64_t m, int e, int k, uint64_t* quotient, int* half) {
    if (k >= 0) {
        if (k > kMaxPow5)
            return false;
        // m * 10^k * 2^e = m * 5^k * 2^(e + k)
        u128 x = static_cast<u128>(m) * kPow5.value[k];
        int shift = e + k;
        if (shift >= 0) {
            if (shift >= 64 || (x >> (127 - shift)) != 0)
                return false;
            x <<= shift;
            if (x >> 64)
                return false;
            *quotient = static_cast<uint64_t>(x);
            *half = -1;
            return true;
        }
        int t = -shift;
        if (t >= 127)
            return false;
        u128 q = x >> t;
        if (q >> 64)
            return false;
        u128 rest = x - (q << t);
        u128 halfUnit = static_cast<u128>(1) << (t - 1);
        *quotient = static_cast<uint64_t>(q);
        *half = rest < halfUnit ? -1 : (rest == halfUnit ? 0 : 1);
        return true;
    }
    int j = -k;
    if (j > kMaxPow5)
        return false;
    // m * 2^e / 10^j = (m * 2^(e - j)) / 5^j, or m / (5^j * 2^(j - e))
    u128 numerator = m;
    u128 denominator = kPow5.value[j];
    int shift = e - j;
    if (shift >= 0) {
        if (shift > 74)
            return false;
        numerator <<= shift;
    } else {
        if (-shift > 63)
            return false;
        denominator <<= -shift;
    }
    u128 q = numerator / denominator;
    if (q >> 64)
        return false;
    u128 rest = numerator - q * denominator;
    *quotient = static_cast<uint64_t>(q);
    u128 twice = rest * 2;
    *half = twice < denominator ? -1 : (twice == denominator ? 0 : 1);
    return true;
}

constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

void WriteDigits(uint64_t q, int count, char* out) {
    int i = count;
    // Two digits per division: this is the hot loop of every result text.
    while (i >= 2) {
        unsigned pair = static_cast<unsigned>(q % 100);
        q /= 100;
        out[--i] = kDigitPairs[2 * pair + 1];
        out[--i] = kDigitPairs[2 * pair];
    }
    if (i == 1)
        out[0] = static_cast<char>('0' + q % 10);
    out[count] = '\0';
}

// Exact digits by 128-bit integer arithmetic; covers every value the calculators
// meet in practice (about 1e-13 to 1e41 at 15 digits).
bool DecimalFast(double v, int count, CDecimal* out) {
    if (count > 17)
        return false;
    uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    int biased = static_cast<int>((bits >> 52) & 0x7FF);
    if (biased == 0)
        return false; // subnormal
    uint64_t m = (bits & ((1ull << 52) - 1)) | (1ull << 52);
    int e = biased - 1075;
    // v lies in [2^(e+52), 2^(e+53)); start from the smaller exponent estimate and
    // correct it against the exact powers of ten where they exist. The loop below
    // corrects whatever is left.
    int exponent = FloorLog10Pow2(e + 52);
    if (exponent >= -1 && exponent < 22) {
        if (v >= kPow10[exponent + 1])
            ++exponent;
    } else if (exponent < -1 && exponent >= -23) {
        if (v * kPow10[-(exponent + 1)] >= 1.0)
            ++exponent;
    }
    for (int attempt = 0; attempt < 3; ++attempt) {
        uint64_t q;
        int half;
        if (!ScaleExact(m, e, count - 1 - exponent, &q, &half))
            return false;
        if (q >= kPow10Int[count]) {
            ++exponent;
            continue;
        }
        if (q < kPow10Int[count - 1]) {
            --exponent;
            continue;
        }
        if (half >= 0)
            ++q; // ties away from zero
        if (q == kPow10Int[count]) {
            q = kPow10Int[count - 1];
            ++exponent;
        }
        WriteDigits(q, count, out->digits);
        out->exponent = exponent;
        return true;
    }
    return false;
}

// Digits from the standard library's exact conversion. With at most 17 digits no
// value outside the fast path's range lies exactly halfway, so its ties-to-even rule
// never differs from ours; longer requests take the exact expansion and round here.
void DecimalExact(double v, int count, CDecimal* out) {
    // The longest exact expansion of a double has 767 significant digits.
    char text[800];
    int precision = count <= 17 ? count - 1 : 780;
    std::to_chars_result r =
        std::to_chars(text, text + sizeof text - 1, v, std::chars_format::scientific, precision);
    *r.ptr = '\0';
    char* mark = std::strchr(text, 'e');
    int exponent = static_cast<int>(std::strtol(mark + 1, nullptr, 10));
    // text: d.ddd...e±x
    char all[800];
    int n = 0;
    for (const char* p = text; p < mark; ++p)
        if (*p != '.')
            all[n++] = *p;
    if (n > count) {
        bool up = all[count] >= '5';
        n = count;
        for (int i = count - 1; up && i >= 0; --i) {
            if (all[i] == '9') {
                all[i] = '0';
            } else {
                ++all[i];
                up = false;
            }
        }
        if (up) {
            all[0] = '1';
            for (int i = 1; i < count; ++i)
                all[i] = '0';
            ++exponent;
        }
    }
    std::memcpy(out->digits, all, static_cast<std::size_t>(count));
    out->digits[count] = '\0';
    out->exponent = exponent;
}

void ToDecimal(double v, int count, CDecimal* out) {
    if (!DecimalFast(v, count, out))
        DecimalExact(v, count, out);
}

// Appends to a bounded 8-bit text; remembers an overflow instead of writing past it.
class CTextSink {
public:
    CTextSink(char* text, int capacity) : m_text(text), m_capacity(capacity) {}
    void Put(char c) {
        if (m_length + 1 < m_capacity)
            m_text[m_length] = c;
        else
            m_overflow = true;
        ++m_length;
    }
    void Put(const char* s, int n) {
        for (int i = 0; i < n; ++i)
            Put(s[i]);
    }
    void Put(const char* s) { Put(s, static_cast<int>(std::strlen(s))); }
    int Finish() {
        if (m_overflow) {
            if (m_capacity > 0)
                m_text[0] = '\0';
            return -1;
        }
        m_text[m_length] = '\0';
        return m_length;
    }

private:
    char* m_text;
    int m_capacity;
    int m_length = 0;
    bool m_overflow = false;
};

int ClampDigits(int digits) {
    if (digits < 1)
        return 1;
    return digits > kZoqMaxDigits ? kZoqMaxDigits : digits;
}

int SignificantLength(const char* digits, int from, int to) {
    while (to > from && digits[to - 1] == '0')
        --to;
    return to;
}

void PutExponent(CTextSink& sink, int exponent) {
    sink.Put('e');
    sink.Put(exponent < 0 ? '-' : '+');
    int magnitude = exponent < 0 ? -exponent : exponent;
    char text[4] = {static_cast<char>('0' + magnitude / 100 % 10),
                    static_cast<char>('0' + magnitude / 10 % 10),
                    static_cast<char>('0' + magnitude % 10), '\0'};
    sink.Put(text, 3);
}

void PutGeneral(CTextSink& sink, double value, int count) {
    if (std::signbit(value) && !(value == 0)) {
        sink.Put('-');
        value = -value;
    }
    if (std::isnan(value)) {
        sink.Put("1.#IND");
        return;
    }
    if (std::isinf(value)) {
        sink.Put("1.#INF");
        return;
    }
    if (value == 0) {
        sink.Put("0.");
        return;
    }
    CDecimal d;
    ToDecimal(value, count, &d);
    int e = d.exponent;
    if (e < -1 || e > count - 1) {
        sink.Put(d.digits[0]);
        sink.Put('.');
        int end = SignificantLength(d.digits, 1, count);
        sink.Put(d.digits + 1, end - 1);
        PutExponent(sink, e);
        return;
    }
    if (e == -1) {
        sink.Put("0.");
        sink.Put(d.digits, SignificantLength(d.digits, 0, count));
        return;
    }
    sink.Put(d.digits, e + 1);
    sink.Put('.');
    int end = SignificantLength(d.digits, e + 1, count);
    sink.Put(d.digits + e + 1, end - (e + 1));
}

} // namespace

int ZoqGeneralFormat(double value, int digits, char* output, int capacity) {
    if (!output || capacity <= 0)
        return -1;
    CTextSink sink(output, capacity);
    PutGeneral(sink, value, ClampDigits(digits));
    return sink.Finish();
}

int ZoqFormatNumber(double value, int digits, wchar_t* output, int capacity) {
    if (!output || digits < 0)
        return -1;
    if (capacity <= 0)
        return -1;
    int count = ClampDigits(digits);
    bool negative = value < 0;
    double magnitude = std::fabs(value);
    char general[kZoqNumberCapacity];
    CTextSink generalSink(general, sizeof general);
    PutGeneral(generalSink, magnitude, count);
    int c = generalSink.Finish();

    char text[kZoqNumberCapacity + 8];
    CTextSink sink(text, sizeof text);
    if (negative)
        sink.Put('-');
    if (magnitude < 0.1 && magnitude != 0 && c >= 7 && std::strchr(general, 'e')) {
        // d.ddde-0XX: small exponents read better as 0.000ddd.
        int n = (general[c - 3] - '0') * 100 + (general[c - 2] - '0') * 10 + (general[c - 1] - '0');
        if (n + c - 1 < count + 2) {
            sink.Put("0.");
            for (int i = 0; i < n - 1; ++i)
                sink.Put('0');
            sink.Put(general[0]);
            sink.Put(general + 2, c - 7);
        } else {
            sink.Put(general, c);
        }
    } else {
        if (c > 0 && general[c - 1] == '.')
            --c;
        sink.Put(general, c);
    }
    int length = sink.Finish();
    if (length < 0 || length >= capacity) {
        output[0] = L'\0';
        return -1;
    }
    for (int i = 0; i <= length; ++i)
        output[i] = static_cast<wchar_t>(static_cast<unsigned char>(text[i]));
    return length;
}

int ZoqParseDecimal(const char* first, const char* last, double* value) {
    if (!first || !last || !value || first >= last)
        return 0;
    const char* p = first;
    uint64_t mantissa = 0;
    int kept = 0;         // significant digits in the mantissa
    bool dropped = false; // a non-zero digit did not fit the mantissa
    int scale = 0;        // decimal exponent correction of the mantissa
    int mantissaDigits = 0;
    bool point = false;
    for (; p < last; ++p) {
        char c = *p;
        if (c == '.') {
            if (point)
                return 0;
            point = true;
            continue;
        }
        if (c < '0' || c > '9')
            break;
        ++mantissaDigits;
        if (kept < 19) {
            if (kept > 0 || c != '0') {
                mantissa = mantissa * 10 + static_cast<uint64_t>(c - '0');
                ++kept;
            }
            if (point)
                --scale;
        } else {
            if (c != '0')
                dropped = true;
            if (!point)
                ++scale;
        }
    }
    if (mantissaDigits == 0)
        return 0;
    int exponent = 0;
    if (p < last) {
        if (*p != 'e' && *p != 'E')
            return 0;
        ++p;
        bool negative = false;
        if (p < last && (*p == '+' || *p == '-')) {
            negative = *p == '-';
            ++p;
        }
        if (p == last)
            return 0;
        for (; p < last; ++p) {
            if (*p < '0' || *p > '9')
                return 0;
            if (exponent < 100000)
                exponent = exponent * 10 + (*p - '0');
        }
        if (negative)
            exponent = -exponent;
    }
    if (mantissa == 0) {
        *value = 0.0;
        return 1;
    }
    int power = exponent + scale;
    if (!dropped && mantissa <= (1ull << 53) && power >= -22 && power <= 22) {
        // Both factors are exact, so one rounding gives the correctly rounded value.
        double m = static_cast<double>(mantissa);
        *value = power >= 0 ? m * kPow10[power] : m / kPow10[-power];
        return 1;
    }
    double result = 0;
    std::from_chars_result r = std::from_chars(first, last, result, std::chars_format::general);
    if (r.ec == std::errc::result_out_of_range) {
        // Decimal exponent of the leading digit decides between overflow and underflow.
        result = power + kept - 1 > 0 ? HUGE_VAL : 0.0;
    } else if (r.ec != std::errc() || r.ptr != last) {
        return 0;
    }
    *value = result;
    return 1;
}
