#include "ui/ZoqUserLocale.h"

#include <clocale>
#include <cstdlib>
#include <string>

namespace {

// A multibyte text of the environment's locale, converted while that locale's
// character type is in force; a text that does not convert or fit stays as it was.
void Widen(const char* text, wchar_t* out, int capacity) {
    wchar_t wide[CZoqLocale::kTextCapacity];
    if (!text) {
        return;
    }
    const size_t length = std::mbstowcs(wide, text, CZoqLocale::kTextCapacity);
    if (length == static_cast<size_t>(-1) || length >= CZoqLocale::kTextCapacity) {
        return;
    }
    wide[length] = L'\0';
    CZoqLocale::CopyText(out, capacity, wide);
}

// Sets one locale category from the environment for as long as it lives, then puts
// back what was in force: the rest of the program keeps its own locale.
class CEnvironmentCategory {
public:
    explicit CEnvironmentCategory(int category) : m_category(category) {
        const char* previous = std::setlocale(category, nullptr);
        m_previous = previous ? previous : "C";
        std::setlocale(category, "");
    }
    ~CEnvironmentCategory() { std::setlocale(m_category, m_previous.c_str()); }
    CEnvironmentCategory(const CEnvironmentCategory&) = delete;
    CEnvironmentCategory& operator=(const CEnvironmentCategory&) = delete;

private:
    int m_category;
    std::string m_previous;
};

} // namespace

CZoqUserLocale::CZoqUserLocale() {
    const CEnvironmentCategory characters(LC_CTYPE);
    const CEnvironmentCategory numeric(LC_NUMERIC);
    const CEnvironmentCategory monetary(LC_MONETARY);
    const std::lconv* conventions = std::localeconv();
    Widen(conventions->decimal_point, m_decimal, kTextCapacity);
    Widen(conventions->thousands_sep, m_thousands, kTextCapacity);
    Widen(conventions->currency_symbol, m_currency, kTextCapacity);
}

int CZoqUserLocale::GetDecimalSeparator(wchar_t* buffer, int capacity) const {
    return CopyText(buffer, capacity, m_decimal);
}

int CZoqUserLocale::GetThousandsSeparator(wchar_t* buffer, int capacity) const {
    return CopyText(buffer, capacity, m_thousands);
}

int CZoqUserLocale::GetCurrencySymbol(wchar_t* buffer, int capacity) const {
    return CopyText(buffer, capacity, m_currency);
}
