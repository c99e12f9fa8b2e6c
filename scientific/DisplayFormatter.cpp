#include "scientific/DisplayFormatter.h"

#include "scientific/DecimalText.h"
#include "scientific/TextBuffer.h"
#include "engine/ZoqStoreValue.h"

namespace {

constexpr int kWorkCapacity = 160;
constexpr int kExponentPartLength = 5; // "e+020"

struct SErrorWord {
    const wchar_t* engineText;
    const wchar_t* displayWord;
};

const SErrorWord kErrorWords[] = {
    {L"syntax error", L"Syntax Error"},
    {L"infinity", L"Infinity"},
    {L"imaginary", L"Imaginary"},
};

int IsDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

// The engine's own exponent form: [-]d.d…e±DDD. Anything else with an "e" in it is
// rewritten into that form before the notations see it.
int IsCanonicalExponentText(const wchar_t* text) {
    const int length = TextLength(text);
    const int e = TextFindChar(text, L'e');
    return e >= 0 && length - e == kExponentPartLength && TextFindChar(text, L'.') >= 0 &&
           TextFindChar(text, L'.') < e;
}

// Cut to the width and round (texts without an exponent): a following digit 6..9
// rounds the cut text up; anything else, a 5 included, keeps one more character
// (two with a sign), so a rounded-down text may be one character longer than the width.
void CutAndRound(wchar_t* text, int capacity, int width) {
    const int length = TextLength(text);
    if (length < width) {
        return;
    }
    const wchar_t next = length > width ? text[width] : 0;
    if (next >= L'6' && next <= L'9') {
        TextCut(text, width);
        int i = width - 1;
        for (; i >= 0; --i) {
            if (text[i] == L'.' || text[i] == L'-') {
                continue;
            }
            if (text[i] != L'9') {
                ++text[i];
                break;
            }
            text[i] = L'0';
        }
        if (i < 0) {
            TextInsert(text, capacity, text[0] == L'-' ? 1 : 0, L"1");
        }
    } else {
        TextCut(text, width + 1 + (TextFindChar(text, L'-') >= 0 ? 1 : 0));
    }
    if (TextFindChar(text, L'.') >= 0) {
        while (TextLastChar(text) == L'0') {
            TextRemoveLast(text);
        }
    }
}

void RemoveTrailingZerosAfterPoint(wchar_t* text) {
    if (TextFindChar(text, L'.') < 0) {
        return;
    }
    while (TextLastChar(text) == L'0') {
        TextRemoveLast(text);
    }
}

// Inserts `separator` every three digits of the integer digits of `text`.
int GroupThousands(const wchar_t* text, const wchar_t* separator, wchar_t* out, int capacity) {
    int start = text[0] == L'-' ? 1 : 0;
    int end = start;
    while (IsDigit(text[end])) {
        ++end;
    }
    wchar_t grouped[kWorkCapacity] = {};
    if (!TextCopyLeft(grouped, kWorkCapacity, text, start)) {
        return 0;
    }
    for (int i = start; i < end; ++i) {
        if (i > start && (end - i) % 3 == 0 && !TextAppend(grouped, kWorkCapacity, separator)) {
            return 0;
        }
        if (!TextAppendChar(grouped, kWorkCapacity, text[i])) {
            return 0;
        }
    }
    if (!TextAppend(grouped, kWorkCapacity, text + end)) {
        return 0;
    }
    return TextCopy(out, capacity, grouped);
}

int ReplacePoint(wchar_t* text, int capacity, const wchar_t* decimal) {
    const int point = TextFindChar(text, L'.');
    if (point < 0) {
        return 1;
    }
    wchar_t replaced[kWorkCapacity] = {};
    return TextCopyLeft(replaced, kWorkCapacity, text, point) &&
           TextAppend(replaced, kWorkCapacity, decimal) &&
           TextAppend(replaced, kWorkCapacity, text + point + 1) &&
           TextCopy(text, capacity, replaced);
}

} // namespace

CDisplayFormatter::CDisplayFormatter(const CZoqLocale& locale) {
    ReadLocale(locale);
}

void CDisplayFormatter::ReadLocale(const CZoqLocale& locale) {
    wchar_t text[kSeparatorCapacity];
    if (locale.GetDecimalSeparator(text, kSeparatorCapacity) && text[0]) {
        TextCopy(m_decimal, kSeparatorCapacity, text);
    }
    if (locale.GetThousandsSeparator(text, kSeparatorCapacity)) {
        TextCopy(m_thousands, kSeparatorCapacity, text);
    }
    if (locale.GetCurrencySymbol(text, kSeparatorCapacity)) {
        TextCopy(m_currency, kSeparatorCapacity, text);
    }
}

int CDisplayFormatter::SetNotation(int notation) {
    return ZoqStoreWithin(notation, 0, 3, &m_notation);
}

int CDisplayFormatter::SetSeparator(int separator) {
    return ZoqStoreFlag(separator, &m_separator);
}

