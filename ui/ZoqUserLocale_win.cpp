#include "ui/ZoqUserLocale.h"

#include <windows.h>

namespace {

// GetLocaleInfoW counts the terminator in its result and returns 0 when its buffer is
// too small. It reads into a buffer of its own: a failed read must not leave part of
// a text in the caller's, and a text longer than the caller's is refused as a whole.
int ReadLocaleText(LCTYPE type, wchar_t* buffer, int capacity) {
    constexpr int kReadCapacity = 2 * CZoqLocale::kTextCapacity;
    wchar_t text[kReadCapacity];
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, type, text, kReadCapacity) <= 0) {
        return 0;
    }
    return CZoqLocale::CopyText(buffer, capacity, text);
}

} // namespace

CZoqUserLocale::CZoqUserLocale() = default;

int CZoqUserLocale::GetDecimalSeparator(wchar_t* buffer, int capacity) const {
    return ReadLocaleText(LOCALE_SDECIMAL, buffer, capacity);
}

int CZoqUserLocale::GetThousandsSeparator(wchar_t* buffer, int capacity) const {
    return ReadLocaleText(LOCALE_STHOUSAND, buffer, capacity);
}

int CZoqUserLocale::GetCurrencySymbol(wchar_t* buffer, int capacity) const {
    return ReadLocaleText(LOCALE_SCURRENCY, buffer, capacity);
}
