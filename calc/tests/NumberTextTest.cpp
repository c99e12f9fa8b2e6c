#include "calc/NumberText.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace {

const double kInf = std::numeric_limits<double>::infinity();
const double kNan = std::numeric_limits<double>::quiet_NaN();

TEST(NumberText, MatchesPrintfConversions) {
    const struct {
        double value;
        const char* general6;
        const char* fixed6;
    } cases[] = {
        {0.0, "0", "0.000000"},
        {-0.0, "-0", "-0.000000"},
        {1.0, "1", "1.000000"},
        {-0.25, "-0.25", "-0.250000"},
        {2.0 / 3.0, "0.666667", "0.666667"},
        {1.5e-5, "1.5e-05", "0.000015"},
        {-1e-7, "-1e-07", "-0.000000"},
        {0.0078125, "0.0078125", "0.007812"}, // a tie at the sixth decimal rounds to even
        {123456.5, "123456", "123456.500000"},
        {1234567.0, "1.23457e+06", "1234567.000000"},
        {1e20, "1e+20", "100000000000000000000.000000"},
        {1.0986122886681098, "1.09861", "1.098612"},
        {kInf, "inf", "inf"},
        {-kInf, "-inf", "-inf"},
        {kNan, "nan", "nan"},
        {-kNan, "-nan", "-nan"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.general6);
        char narrow[400];
        wchar_t wide[400];
        EXPECT_EQ(FormatGeneral(narrow, sizeof narrow, c.value, 6), (int)std::strlen(c.general6));
        EXPECT_STREQ(narrow, c.general6);
        FormatFixed(narrow, sizeof narrow, c.value, 6);
        EXPECT_STREQ(narrow, c.fixed6);
        FormatGeneral(wide, 400, c.value, 6);
        for (int i = 0; c.general6[i]; ++i) {
            ASSERT_EQ(wide[i], (wchar_t)c.general6[i]);
        }
    }
}

TEST(NumberText, NeverWritesPastTheCapacity) {
    char narrow[12];
    std::memset(narrow, 'x', sizeof narrow);
    EXPECT_EQ(FormatFixed(narrow, 8, 1234.5, 6), 0) << "1234.500000 needs 12 with its terminator";
    EXPECT_STREQ(narrow, "");
    EXPECT_EQ(FormatFixed(narrow, 11, 1234.5, 6), 0) << "no room for the terminator";
    EXPECT_EQ(FormatFixed(narrow, 12, 1234.5, 6), 11);
    EXPECT_STREQ(narrow, "1234.500000");
    wchar_t wide[13];
    EXPECT_EQ(FormatFixed(wide, 13, 1234.5, 6), 11);
    EXPECT_EQ(FormatFixed(wide, 11, 1234.5, 6), 0);
    EXPECT_EQ(wide[0], L'\0');
    EXPECT_EQ(FormatGeneral(static_cast<char*>(nullptr), 10, 1.0, 6), 0);
}

// The C library of the native build formats exactly; ours must agree with it on
// every kind of double. (The Windows C runtimes differ among themselves, which is
// why the programs do not use them.)
#ifndef _WIN32
TEST(NumberText, AgreesWithTheNativeCLibraryOnRandomDoubles) {
    std::mt19937_64 random(20240607);
    std::uniform_real_distribution<double> exponent(-30.0, 30.0);
    for (int i = 0; i < 20000; ++i) {
        double value;
        if (i % 2) {
            const uint64_t bits = random();
            std::memcpy(&value, &bits, sizeof value);
        } else {
            value = std::pow(10.0, exponent(random)) * (random() % 2 ? 1 : -1);
        }
        char ours[400], theirs[400];
        FormatFixed(ours, sizeof ours, value, 6);
        std::snprintf(theirs, sizeof theirs, "%f", value);
        ASSERT_STREQ(ours, theirs);
        FormatGeneral(ours, sizeof ours, value, 6);
        std::snprintf(theirs, sizeof theirs, "%.6g", value);
        ASSERT_STREQ(ours, theirs);
    }
}
#endif

} // namespace
