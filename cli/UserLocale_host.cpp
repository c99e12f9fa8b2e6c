#include "cli/UserLocale.h"

#include "cli/NumoraCli.h"

#include <clocale>
#include <string>

namespace {

// localeconv() gives multibyte texts in the locale's encoding; UTF-8 is assumed,
// as anything else would show as replacement characters, never as a wrong digit.
int CopyLocaleText(const char* text, wchar_t* buffer, int capacity) {
    if (!text || !buffer || capacity <= 0)
        return 0;
    const std::wstring wide = DecodeUtf8(text);
    if (static_cast<int>(wide.size()) >= capacity)
        return 0;
    wide.copy(buffer, wide.size());
    buffer[wide.size()] = L'\0';
    return 1;
}

class CEnvironmentLocale : public CNumoraLocale {
public:
    CEnvironmentLocale() {
        // Only the categories read here: the rest of numora stays in the "C" locale.
        std::setlocale(LC_NUMERIC, "");
        std::setlocale(LC_MONETARY, "");
        const std::lconv* conventions = std::localeconv();
        m_decimal = conventions->decimal_point ? conventions->decimal_point : ".";
        m_thousands = conventions->thousands_sep ? conventions->thousands_sep : "";
        m_currency = conventions->currency_symbol ? conventions->currency_symbol : "";
        std::setlocale(LC_NUMERIC, "C");
        std::setlocale(LC_MONETARY, "C");
    }
    int GetDecimalSeparator(wchar_t* buffer, int capacity) const override {
        return CopyLocaleText(m_decimal.c_str(), buffer, capacity);
    }
    int GetThousandsSeparator(wchar_t* buffer, int capacity) const override {
        return CopyLocaleText(m_thousands.c_str(), buffer, capacity);
    }
    int GetCurrencySymbol(wchar_t* buffer, int capacity) const override {
        return CopyLocaleText(m_currency.c_str(), buffer, capacity);
    }

private:
    std::string m_decimal;
    std::string m_thousands;
    std::string m_currency;
};

} // namespace

const CNumoraLocale& UserLocale() {
    static const CEnvironmentLocale locale;
    return locale;
}
