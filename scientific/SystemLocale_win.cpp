#include "scientific/SystemLocale.h"

#include <windows.h>

namespace {

// GetLocaleInfoW counts the terminator in its result and returns 0 when the buffer
// is too small, so a setting that does not fit is reported as unreadable.
int ReadLocaleText(LCTYPE type, wchar_t* buffer, int capacity) {
    if (!buffer || capacity <= 0) {
        return 0;
    }
    return GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buffer, capacity) > 0 ? 1 : 0;
}

} // namespace

int CSystemLocale::GetDecimalSeparator(wchar_t* buffer, int capacity) const {
    return ReadLocaleText(LOCALE_SDECIMAL, buffer, capacity);
}

int CSystemLocale::GetThousandsSeparator(wchar_t* buffer, int capacity) const {
    return ReadLocaleText(LOCALE_STHOUSAND, buffer, capacity);
}

int CSystemLocale::GetCurrencySymbol(wchar_t* buffer, int capacity) const {
    return ReadLocaleText(LOCALE_SCURRENCY, buffer, capacity);
}
