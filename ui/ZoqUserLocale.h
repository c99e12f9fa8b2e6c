#pragma once

#include "ui/ZoqLocale.h"

// The user's regional settings: the system's on Windows, read at each call; elsewhere
// the environment's numeric and monetary locale (LC_ALL, LC_NUMERIC, LC_MONETARY,
// LANG), read when the object is made.
class CZoqUserLocale : public CZoqLocale {
public:
    CZoqUserLocale();

    int GetDecimalSeparator(wchar_t* buffer, int capacity) const override;
    int GetThousandsSeparator(wchar_t* buffer, int capacity) const override;
    int GetCurrencySymbol(wchar_t* buffer, int capacity) const override;

private:
#ifndef _WIN32
    wchar_t m_decimal[kTextCapacity] = L".";
    wchar_t m_thousands[kTextCapacity] = L"";
    wchar_t m_currency[kTextCapacity] = L"";
#endif
};
