#include "scientific/DisplayFormatter.h"
#include "testing/ZoqTestText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct SFormatCase {
    int notation;
    int separators;
    int width;
    const wchar_t* value;
    const wchar_t* main;
    const wchar_t* significand;
    const wchar_t* exponent;
};

const SFormatCase kFormatCases[] = {
    // Error texts become the display's own words.
    {0, 0, 13, L"imaginary", L"Imaginary", L"Imaginary", L""},
    {2, 0, 13, L"infinity", L"Infinity", L"Infinity", L""},
    {1, 1, 13, L"syntax error", L"Syntax Error", L"Syntax Error", L""},
    // Every value shows its point; nothing typed yet is 0.
    {0, 0, 13, L"123", L"123.", L"123.", L""},
    {0, 0, 13, L"", L"0.", L"0.", L""},
    {0, 0, 13, L"1.50", L"1.50", L"1.50", L""},
    // Cut and round: 6..9 rounds up within the width, anything else keeps one more.
    {0, 0, 13, L"0.333333333333333", L"0.333333333333", L"0.33333333333", L""},
    {0, 0, 13, L"0.666666666666667", L"0.66666666667", L"0.66666666667", L""},
    {0, 0, 13, L"-0.666666666666667", L"-0.6666666667", L"-0.6666666667", L""},
    {0, 0, 13, L"-0.333333333333333", L"-0.333333333333", L"-0.3333333333", L""},
    {0, 0, 13, L"0.555555555555555", L"0.555555555555", L"0.55555555555", L""},
    {0, 0, 13, L"999999999999.7", L"1000000000000.", L"1000000000000", L""},
    {0, 0, 13, L"0.100000000000001", L"0.1", L"0.1", L""},
    // Float: too large for the width goes Scientific, significand rounded to width - 2.
    {0, 0, 13, L"1.23456789012346e+017", L"1.23456789e+017", L"1.23456789", L"017"},
    {0, 0, 13, L"99999999999999", L"1.e+014", L"1.", L"014"},
    {0, 0, 13, L"-123456789012", L"-1.23456789e+011", L"-1.23456789", L"011"},
    // Float: small engine exponents written out while four digits still show.
    {0, 0, 13, L"1.234567891e-002", L"0.01234567891", L"0.01234567891", L""},
    {0, 0, 13, L"3.33333333333333e-005", L"0.00003333333", L"0.00003333333", L""},
    {0, 0, 13, L"-3.33333333333333e-005", L"-0.00003333333", L"-0.0000333333", L""},
    {0, 0, 13, L"1.e-020", L"1.e-020", L"1.", L"-020"},
    // Float: smaller values written out whole when the whole plain form fits the width,
    // its sign included.
    {0, 0, 13, L"1.5e-010", L"0.00000000015", L"0.00000000015", L""},
    {0, 0, 13, L"1.e-011", L"0.00000000001", L"0.00000000001", L""},
    {0, 0, 13, L"1.23e-009", L"0.00000000123", L"0.00000000123", L""},
    {0, 0, 13, L"1.234e-009", L"1.234e-009", L"1.234", L"-009"},
    {0, 0, 13, L"1.e-012", L"1.e-012", L"1.", L"-012"},
    {0, 0, 13, L"-1.e-010", L"-0.0000000001", L"-0.0000000001", L""},
    {0, 0, 13, L"-1.e-011", L"-1.e-011", L"-1.", L"-011"},
    {0, 0, 13, L"-1.5e-010", L"-1.5e-010", L"-1.5", L"-010"},
    {0, 0, 16, L"1.2345e-010", L"0.00000000012345", L"0.00000000012345", L""},
    {0, 0, 6, L"1.e-004", L"0.0001", L"0.0001", L""},
    {0, 0, 6, L"1.2e-004", L"1.2e-004", L"1.2", L"-004"},
    // Scientific.
    {2, 0, 13, L"1.5", L"1.5", L"1.5", L""},
    {2, 0, 13, L"123.45", L"1.2345e+002", L"1.2345", L"002"},
    {2, 0, 13, L"0.05", L"5.e-002", L"5.", L"-002"},
    {2, 0, 13, L"100", L"1.e+002", L"1.", L"002"},
    {2, 0, 13, L"0", L"0.", L"0.", L""},
    {2, 0, 13, L"0.666666666666667", L"6.666666667e-001", L"6.666666667", L"-001"},
    {2, 0, 13, L"9.99999999999", L"1.e+001", L"1.", L"001"},
    // Engineering: exponents in steps of three.
    {3, 0, 13, L"12345", L"12.345e+003", L"12.345", L"003"},
    {3, 0, 13, L"123.45", L"123.45", L"123.45", L""},
    {3, 0, 13, L"0.05", L"50.e-003", L"50.", L"-003"},
    {3, 0, 13, L"1.e+020", L"100.e+018", L"100.", L"018"},
    // Fixed: precision decimals as far as the width allows.
    {1, 0, 13, L"2", L"2.0000000000", L"2.0000000000", L""},
    {1, 0, 13, L"0.333333333333333", L"0.3333333333", L"0.3333333333", L""},
    {1, 0, 13, L"123456", L"123456.00000", L"123456.00000", L""},
    {1, 0, 13, L"-2.5", L"-2.500000000", L"-2.500000000", L""},
    {1, 0, 13, L"9.99999999999", L"10.000000000", L"10.000000000", L""},
    {1, 0, 13, L"0", L"0.", L"0.", L""},
    {1, 0, 13, L"1.e-020", L"1.e-020", L"1.", L"-020"},
    // Separators of the fixture's region: decimal comma, point for thousands.
    {0, 1, 13, L"1234567.5", L"1.234.567,5", L"1.234.567,5", L""},
    {0, 1, 13, L"1234567890.12", L"1234567890,12", L"1234567890,12", L""},
    {0, 1, 13, L"-1234", L"-1.234,", L"-1.234,", L""},
    {2, 1, 13, L"123.45", L"1,2345e+002", L"1,2345", L"002"},
    // Widths other than the default.
    {0, 0, 6, L"0.666666666666667", L"0.6667", L"0.6667", L""},
    {0, 0, 20, L"0.333333333333333", L"0.333333333333333", L"0.333333333333333", L""},
    {2, 0, 4, L"123.45", L"1.e+002", L"1.", L"002"},
    // Not a number: shown as it is when it fits.
    {0, 0, 13, L"hello", L"hello", L"hello", L""},
    {0, 0, 13, L"1e5", L"100000.", L"100000.", L""},
};

