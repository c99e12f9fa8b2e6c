#pragma once

// The regional settings the display formatter needs: decimal separator, thousands
// separator and currency symbol. The programs read them from the system
// (CSystemLocale); tests and the command line use a fixed, settable set.
class CNumoraLocale {
public:
    virtual ~CNumoraLocale() = default;
    // Each writes the text into buffer (capacity in characters with the terminator);
    // 0 when the setting cannot be read or does not fit.
    virtual int GetDecimalSeparator(wchar_t* buffer, int capacity) const = 0;
    virtual int GetThousandsSeparator(wchar_t* buffer, int capacity) const = 0;
    virtual int GetCurrencySymbol(wchar_t* buffer, int capacity) const = 0;
};

class CFixedLocale : public CNumoraLocale {
public:
    static constexpr int kCapacity = 16;

    CFixedLocale();
    CFixedLocale(const wchar_t* decimal, const wchar_t* thousands, const wchar_t* currency);

    int GetDecimalSeparator(wchar_t* buffer, int capacity) const override;
    int GetThousandsSeparator(wchar_t* buffer, int capacity) const override;
    int GetCurrencySymbol(wchar_t* buffer, int capacity) const override;

    int SetDecimalSeparator(const wchar_t* text);
    int SetThousandsSeparator(const wchar_t* text);
    int SetCurrencySymbol(const wchar_t* text);

private:
    wchar_t m_decimal[kCapacity] = L".";
    wchar_t m_thousands[kCapacity] = L",";
    wchar_t m_currency[kCapacity] = L"$";
};
