#pragma once

#include "ui/ZoqLocale.h"

// What the display shows for one value: the whole text, the significand of the
// two-line number display and its exponent ("020", "-005", or empty).
struct SDisplayText {
    static constexpr int kCapacity = 96;
    static constexpr int kExponentCapacity = 8;
    wchar_t main[kCapacity] = {};
    wchar_t significand[kCapacity] = {};
    wchar_t exponent[kExponentCapacity] = {};
};

enum class ENotation { Float = 0, Fixed = 1, Scientific = 2, Engineering = 3 };

// Shapes the engine's result texts for the calculator's display: error words, the
// four notations, cut and round to the display width, significand and exponent, and
// the regional separators.
class CDisplayFormatter {
public:
    static constexpr int kDefaultWidth = 13;
    static constexpr int kMinWidth = 4;
    static constexpr int kMaxWidth = 40;
    static constexpr int kDefaultPrecision = 10;
    static constexpr int kSeparatorCapacity = 16;

    explicit CDisplayFormatter(const CZoqLocale& locale);

    // Takes the separators and the currency symbol from the locale again; a setting
    // that cannot be read keeps the previous one.
    void ReadLocale(const CZoqLocale& locale);

    // One shown value, with this formatter's separator setting and width.
    int Format(const wchar_t* value, SDisplayText* out) const;
    int FormatForDisplay(const wchar_t* value, SDisplayText* out, int useSeparators,
                         int width) const;
    // 1 when value is one of the engine's error texts; out then holds the display word.
    int MapErrorText(const wchar_t* value, SDisplayText* out) const;
    // A value that is only shown, not formatted (the digits of another base):
    // "Display too large" when it is longer than the width.
    int FitOrRefuse(const wchar_t* value, SDisplayText* out, int width) const;
    // The text with at most two decimals and at least ".00".
    int MoneyForm(const wchar_t* value, wchar_t* out, int capacity) const;

    int SetNotation(int notation);
    int GetNotation() const { return m_notation; }
    // The `Seperator` setting: 0 period and no grouping, 1 comma and regional grouping.
    int SetSeparator(int separator);
    int GetSeparator() const { return m_separator; }
    int SetWidth(int width);
    int GetWidth() const { return m_width; }
    int SetPrecision(int precision);
    int GetPrecision() const { return m_precision; }
    void SetKeepTrailingPoint(int keep) { m_keepTrailingPoint = keep ? 1 : 0; }
    int GetKeepTrailingPoint() const { return m_keepTrailingPoint; }

    const wchar_t* GetDecimalSeparator() const { return m_decimal; }
    const wchar_t* GetThousandsSeparator() const { return m_thousands; }
    const wchar_t* GetCurrencySymbol() const { return m_currency; }

private:
    int ApplyNotation(const wchar_t* text, wchar_t* out, int capacity, int width) const;
    int FloatForm(const wchar_t* text, wchar_t* out, int capacity, int width) const;
    int FixedForm(const wchar_t* text, wchar_t* out, int capacity, int width) const;
    int ScientificForm(const wchar_t* text, wchar_t* out, int capacity, int width,
                       int engineering) const;
    void Tidy(wchar_t* text, int capacity, int width) const;
    void ApplySeparators(wchar_t* text, int capacity, int width) const;

    wchar_t m_decimal[kSeparatorCapacity] = L".";
    wchar_t m_thousands[kSeparatorCapacity] = L",";
    wchar_t m_currency[kSeparatorCapacity] = L"$";
    int m_notation = 0;
    int m_separator = 0;
    int m_keepTrailingPoint = 1;
    int m_width = kDefaultWidth;
    int m_precision = kDefaultPrecision;
};
