#include "engine/ZoqNumberText.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace {

struct FormatCase {
    double value;
    int digits;
    const char* expected;
};

std::string General(double value, int digits) {
    char text[kZoqNumberCapacity];
    EXPECT_GE(ZoqGeneralFormat(value, digits, text, sizeof text), 0);
    return text;
}

std::wstring Display(double value, int digits) {
    wchar_t text[kZoqNumberCapacity];
    EXPECT_GE(ZoqFormatNumber(value, digits, text, kZoqNumberCapacity), 0);
    return text;
}

TEST(GeneralFormat, FixedAndExponentialForms) {
    const double inf = std::numeric_limits<double>::infinity();
    const FormatCase cases[] = {
        {123, 15, "123."},
        {0.5, 15, "0.5"},
        {0.05, 15, "5.e-002"},
        {1e20, 15, "1.e+020"},
        {1.0 / 3, 15, "0.333333333333333"},
        {2.0 / 3, 15, "0.666666666666667"},
        {0, 15, "0."},
        {-0.0, 15, "0."},
        {123456789012345678.0, 15, "1.23456789012346e+017"},
        {-2.5, 15, "-2.5"},
        {0.1, 15, "0.1"},
        {99999999999999.9, 15, "99999999999999.9"},
        {999999999999999.0, 15, "999999999999999."},
        {1e15, 15, "1.e+015"},
        {inf, 15, "1.#INF"},
        {-inf, 15, "-1.#INF"},
        {DBL_MAX, 15, "1.79769313486232e+308"},
        {5e-324, 15, "4.94065645841247e-324"},
        {1e-300, 3, "1.e-300"},
        {123.456, 14, "123.456"},
        {0.1, 1, "0.1"},
        {5, 0, "5."}, // 0 digits count as 1
        {1.0 / 3, 25, "0.3333333333333333148296163"},
        {0.1, 40, "0.1000000000000000055511151231257827021182"},
    };
    for (const FormatCase& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(General(c.value, c.digits), c.expected);
    }
    std::string nan = General(std::nan(""), 15);
    EXPECT_TRUE(nan == "1.#IND" || nan == "-1.#IND") << nan;
    EXPECT_EQ(General(-std::nan(""), 15), "-1.#IND");
}

// The form is chosen from the exponent after rounding, as the C runtime's %g does.
TEST(GeneralFormat, RoundingIntoANewDigitChangesTheForm) {
    EXPECT_EQ(General(99999.96, 5), "1.e+005");
    EXPECT_EQ(General(0.099999999999999999, 15), "0.1");
    EXPECT_EQ(General(9.9999999999999999e14, 15), "1.e+015");
}

TEST(GeneralFormat, HalfwayDigitsRoundAwayFromZero) {
    EXPECT_EQ(General(0.125, 2), "0.13");
    EXPECT_EQ(General(2.5, 1), "3.");
    EXPECT_EQ(General(-0.375, 2), "-0.38");
    EXPECT_EQ(General(100000000000000.5, 15), "100000000000001.");
    EXPECT_EQ(General(0.1249999, 2), "0.12");
}

TEST(GeneralFormat, RefusesTooSmallABuffer) {
    char text[6] = "xxxxx";
    EXPECT_EQ(ZoqGeneralFormat(123.25, 15, text, sizeof text), -1);
    EXPECT_STREQ(text, "");
    EXPECT_EQ(ZoqGeneralFormat(123.25, 15, text, 0), -1);
    EXPECT_EQ(ZoqGeneralFormat(1.5, 15, text, sizeof text), 3);
}

// Whether the exact decimal expansion lies halfway between two `digits`-digit texts;
// the standard conversion then rounds to even where we round away from zero.
bool IsHalfway(double value, int digits) {
    char exact[800];
    auto r = std::to_chars(exact, exact + 799, value, std::chars_format::scientific, 780);
    *r.ptr = '\0';
    std::string all;
    for (const char* p = exact; *p != 'e'; ++p)
        if (*p != '.')
            all += *p;
    return all[static_cast<std::size_t>(digits)] == '5' &&
           all.find_first_not_of('0', static_cast<std::size_t>(digits) + 1) == std::string::npos;
}

// Our digits against the standard library's exact conversion, over random doubles
// of every magnitude and every digit count up to 17.
TEST(GeneralFormat, DigitsMatchTheExactConversion) {
    std::mt19937_64 random(99);
    for (int i = 0; i < 20000; ++i) {
        double value;
        uint64_t bits = random() & 0x7FEFFFFFFFFFFFFFull;
        std::memcpy(&value, &bits, sizeof value);
        if (i % 2 == 0)
            value = std::ldexp(static_cast<double>(random() >> 11),
                               static_cast<int>(random() % 160) - 110);
        if (value == 0)
            continue;
        int digits = 1 + static_cast<int>(random() % 17);
        if (IsHalfway(value, digits))
            continue;
        char expected[64];
        auto r = std::to_chars(expected, expected + 63, value, std::chars_format::scientific,
                               digits - 1);
        *r.ptr = '\0';
        std::string ours = General(value, digits);
        // Reduce both to significant digits and decimal exponent.
        std::string mantissa;
        for (const char* p = expected; *p != 'e'; ++p)
            if (*p != '.')
                mantissa += *p;
        int exponent = std::atoi(std::strchr(expected, 'e') + 1);
        std::string got;
        int gotExponent;
        std::size_t e = ours.find('e');
        if (e != std::string::npos) {
            for (std::size_t k = 0; k < e; ++k)
                if (ours[k] != '.')
                    got += ours[k];
            gotExponent = std::atoi(ours.c_str() + e + 1);
        } else {
            std::size_t point = ours.find('.');
            std::string all = ours.substr(0, point) + ours.substr(point + 1);
            std::size_t first = all.find_first_not_of('0');
            got = all.substr(first);
            gotExponent = static_cast<int>(point) - 1 - static_cast<int>(first);
        }
        got.resize(static_cast<std::size_t>(digits), '0');
        ASSERT_EQ(got, mantissa) << expected << " vs " << ours;
        ASSERT_EQ(gotExponent, exponent) << expected << " vs " << ours;
    }
}

