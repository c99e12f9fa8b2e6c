#include "financial/app/MoneyText.h"
#include "ui/ZoqLocale.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The pages take only the currency symbol from the regional settings: their figures
// keep the period and no grouping under every locale, so that a typed figure and a
// shown one read the same.
TEST(MoneyLocale, FiguresKeepThePeriodUnderEveryLocale) {
    const struct {
        const char* name;
        const wchar_t* decimal;
        const wchar_t* thousands;
        const wchar_t* currency;
    } rows[] = {
        {"period and comma", L".", L",", L"$"},
        {"comma and point", L",", L".", L"\u20ac"},
        {"comma and no-break space", L",", L"\u00a0", L"\u20ac"},
        {"period and apostrophe", L".", L"'", L"CHF"},
        {"comma and space, long symbol", L",", L" ", L"kr."},
        {"no symbol", L",", L".", L""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const CZoqFixedLocale locale(row.decimal, row.thousands, row.currency);
        // As the frame reads it into the pages' shared symbol.
        wchar_t currency[32] = L"$";
        ASSERT_EQ(locale.GetCurrencySymbol(currency, 32), 1);
        const std::wstring symbol = row.currency;
        wchar_t out[64];
        ASSERT_EQ(NormalizeMoney(L"1234567.891", currency, out, 64), 1);
        EXPECT_EQ(std::wstring(out), symbol + L"1234567.89");
        ASSERT_EQ(NormalizeMoney(L"-0.004", currency, out, 64), 1);
        EXPECT_EQ(std::wstring(out), symbol + L"0.00");
        wchar_t cents[32];
        ASSERT_EQ(FormatCents(98765.437, cents, 32), 1);
        EXPECT_EQ(std::wstring(cents), L"98765.44");
    }
}

} // namespace
