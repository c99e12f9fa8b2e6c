#include "ui/ZoqLocale.h"

int CZoqLocale::CopyText(wchar_t* buffer, int capacity, const wchar_t* text) {
    if (!buffer || !text || capacity <= 0) {
        return 0;
    }
    int length = 0;
    while (text[length]) {
        if (++length >= capacity) {
            return 0;
        }
    }
    for (int i = 0; i <= length; ++i) {
        buffer[i] = text[i];
    }
    return 1;
}

CZoqFixedLocale::CZoqFixedLocale(const wchar_t* decimal, const wchar_t* thousands,
                                 const wchar_t* currency) {
    SetDecimalSeparator(decimal);
    SetThousandsSeparator(thousands);
    SetCurrencySymbol(currency);
}

int CZoqFixedLocale::GetDecimalSeparator(wchar_t* buffer, int capacity) const {
    return CopyText(buffer, capacity, m_decimal);
}

int CZoqFixedLocale::GetThousandsSeparator(wchar_t* buffer, int capacity) const {
    return CopyText(buffer, capacity, m_thousands);
}

int CZoqFixedLocale::GetCurrencySymbol(wchar_t* buffer, int capacity) const {
    return CopyText(buffer, capacity, m_currency);
}

int CZoqFixedLocale::SetDecimalSeparator(const wchar_t* text) {
    return CopyText(m_decimal, kTextCapacity, text);
}

int CZoqFixedLocale::SetThousandsSeparator(const wchar_t* text) {
    return CopyText(m_thousands, kTextCapacity, text);
}

int CZoqFixedLocale::SetCurrencySymbol(const wchar_t* text) {
    return CopyText(m_currency, kTextCapacity, text);
}