int CDisplayFormatter::SetWidth(int width) {
    return ZoqStoreWithin(width, kMinWidth, kMaxWidth, &m_width);
}

int CDisplayFormatter::SetPrecision(int precision) {
    return ZoqStoreWithin(precision, 0, 15, &m_precision);
}

int CDisplayFormatter::Format(const wchar_t* value, SDisplayText* out) const {
    return FormatForDisplay(value, out, m_separator, m_width);
}

int CDisplayFormatter::MapErrorText(const wchar_t* value, SDisplayText* out) const {
    for (const SErrorWord& error : kErrorWords) {
        if (TextEquals(value, error.engineText)) {
            TextCopy(out->main, SDisplayText::kCapacity, error.displayWord);
            TextCopy(out->significand, SDisplayText::kCapacity, error.displayWord);
            out->exponent[0] = 0;
            return 1;
        }
    }
    return 0;
}

int CDisplayFormatter::FitOrRefuse(const wchar_t* value, SDisplayText* out, int width) const {
    if (!value || !out) {
        return 0;
    }
    const wchar_t* shown = TextLength(value) > width ? L"Display too large" : value;
    if (!TextCopy(out->main, SDisplayText::kCapacity, shown)) {
        shown = L"Display too large";
        TextCopy(out->main, SDisplayText::kCapacity, shown);
    }
    TextCopy(out->significand, SDisplayText::kCapacity, shown);
    out->exponent[0] = 0;
    return 1;
}

int CDisplayFormatter::MoneyForm(const wchar_t* value, wchar_t* out, int capacity) const {
    if (!value || !out) {
        return 0;
    }
    wchar_t text[kWorkCapacity] = {};
    if (!TextCopy(text, kWorkCapacity, value)) {
        return 0;
    }
    const int point = TextFindChar(text, L'.');
    if (point < 0) {
        if (!TextAppend(text, kWorkCapacity, L".00")) {
            return 0;
        }
    } else {
        TextCut(text, point + 3);
    }
    return TextCopy(out, capacity, text);
}

int CDisplayFormatter::FormatForDisplay(const wchar_t* value, SDisplayText* out, int useSeparators,
                                        int width) const {
    if (!value || !out) {
        return 0;
    }
    if (MapErrorText(value, out)) {
        return 1;
    }
    if (width < kMinWidth) {
        width = kMinWidth;
    } else if (width > kMaxWidth) {
        width = kMaxWidth;
    }
    const wchar_t* source = value[0] ? value : L"0";
    SDecimal number;
    if (!ParseDecimal(source, &number)) {
        // Not a number (a pasted text, say): shown as it is when it fits.
        return FitOrRefuse(source, out, width);
    }
    wchar_t text[kWorkCapacity] = {};
    if (number.hadExponent && !IsCanonicalExponentText(source)) {
        WriteExponentForm(number, 1, text, kWorkCapacity);
    } else {
        TextCopy(text, kWorkCapacity, source);
    }
    if (TextFindChar(text, L'.') < 0) {
        TextAppendChar(text, kWorkCapacity, L'.');
    }
    wchar_t shaped[kWorkCapacity] = {};
    if (!ApplyNotation(text, shaped, kWorkCapacity, width)) {
        return FitOrRefuse(source, out, width);
    }
    Tidy(shaped, kWorkCapacity, width);

    const int e = TextFindChar(shaped, L'e');
    TextCopyLeft(out->significand, SDisplayText::kCapacity, shaped,
                 e >= 0 ? e : TextLength(shaped));
    TextCut(out->significand, e >= 0 ? width - 2 : width);
    out->exponent[0] = 0;
    if (e >= 0) {
        const wchar_t* exponent = shaped + e + 1;
        TextCopy(out->exponent, SDisplayText::kExponentCapacity,
                 exponent[0] == L'+' ? exponent + 1 : exponent);
    }
    if (!TextCopy(out->main, SDisplayText::kCapacity, shaped)) {
        return FitOrRefuse(shaped, out, 0);
    }
    if (useSeparators) {
        ApplySeparators(out->main, SDisplayText::kCapacity, width);
        ApplySeparators(out->significand, SDisplayText::kCapacity, width);
    }
    return 1;
}

int CDisplayFormatter::ApplyNotation(const wchar_t* text, wchar_t* out, int capacity,
                                     int width) const {
    switch (m_notation) {
    case 1:
        return FixedForm(text, out, capacity, width);
    case 2:
        return ScientificForm(text, out, capacity, width, 0);
    case 3:
        return ScientificForm(text, out, capacity, width, 1);
    default:
        return FloatForm(text, out, capacity, width);
    }
}

