#include "scientific/NumoraLocale.h"

#include "scientific/TextBuffer.h"

CFixedLocale::CFixedLocale() = default;

CFixedLocale::CFixedLocale(const wchar_t* decimal, const wchar_t* thousands,
                           const wchar_t* currency) {
    SetDecimalSeparator(decimal);
    SetThousandsSeparator(thousands);
    SetCurrencySymbol(currency);
}

int CFixedLocale::GetDecimalSeparator(wchar_t* buffer, int capacity) const {
    return TextCopy(buffer, capacity, m_decimal);
}

int CFixedLocale::GetThousandsSeparator(wchar_t* buffer, int capacity) const {
    return TextCopy(buffer, capacity, m_thousands);
}

int CFixedLocale::GetCurrencySymbol(wchar_t* buffer, int capacity) const {
    return TextCopy(buffer, capacity, m_currency);
}

int CFixedLocale::SetDecimalSeparator(const wchar_t* text) {
    return text ? TextCopy(m_decimal, kCapacity, text) : 0;
}

int CFixedLocale::SetThousandsSeparator(const wchar_t* text) {
    return text ? TextCopy(m_thousands, kCapacity, text) : 0;
}

int CFixedLocale::SetCurrencySymbol(const wchar_t* text) {
    return text ? TextCopy(m_currency, kCapacity, text) : 0;
}
