#include "regression/CsvNumber.h"

#include "calc/NumberText.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

using Limits = std::numeric_limits<double>;

bool SameDouble(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

int Parse(const std::string& text, double& value) {
    return ParseCsvNumber(text.data(), text.data() + text.size(), value);
}

TEST(CsvNumber, ReadsPlainDecimalsOnly) {
    const struct {
        const char* text;
        bool number;
        double value;
    } cases[] = {
        {"1", true, 1},
        {"-2.5", true, -2.5},
        {"+3", true, 3},
        {".5", true, 0.5},
        {"5.", true, 5},
        {"1e3", true, 1000},
        {"2E-2", true, 0.02},
        {"-1.5e+1", true, -15},
        {"  7 \t", true, 7},
        {"\"1.25\"", true, 1.25},
        {" \" -4 \" ", true, -4},
        {"-0", true, -0.0},
        {"0e-999", true, 0},
        {"1.7976931348623157e308", true, Limits::max()},
        {"4.9406564584124654e-324", true, Limits::denorm_min()},
        {"2.2250738585072014e-308", true, Limits::min()},
        {"-9999999999999999", true, -1e16},
        {"", false, 0},
        {"   ", false, 0},
        {"\"\"", false, 0},
        {"-", false, 0},
        {".", false, 0},
        {"e5", false, 0},
        {"1e", false, 0},
        {"1e+", false, 0},
        {"1.5abc", false, 0},
        {"12 kg", false, 0},
        {"1 2", false, 0},
        {"1,5", false, 0},
        {"--1", false, 0},
        {"inf", false, 0},
        {"-inf", false, 0},
        {"infinity", false, 0},
        {"nan", false, 0},
        {"NaN", false, 0},
        {"0x10", false, 0},
        {"0x1p3", false, 0},
        {"1e999", false, 0},
        {"-1.8e308", false, 0},
        {"1e-400", false, 0},
        {"\"1", false, 0},
        {"1\"", false, 0},
        {"\"\"1\"\"", false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        double value = 12345;
        EXPECT_EQ(Parse(c.text, value), c.number ? 1 : 0);
        if (c.number) {
            EXPECT_TRUE(SameDouble(value, c.value)) << value;
        } else {
            EXPECT_EQ(value, 12345) << "a refused text leaves the value as it was";
        }
    }
    double value = 0;
    EXPECT_EQ(Parse(std::string("1\0", 2), value), 0) << "a NUL byte is not part of a number";
}

// Values of every magnitude, from the bit patterns of doubles and from decimals.
std::vector<double> GeneratedValues() {
    std::vector<double> values = {0.0,
                                  -0.0,
                                  1e-7,
                                  -1e-7,
                                  0.0000005,
                                  0.1234567,
                                  1e300,
                                  -1e300,
                                  -9999999999999999.0,
                                  Limits::max(),
                                  -Limits::max(),
                                  Limits::min(),
                                  Limits::denorm_min(),
                                  -Limits::denorm_min(),
                                  Limits::denorm_min() * 12345,
                                  0.1,
                                  1.0 / 3};
    std::mt19937_64 random(20261208);
    for (int i = 0; i < 10000; ++i) {
        double value;
        const uint64_t bits = random();
        std::memcpy(&value, &bits, sizeof value);
        if (std::isfinite(value)) {
            values.push_back(value);
        }
    }
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::uniform_int_distribution<int> exponent(-12, 17);
    for (int i = 0; i < 10000; ++i) {
        values.push_back(mantissa(random) * std::pow(10.0, exponent(random)));
    }
    return values;
}

// Six decimals wherever they read back as the same double (files stay as they
// were), otherwise a text that does, no longer than the 17 significant digits
// any double needs.
TEST(CsvNumber, WritesTextsThatReadBackAsTheSameDouble) {
    int fixedWritten = 0;
    int otherWritten = 0;
    for (const double value : GeneratedValues()) {
        char text[kCsvNumberMaxLength + 1];
        const int length = FormatCsvNumber(text, sizeof text, value);
        SCOPED_TRACE(text);
        ASSERT_GT(length, 0);
        ASSERT_EQ(length, static_cast<int>(std::strlen(text)));
        double back = 0;
        ASSERT_EQ(ParseCsvNumber(text, text + length, back), 1);
        ASSERT_TRUE(SameDouble(back, value)) << back;

        char fixed[kCsvNumberMaxLength + 1];
        const int fixedLength = FormatFixed(fixed, sizeof fixed, value, 6);
        double fixedBack = 0;
        const bool fixedReadsBack =
            ParseCsvNumber(fixed, fixed + fixedLength, fixedBack) && SameDouble(fixedBack, value);
        if (fixedReadsBack) {
            EXPECT_STREQ(text, fixed);
            ++fixedWritten;
        } else {
            EXPECT_LE(length, 24) << "sign, 17 digits, point and exponent at most";
            ++otherWritten;
        }
    }
    EXPECT_GT(fixedWritten, 1000);
    EXPECT_GT(otherWritten, 1000);
}

// Whether a text fits depends on the value; the room for the widest one is
// required for all, so that no value is ever written in another form for lack of it.
TEST(CsvNumber, RefusesABufferWithoutRoomForTheWidestText) {
    for (const double value : {1.5, 1e-7, -Limits::max()}) {
        SCOPED_TRACE(value);
        char text[kCsvNumberMaxLength + 1] = "x";
        EXPECT_EQ(FormatCsvNumber(text, kCsvNumberMaxLength, value), 0);
        EXPECT_STREQ(text, "");
        EXPECT_GT(FormatCsvNumber(text, kCsvNumberMaxLength + 1, value), 0);
    }
}

} // namespace
