#include "EngineTestSupport.h"

#include <cwchar>
#include <random>

namespace {

class EngineLimits : public EngineTest {
protected:
    void ExpectWellFormed(const std::wstring& result) {
        EXPECT_LT(result.size(), static_cast<std::size_t>(Numora::kResultCapacity));
        EXPECT_FALSE(result.empty());
    }
};

std::wstring Repeat(const std::wstring& part, int times) {
    std::wstring text;
    for (int i = 0; i < times; ++i)
        text += part;
    return text;
}

TEST_F(EngineLimits, TextOf255CharactersEvaluatesAndLongerIsRefused) {
    std::wstring text = L"1" + Repeat(L"+0", 127); // 255 characters, 128 numbers
    ASSERT_EQ(text.size(), 255u);
    EXPECT_EQ(Eval(text), L"1");
    EXPECT_EQ(Eval(text + L"0"), L"syntax error");
}

TEST_F(EngineLimits, TokenListHolds255TokensAndTheEndToken) {
    // Every "+" stands between two empty operands: n signs make 2n + 1 tokens.
    EXPECT_EQ(Eval(Repeat(L"+", 127)), L"0");
    EXPECT_EQ(Eval(Repeat(L"+", 128)), L"syntax error");
}

TEST_F(EngineLimits, DeepestNestingWithinTheLimitsEvaluates) {
    // 254 unary minus signs wait on the operator stack at once.
    EXPECT_EQ(Eval(Repeat(L"-", 254) + L"1"), L"1");
    EXPECT_EQ(Eval(Repeat(L"(", 127) + L"2" + Repeat(L")", 127)), L"2");
    EXPECT_EQ(Eval(Repeat(L"sin(", 50) + L"0" + Repeat(L")", 50)), L"0");
}

TEST_F(EngineLimits, HugeInputsAreSyntaxErrors) {
    const std::wstring cases[] = {
        Repeat(L"1234567890", 1000),                    // 10,000 characters
        L"1" + Repeat(L"+1", 999),                      // 1,000 numbers
        Repeat(L"(", 5000) + L"1" + Repeat(L")", 5000), // 5,000 nested parentheses
        Repeat(L"-", 5000) + L"1",
        Repeat(L"\u00B2", 100),        // grows past 255 when rewritten
        L"2" + Repeat(L"\u00B2", 200), // grows past the 512-character work text
    };
    for (const std::wstring& text : cases) {
        SCOPED_TRACE(text.size());
        EXPECT_EQ(Eval(text), L"syntax error");
    }
}

TEST_F(EngineLimits, BaseConversionThatOutgrowsTheTextIsRefused) {
    wchar_t out[Numora::kResultCapacity];
    // Each "Z" becomes "35": 200 characters grow to 300.
    std::wstring text = L"Z" + Repeat(L"+Z", 99);
    engine->Evaluate(text.c_str(), out, 36, 10);
    EXPECT_STREQ(out, L"syntax error");
    std::wstring fits = L"Z" + Repeat(L"+Z", 9);
    engine->Evaluate(fits.c_str(), out, 36, 10);
    EXPECT_STREQ(out, L"350");
}

TEST_F(EngineLimits, RandomTextNeverBreaksTheEngine) {
    std::mt19937 random(12345);
    const wchar_t alphabet[] = L"0123456789.e+-*/^ErCPXYR<&|xn%()!abcdefghijklmnopqrstuvwxyz"
                               L" \t\u00D7\u00F7\u00B2\u00B3\u00B9\u00E9\u20AC\x01\x7F";
    const int alphabetSize = static_cast<int>(std::wcslen(alphabet));
    for (int round = 0; round < 3000; ++round) {
        std::wstring text;
        int length = static_cast<int>(random() % 300);
        for (int i = 0; i < length; ++i) {
            if (random() % 8 == 0)
                text += static_cast<wchar_t>(1 + random() % 0xD7FF); // any character
            else
                text += alphabet[random() % alphabetSize];
        }
        ExpectWellFormed(Eval(text));
        wchar_t out[Numora::kResultCapacity];
        engine->Evaluate(text.c_str(), out, 2 + static_cast<int>(random() % 35),
                         2 + static_cast<int>(random() % 35));
        EXPECT_LT(std::wcslen(out), static_cast<std::size_t>(Numora::kResultCapacity));
    }
}

TEST_F(EngineLimits, LoopingFunctionsStopEarly) {
    // Each of these would loop once per unit of its argument without a bound.
    const ExpressionCase cases[] = {
        {L"!(9e18)", L"infinity"},      {L"!(-9e18)", L"infinity"},
        {L"9e18C3", L"imaginary"},      {L"9e18P3", L"imaginary"},
        {L"sum(9e18)", L"4.05e+037"},   {L"sum(-9e18)", L"-4.05e+037"},
        {L"1e300C1e299", L"imaginary"},
    };
    for (const ExpressionCase& c : cases) {
        SCOPED_TRACE(Narrow(c.expression));
        EXPECT_EQ(Eval(c.expression), c.expected);
    }
}

} // namespace