// Plain text while the value fits the width (one character less for a sign);
// otherwise the Scientific form.
int CDisplayFormatter::FloatForm(const wchar_t* text, wchar_t* out, int capacity, int width) const {
    SDecimal number;
    ParseDecimal(text, &number);
    const int limit = number.negative ? width - 2 : width - 1;
    if (!MagnitudeAtMostPowerOfTen(number, limit)) {
        return ScientificForm(text, out, capacity, width, 0);
    }
    if (!number.hadExponent || number.zero) {
        return TextCopy(out, capacity, text);
    }
    if (number.exponent >= 0) {
        return WritePlainForm(number, PlainDecimals(number), out, capacity);
    }
    // A small value the engine wrote with an exponent is written out as 0.000ddd when
    // all of it, or at least four significant digits, fit the width; smaller values
    // would show as a row of zeros and keep the Scientific form.
    const int leadingZeros = -number.exponent - 1;
    const int plainLength = (number.negative ? 1 : 0) + 2 + leadingZeros + number.count;
    if (plainLength > width && 2 + leadingZeros + 4 > width) {
        return ScientificForm(text, out, capacity, width, 0);
    }
    SDecimal magnitude = number;
    magnitude.negative = 0;
    wchar_t plain[kWorkCapacity] = {};
    if (!WritePlainForm(magnitude, PlainDecimals(magnitude), plain, kWorkCapacity)) {
        return 0;
    }
    TextCut(plain, width);
    out[0] = 0;
    return (!number.negative || TextAppend(out, capacity, L"-")) &&
           TextAppend(out, capacity, plain);
}

// Plain decimals, `precision` of them as far as the width allows, for magnitudes from
// 10^(4-width) up to below 10^(width-1); other values take the Float form.
int CDisplayFormatter::FixedForm(const wchar_t* text, wchar_t* out, int capacity, int width) const {
    SDecimal number;
    ParseDecimal(text, &number);
    if (number.zero || number.exponent < 4 - width || number.exponent > width - 2) {
        return FloatForm(text, out, capacity, width);
    }
    const int sign = number.negative ? 1 : 0;
    const int integerDigits = number.exponent >= 0 ? number.exponent + 1 : 1;
    int decimals = width - 2 - integerDigits - sign;
    if (decimals > m_precision) {
        decimals = m_precision;
    }
    for (; decimals >= 0; --decimals) {
        SDecimal rounded = number;
        RoundDecimal(&rounded, rounded.exponent + 1 + decimals);
        if (!WritePlainForm(rounded, decimals, out, capacity)) {
            return 0;
        }
        // Shorter than the width, so the tidy step keeps its zeros.
        if (TextLength(out) < width) {
            return 1;
        }
    }
    return FloatForm(text, out, capacity, width);
}

// d.ddd e±DDD (Engineering: 1 to 3 digits before the point and an exponent that is a
// multiple of 3), its significand rounded to the width less two.
int CDisplayFormatter::ScientificForm(const wchar_t* text, wchar_t* out, int capacity, int width,
                                      int engineering) const {
    SDecimal number;
    ParseDecimal(text, &number);
    if (number.zero) {
        return TextCopy(out, capacity, text);
    }
    int digits = width - 2 - 1 - (number.negative ? 1 : 0);
    if (digits < 1) {
        digits = 1;
    }
    RoundDecimal(&number, digits);
    int integerDigits = 1;
    if (engineering) {
        integerDigits += ((number.exponent % 3) + 3) % 3;
    }
    return WriteExponentForm(number, integerDigits, out, capacity);
}

void CDisplayFormatter::Tidy(wchar_t* text, int capacity, int width) const {
    if (TextEquals(text, L"0.") && m_keepTrailingPoint) {
        return;
    }
    const int e = TextFindChar(text, L'e');
    if (e < 0) {
        CutAndRound(text, capacity, width);
        if (TextLastChar(text) == L'.' && !m_keepTrailingPoint) {
            TextRemoveLast(text);
        }
        return;
    }
    wchar_t exponent[kExponentPartLength + 1] = {};
    TextCopy(exponent, kExponentPartLength + 1, text + e);
    TextCut(text, e);
    RemoveTrailingZerosAfterPoint(text);
    if (TextLastChar(text) == L'.' && !m_keepTrailingPoint) {
        TextRemoveLast(text);
    }
    if (!TextEquals(exponent, L"e+000") && !TextEquals(exponent, L"e-000")) {
        TextAppend(text, capacity, exponent);
    }
}

// The comma setting shows the decimal separator as a comma, whatever the regional
// decimal separator is, and groups the integer digits with the regional thousands
// separator (a point when the region groups with a comma too, nothing when it does not
// group), as far as the width allows.
void CDisplayFormatter::ApplySeparators(wchar_t* text, int capacity, int width) const {
    const wchar_t* thousands = TextEquals(m_thousands, L",") ? L"." : m_thousands;
    ReplacePoint(text, capacity, L",");
    wchar_t grouped[kWorkCapacity] = {};
    if (!TextIsEmpty(thousands) && GroupThousands(text, thousands, grouped, kWorkCapacity) &&
        TextLength(grouped) <= width + 1) {
        TextCopy(text, capacity, grouped);
    }
}