TEST(FormatNumber, DisplayTexts) {
    const double inf = std::numeric_limits<double>::infinity();
    struct WideCase {
        double value;
        int digits;
        const wchar_t* expected;
    };
    const WideCase cases[] = {
        {0, 15, L"0"},
        {100, 15, L"100"},
        {0.1, 15, L"0.1"},
        {0.09, 15, L"0.09"},
        {0.001, 15, L"0.001"},
        {0.05, 15, L"0.05"},
        {123456789012345.0, 15, L"123456789012345"},
        {1234567890123456.0, 15, L"1.23456789012346e+015"},
        {2.0 / 3, 12, L"0.666666666667"},
        {-0.05, 15, L"-0.05"},
        {1.0 / 3, 15, L"0.333333333333333"},
        {-2.5, 15, L"-2.5"},
        {1e15, 15, L"1.e+015"},
        {999999999999999.0, 15, L"999999999999999"},
        {1e-10, 15, L"0.0000000001"}, // the rewrite rule, not the exponent form
        {1e-11, 15, L"1.e-011"},
        {1e-20, 15, L"1.e-020"},
        {1.234e-5, 15, L"0.00001234"},
        {0.0123456789, 15, L"0.0123456789"},
        {0.01234567891, 15, L"1.234567891e-002"},
        {-1.234e-5, 15, L"-0.00001234"},
        {inf, 15, L"1.#INF"},
        {-inf, 15, L"-1.#INF"},
        {12.0, 12, L"12"},
        {1234.5, 12, L"1234.5"},
        {-0.5, 12, L"-0.5"},
        {13.3333, 4, L"13.33"},
        {2.9000000000000004, 2, L"2.9"},
        {3.0000000000000004, 2, L"3"},
        {1e20, 15, L"1.e+020"},
        {0.05, 1, L"5.e-002"}, // the rewrite needs n + c - 1 < N + 2
        {0.005, 1, L"5.e-003"},
        {-0.0, 15, L"0"},
    };
    for (const WideCase& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(Display(c.value, c.digits), c.expected);
    }
}

TEST(FormatNumber, RefusesBadArguments) {
    wchar_t text[kZoqNumberCapacity] = L"kept";
    EXPECT_EQ(ZoqFormatNumber(1, -1, text, kZoqNumberCapacity), -1);
    EXPECT_STREQ(text, L"kept");
    EXPECT_EQ(ZoqFormatNumber(1, 15, nullptr, kZoqNumberCapacity), -1);
    EXPECT_EQ(ZoqFormatNumber(1.0 / 3, 15, text, 10), -1);
    EXPECT_STREQ(text, L"");
}

TEST(FormatNumber, LongestTextsFitTheCapacity) {
    const double values[] = {-DBL_MAX, -5e-324, -1.0 / 3, -1.0 / 3e-5, -0.012345678912345678};
    for (double value : values) {
        for (int digits = 0; digits <= 60; ++digits) {
            wchar_t text[kZoqNumberCapacity];
            EXPECT_GE(ZoqFormatNumber(value, digits, text, kZoqNumberCapacity), 0) << digits;
        }
    }
}

struct ParseCase {
    const char* text;
    int ok;
    double value;
};

TEST(ParseDecimal, AcceptsExactlyTheLiteralsOfTheGrammar) {
    const double inf = std::numeric_limits<double>::infinity();
    const ParseCase cases[] = {
        {"0", 1, 0},      {"5.", 1, 5},           {".5", 1, 0.5},     {"1e5", 1, 1e5},
        {"1e+5", 1, 1e5}, {"1.5e-3", 1, 1.5e-3},  {"000123", 1, 123}, {"1e400", 1, inf},
        {"1e-400", 1, 0}, {"1e99999999", 1, inf}, {"0e99999", 1, 0},  {".", 0, 0},
        {"e5", 0, 0},     {"1e", 0, 0},           {"1e+", 0, 0},      {"1e5-3", 0, 0},
        {"1.2.3", 0, 0},  {"1e5.3", 0, 0},        {"+1", 0, 0},       {"1x", 0, 0},
        {"", 0, 0},
    };
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(c.text);
        double value = -7;
        EXPECT_EQ(ZoqParseDecimal(c.text, c.text + std::strlen(c.text), &value), c.ok);
        EXPECT_EQ(value, c.ok ? c.value : -7);
    }
}

TEST(ParseDecimal, CorrectlyRoundedLikeTheStandardConversion) {
    std::mt19937_64 random(7);
    for (int i = 0; i < 20000; ++i) {
        std::string text;
        int digits = 1 + static_cast<int>(random() % 24);
        int point = static_cast<int>(random() % (digits + 1));
        for (int d = 0; d < digits; ++d) {
            if (d == point)
                text += '.';
            text += static_cast<char>('0' + random() % 10);
        }
        if (random() % 2)
            text += "e" + std::to_string(static_cast<int>(random() % 640) - 330);
        double expected = 0;
        auto r = std::from_chars(text.data(), text.data() + text.size(), expected);
        if (r.ec != std::errc())
            continue;
        double value = -1;
        ASSERT_EQ(ZoqParseDecimal(text.data(), text.data() + text.size(), &value), 1) << text;
        ASSERT_EQ(value, expected) << text;
    }
}

} // namespace