class DisplayFormatterTest : public ::testing::Test {
protected:
    CZoqFixedLocale m_locale{L",", L".", L"\u20AC"};
    CDisplayFormatter m_formatter{m_locale};
};

TEST_F(DisplayFormatterTest, ShapesValuesForTheDisplay) {
    for (const SFormatCase& row : kFormatCases) {
        SCOPED_TRACE("notation " + std::to_string(row.notation) + " width " +
                     std::to_string(row.width) + " value '" + Narrow(row.value) + "'");
        ASSERT_EQ(m_formatter.SetNotation(row.notation), 1);
        SDisplayText out;
        ASSERT_EQ(m_formatter.FormatForDisplay(row.value, &out, row.separators, row.width), 1);
        EXPECT_EQ(std::wstring(out.main), row.main);
        EXPECT_EQ(std::wstring(out.significand), row.significand);
        EXPECT_EQ(std::wstring(out.exponent), row.exponent);
    }
}

TEST_F(DisplayFormatterTest, TrailingPointCanBeDropped) {
    m_formatter.SetKeepTrailingPoint(0);
    SDisplayText out;
    m_formatter.FormatForDisplay(L"123", &out, 0, 13);
    EXPECT_EQ(std::wstring(out.main), L"123");
    m_formatter.FormatForDisplay(L"0", &out, 0, 13);
    EXPECT_EQ(std::wstring(out.main), L"0");
}

TEST_F(DisplayFormatterTest, CommaSettingShowsACommaInAPointRegion) {
    CZoqFixedLocale english(L".", L",", L"$");
    CDisplayFormatter formatter(english);
    SDisplayText out;
    formatter.FormatForDisplay(L"1234567.5", &out, 1, 13);
    EXPECT_EQ(std::wstring(out.main), L"1.234.567,5");

    CZoqFixedLocale french(L",", L"\u00A0", L"\u20AC");
    formatter.ReadLocale(french);
    formatter.FormatForDisplay(L"1234567.5", &out, 1, 13);
    EXPECT_EQ(std::wstring(out.main), L"1\u00A0234\u00A0567,5");

    CZoqFixedLocale ungrouped(L".", L"", L"$");
    formatter.ReadLocale(ungrouped);
    formatter.FormatForDisplay(L"1234567.5", &out, 1, 13);
    EXPECT_EQ(std::wstring(out.main), L"1234567,5");
}

TEST_F(DisplayFormatterTest, ReadsTheRegionalTexts) {
    EXPECT_EQ(std::wstring(m_formatter.GetDecimalSeparator()), L",");
    EXPECT_EQ(std::wstring(m_formatter.GetThousandsSeparator()), L".");
    EXPECT_EQ(std::wstring(m_formatter.GetCurrencySymbol()), L"\u20AC");
}

TEST_F(DisplayFormatterTest, FitOrRefuseAndMoneyForm) {
    SDisplayText out;
    m_formatter.FitOrRefuse(L"FFFFFFFFFFFF", &out, 13);
    EXPECT_EQ(std::wstring(out.main), L"FFFFFFFFFFFF");
    m_formatter.FitOrRefuse(L"11111111111111", &out, 13);
    EXPECT_EQ(std::wstring(out.main), L"Display too large");
    EXPECT_EQ(std::wstring(out.significand), L"Display too large");

    const struct {
        const wchar_t* value;
        const wchar_t* money;
    } moneyCases[] = {
        {L"12", L"12.00"}, {L"1.2345", L"1.23"}, {L"1.5", L"1.5"}, {L"-0.999", L"-0.99"}};
    for (const auto& row : moneyCases) {
        SCOPED_TRACE(Narrow(row.value));
        wchar_t money[16];
        ASSERT_EQ(m_formatter.MoneyForm(row.value, money, 16), 1);
        EXPECT_EQ(std::wstring(money), row.money);
    }
}

TEST_F(DisplayFormatterTest, RefusesOutOfRangeSettings) {
    EXPECT_EQ(m_formatter.SetNotation(4), 0);
    EXPECT_EQ(m_formatter.SetNotation(-1), 0);
    EXPECT_EQ(m_formatter.SetSeparator(2), 0);
    EXPECT_EQ(m_formatter.SetWidth(3), 0);
    EXPECT_EQ(m_formatter.SetWidth(41), 0);
    EXPECT_EQ(m_formatter.GetNotation(), 0);
    EXPECT_EQ(m_formatter.GetSeparator(), 0);
    EXPECT_EQ(m_formatter.GetWidth(), 13);
    SDisplayText out;
    EXPECT_EQ(m_formatter.FormatForDisplay(nullptr, &out, 0, 13), 0);
}

} // namespace
