#include "scientific/DecimalText.h"

#include "scientific/TextBuffer.h"

namespace {

int IsDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

void MakeZero(SDecimal* number) {
    number->zero = 1;
    number->digits[0] = '0';
    number->digits[1] = 0;
    number->count = 1;
    number->exponent = 0;
}

void StripTrailingZeros(SDecimal* number) {
    while (number->count > 1 && number->digits[number->count - 1] == '0') {
        number->digits[--number->count] = 0;
    }
}

// The digit of the number at decimal position `power` (10^power).
wchar_t DigitAt(const SDecimal& number, int power) {
    if (number.zero) {
        return L'0';
    }
    const int index = number.exponent - power;
    return index >= 0 && index < number.count ? static_cast<wchar_t>(number.digits[index]) : L'0';
}

} // namespace

int ParseDecimal(const wchar_t* text, SDecimal* number) {
    if (!text || !number) {
        return 0;
    }
    SDecimal parsed;
    int i = 0;
    if (text[i] == L'-') {
        parsed.negative = 1;
        ++i;
    }
    char raw[SDecimal::kMaxDigits + 1];
    int rawCount = 0;
    int integerDigits = -1;
    for (;; ++i) {
        if (IsDigit(text[i])) {
            if (rawCount == SDecimal::kMaxDigits) {
                return 0;
            }
            raw[rawCount++] = static_cast<char>(text[i]);
        } else if (text[i] == L'.' && integerDigits < 0) {
            integerDigits = rawCount;
        } else {
            break;
        }
    }
    if (rawCount == 0) {
        return 0;
    }
    if (integerDigits < 0) {
        integerDigits = rawCount;
    }
    int exponent = 0;
    if (text[i] == L'e') {
        parsed.hadExponent = 1;
        ++i;
        int exponentSign = 1;
        if (text[i] == L'+' || text[i] == L'-') {
            exponentSign = text[i] == L'-' ? -1 : 1;
            ++i;
        }
        int exponentDigits = 0;
        while (IsDigit(text[i])) {
            if (++exponentDigits > 3) {
                return 0;
            }
            exponent = exponent * 10 + (text[i] - L'0');
            ++i;
        }
        if (exponentDigits == 0) {
            return 0;
        }
        exponent *= exponentSign;
    }
    if (text[i] != 0) {
        return 0;
    }
    int lead = 0;
    while (lead < rawCount && raw[lead] == '0') {
        ++lead;
    }
    if (lead == rawCount) {
        MakeZero(&parsed);
        parsed.negative = 0;
    } else {
        parsed.zero = 0;
        parsed.count = rawCount - lead;
        for (int k = 0; k < parsed.count; ++k) {
            parsed.digits[k] = raw[lead + k];
        }
        parsed.digits[parsed.count] = 0;
        parsed.exponent = integerDigits - lead - 1 + exponent;
        StripTrailingZeros(&parsed);
    }
    *number = parsed;
    return 1;
}

void RoundDecimal(SDecimal* number, int keep) {
    if (number->zero || keep >= number->count) {
        return;
    }
    if (keep < 0) {
        keep = 0;
    }
    const int roundUp = number->digits[keep] >= '5';
    number->digits[keep] = 0;
    number->count = keep;
    if (!roundUp) {
        if (keep == 0) {
            MakeZero(number);
            return;
        }
        StripTrailingZeros(number);
        return;
    }
    int i = keep - 1;
    while (i >= 0 && number->digits[i] == '9') {
        number->digits[i] = '0';
        --i;
    }
    if (i >= 0) {
        ++number->digits[i];
    } else {
        // 9.99 -> 10.0: the number gains a digit in front.
        number->digits[0] = '1';
        number->digits[1] = 0;
        number->count = 1;
        ++number->exponent;
    }
    StripTrailingZeros(number);
}

int WriteExponentForm(const SDecimal& number, int integerDigits, wchar_t* out, int capacity) {
    wchar_t text[SDecimal::kMaxDigits + 16];
    int n = 0;
    if (number.negative) {
        text[n++] = L'-';
    }
    const int digitsShown = number.count > integerDigits ? number.count : integerDigits;
    for (int k = 0; k < digitsShown; ++k) {
        if (k == integerDigits) {
            text[n++] = L'.';
        }
        text[n++] = k < number.count ? static_cast<wchar_t>(number.digits[k]) : L'0';
    }
    if (digitsShown == integerDigits) {
        text[n++] = L'.';
    }
    int exponent = number.zero ? 0 : number.exponent - (integerDigits - 1);
    text[n++] = L'e';
    text[n++] = exponent < 0 ? L'-' : L'+';
    if (exponent < 0) {
        exponent = -exponent;
    }
    if (exponent > 999) {
        return 0;
    }
    text[n++] = static_cast<wchar_t>(L'0' + exponent / 100);
    text[n++] = static_cast<wchar_t>(L'0' + exponent / 10 % 10);
    text[n++] = static_cast<wchar_t>(L'0' + exponent % 10);
    text[n] = 0;
    return TextCopy(out, capacity, text);
}

int WritePlainForm(const SDecimal& number, int decimals, wchar_t* out, int capacity) {
    const int highest = number.zero || number.exponent < 0 ? 0 : number.exponent;
    if (decimals < 0 || highest + decimals > 4 * SDecimal::kMaxDigits) {
        return 0;
    }
    wchar_t text[5 * SDecimal::kMaxDigits];
    int n = 0;
    if (number.negative && !number.zero) {
        text[n++] = L'-';
    }
    for (int power = highest; power >= 0; --power) {
        text[n++] = DigitAt(number, power);
    }
    text[n++] = L'.';
    for (int power = -1; power >= -decimals; --power) {
        text[n++] = DigitAt(number, power);
    }
    text[n] = 0;
    return TextCopy(out, capacity, text);
}

int PlainDecimals(const SDecimal& number) {
    const int decimals = number.count - 1 - number.exponent;
    return number.zero || decimals < 0 ? 0 : decimals;
}

int MagnitudeAtMostPowerOfTen(const SDecimal& number, int power) {
    if (number.zero || number.exponent < power) {
        return 1;
    }
    return number.exponent == power && number.count == 1 && number.digits[0] == '1';
}
