#include "engine/ZoqBaseConverter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

struct ToBaseCase {
    int base;
    int bits;
    double value;
    const wchar_t* expected;
};

TEST(BaseConverter, DecimalToBase) {
    const double inf = std::numeric_limits<double>::infinity();
    const ToBaseCase cases[] = {
        {2, 32, 8, L"1000"},
        {16, 32, -1, L"FFFFFFFF"},
        {16, 8, -1, L"FF"},
        {16, 4, -1, L"F"},
        {16, 8, 256, L"0"},
        {16, 8, 257, L"1"},
        {10, 4, 170000, L"0"}, // more than 10000 reductions needed
        {10, 4, 160005, L"5"}, // exactly 10000 reductions
        {10, 4, 160021, L"0"}, // 10001
        {2, 32, std::ldexp(1.0, 61), L"0"},
        {8, 32, 7.9, L"7"},
        {8, 32, 0, L"0"},
        {36, 32, 35, L"Z"},
        {2, 48, std::ldexp(1.0, 48) - 1, L"111111111111111111111111111111111111111111111111"},
        {16, 48, -1, L"FFFFFFFFFFFF"},
        {16, 32, inf, L"0"},
        {16, 32, -inf, L"0"},
        {16, 32, std::nan(""), L"0"},
        {16, 32, -1e30, L"0"},
        {16, 32, -7.9, L"FFFFFFF9"},
    };
    for (const ToBaseCase& c : cases) {
        SCOPED_TRACE(c.value);
        CZoqBaseConverter converter;
        ASSERT_EQ(converter.SetBits(c.bits), 1);
        wchar_t out[CZoqBaseConverter::kDigitsCapacity];
        EXPECT_EQ(converter.DecimalToBase(c.base, c.value, out), 1);
        EXPECT_STREQ(out, c.expected);
    }
}

struct ExpressionCase {
    int base;
    const wchar_t* input;
    const wchar_t* expected;
};

TEST(BaseConverter, ExpressionToDecimal) {
    const ExpressionCase cases[] = {
        {2, L"101+11", L"5+3"},
        {2, L"-101", L"-5"},
        {2, L"11-101", L"3-5"},
        {2, L"9", L"9"},                    // a digit not below the base counts with its value
        {16, L"FF*sin(A)", L"255*sin(10)"}, // lower case passes through
        {16, L"E", L"14"},                  // upper-case operator letters are digits here
        {36, L"ZZ", L"1295"},
        {16, L"", L""},
        {16, L"-", L"-"},
        {16, L"FFFFFFFFFFFFFFFFFFFF", L"9223372036854775807"}, // saturates
        {2, L"1.1", L"1.1"},
    };
    for (const ExpressionCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.base));
        CZoqBaseConverter converter;
        wchar_t out[64];
        EXPECT_EQ(converter.ExpressionToDecimal(c.base, c.input, out, 64), 1);
        EXPECT_STREQ(out, c.expected);
    }
}

TEST(BaseConverter, ExpressionThatDoesNotFitIsRefused) {
    CZoqBaseConverter converter;
    wchar_t out[4];
    EXPECT_EQ(converter.ExpressionToDecimal(36, L"ZZ", out, 4), 0); // "1295" needs 5
    EXPECT_STREQ(out, L"");
    EXPECT_EQ(converter.ExpressionToDecimal(36, L"Z+", out, 4), 1);
    EXPECT_STREQ(out, L"35+");
    EXPECT_EQ(converter.ExpressionToDecimal(1, L"1", out, 4), 0);
}

TEST(BaseConverter, DigitsToDecimal) {
    CZoqBaseConverter converter;
    wchar_t out[CZoqBaseConverter::kDecimalCapacity] = L"kept";
    EXPECT_EQ(converter.DigitsToDecimal(2, L"12a", out), 0);
    EXPECT_STREQ(out, L"kept");
    EXPECT_EQ(converter.DigitsToDecimal(37, L"1", out), 0);
    EXPECT_EQ(converter.DigitsToDecimal(16, L"7FFFFFFFFFFFFFFF", out), 1);
    EXPECT_STREQ(out, L"9223372036854775807");
    EXPECT_EQ(converter.DigitsToDecimal(3, L"210", out), 1);
    EXPECT_STREQ(out, L"21");
}

TEST(BaseConverter, DigitToTextAndSettings) {
    CZoqBaseConverter converter;
    wchar_t out[CZoqBaseConverter::kDigitCapacity] = L"k";
    EXPECT_EQ(converter.DigitToText(9, out), 1);
    EXPECT_STREQ(out, L"9");
    EXPECT_EQ(converter.DigitToText(10, out), 1);
    EXPECT_STREQ(out, L"A");
    EXPECT_EQ(converter.DigitToText(36, out), 0);
    EXPECT_EQ(converter.GetBits(), 32);
    EXPECT_EQ(converter.SetBits(3), 0);
    EXPECT_EQ(converter.SetBits(49), 0);
    EXPECT_EQ(converter.GetBits(), 32);
    EXPECT_STREQ(CZoqBaseConverter::BaseName(2), L"BIN");
    EXPECT_STREQ(CZoqBaseConverter::BaseName(8), L"OCT");
    EXPECT_STREQ(CZoqBaseConverter::BaseName(10), L"Decimal");
    EXPECT_STREQ(CZoqBaseConverter::BaseName(13), L"Base 13");
    EXPECT_STREQ(CZoqBaseConverter::BaseName(16), L"HEX");
    EXPECT_STREQ(CZoqBaseConverter::BaseName(17), L"");
}

} // namespace
