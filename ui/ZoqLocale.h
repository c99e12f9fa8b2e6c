#pragma once

// The regional settings the programs show numbers and money with: the decimal
// separator, the thousands separator and the currency symbol. The programs read the
// user's settings (CZoqUserLocale); native tests and fixed outputs use a set of
// texts given up front (CZoqFixedLocale).
class CZoqLocale {
public:
    // Room for any separator or currency symbol the system reports.
    static constexpr int kTextCapacity = 16;

    virtual ~CZoqLocale() = default;

    // Each writes its text into buffer (capacity in characters with the terminator)
    // and returns 1; 0 when the setting cannot be read or does not fit, the buffer
    // then left as it was.
    virtual int GetDecimalSeparator(wchar_t* buffer, int capacity) const = 0;
    virtual int GetThousandsSeparator(wchar_t* buffer, int capacity) const = 0;
    virtual int GetCurrencySymbol(wchar_t* buffer, int capacity) const = 0;

    // The bounded copy the implementations answer with: 0, and buffer untouched, when
    // text is null or does not fit.
    static int CopyText(wchar_t* buffer, int capacity, const wchar_t* text);
};

// A locale of given texts: ".", "," and "$" unless set otherwise.
class CZoqFixedLocale : public CZoqLocale {
public:
    CZoqFixedLocale() = default;
    CZoqFixedLocale(const wchar_t* decimal, const wchar_t* thousands, const wchar_t* currency);

    int GetDecimalSeparator(wchar_t* buffer, int capacity) const override;
    int GetThousandsSeparator(wchar_t* buffer, int capacity) const override;
    int GetCurrencySymbol(wchar_t* buffer, int capacity) const override;

    // Each refuses a null text or one that does not fit kTextCapacity.
    int SetDecimalSeparator(const wchar_t* text);
    int SetThousandsSeparator(const wchar_t* text);
    int SetCurrencySymbol(const wchar_t* text);

private:
    wchar_t m_decimal[kTextCapacity] = L".";
    wchar_t m_thousands[kTextCapacity] = L",";
    wchar_t m_currency[kTextCapacity] = L"$";
};
