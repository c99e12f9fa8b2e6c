#pragma once

#include "scientific/NumoraLocale.h"

// The user's regional settings as the system reports them (Windows only).
class CSystemLocale : public CNumoraLocale {
public:
    int GetDecimalSeparator(wchar_t* buffer, int capacity) const override;
    int GetThousandsSeparator(wchar_t* buffer, int capacity) const override;
    int GetCurrencySymbol(wchar_t* buffer, int capacity) const override;
};
