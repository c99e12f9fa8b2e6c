#include "quadratic/ParabixCalc.h"

#include <gtest/gtest.h>
#include <string>

namespace {

// Runs a key script: digits, "." decimal point, "-" minus sign, "<" backspace,
// "=" enter, "A" "B" "C" select a field, "K" clear.
void Press(CParabixCalc& calc, const std::string& keys) {
    for (char key : keys) {
        switch (key) {
        case '.':
            calc.DecimalPoint();
            break;
        case '-':
            calc.MinusSign();
            break;
        case '<':
            calc.Backspace();
            break;
        case '=':
            calc.Enter();
            break;
        case 'A':
        case 'B':
        case 'C':
            calc.SetActiveField(CParabixCalc::FieldA + (key - 'A'));
            break;
        case 'K':
            calc.Clear();
            break;
        default:
            calc.Digit(static_cast<wchar_t>(key));
        }
    }
}

TEST(ParabixCalc, EntryEditing) {
    const struct {
        const char* keys;
        const wchar_t* text;
    } cases[] = {
        {"12", L"12"},
        {"007", L"007"}, // a leading zero stays
        {"1.5.2", L"1.52"},
        {"-1", L"-1"},
        {"1-", L"1"},
        {"--", L"-"},
        {"12<", L"1"},
        {"<<", L""},
        {"1234567890123456", L"123456789012345"},
        {"123456789012345.", L"123456789012345"},
        {"12345678901234.5", L"12345678901234."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        CParabixCalc calc;
        Press(calc, c.keys);
        EXPECT_STREQ(calc.GetEntry(CParabixCalc::FieldA), c.text);
    }
}

TEST(ParabixCalc, EnterMovesOnAndSolvesWhenAllFieldsHoldText) {
    CParabixCalc calc;
    Press(calc, "1=");
    EXPECT_EQ(calc.GetActiveField(), CParabixCalc::FieldB);
    EXPECT_STREQ(calc.GetLine(0), L"");
    Press(calc, "-3=");
    EXPECT_EQ(calc.GetActiveField(), CParabixCalc::FieldC);
    Press(calc, "2=");
    EXPECT_EQ(calc.GetActiveField(), CParabixCalc::FieldA);
    EXPECT_STREQ(calc.GetLine(0), L"The x intercepts are:");
    EXPECT_STREQ(calc.GetLine(1), L"(2, 1)");
    EXPECT_STREQ(calc.GetLine(2), L"The Vertice is located:");
    EXPECT_STREQ(calc.GetLine(3), L"(1.5, -0.25)");

    // "=" with an empty field moves on and leaves the lines unchanged.
    Press(calc, "C<=");
    EXPECT_EQ(calc.GetActiveField(), CParabixCalc::FieldA);
    EXPECT_STREQ(calc.GetLine(1), L"(2, 1)");
    EXPECT_EQ(calc.GetSolver().GetC(), 0.0) << "the empty field was still stored";

    // Clear empties fields and lines, the active field stays.
    Press(calc, "BK");
    EXPECT_EQ(calc.GetActiveField(), CParabixCalc::FieldB);
    EXPECT_STREQ(calc.GetEntry(CParabixCalc::FieldA), L"");
    EXPECT_STREQ(calc.GetLine(1), L"");
}

TEST(ParabixCalc, GraphUsesTheCoefficientsOfTheLastEnter) {
    CParabixCalc calc;
    EXPECT_STREQ(calc.PrepareGraph(), L"0*X^2+0*X+0") << "before any Enter: a line";
    EXPECT_STREQ(calc.GetLine(0), L"Equation of a line:");
    Press(calc, "1=-3=2=");
    Press(calc, "A<5"); // typed after the Enter, not read by the graph
    EXPECT_STREQ(calc.PrepareGraph(), L"1*X^2-3*X+2");
    EXPECT_STREQ(calc.GetLine(1), L"(2, 1)");
}

TEST(ParabixCalc, FieldsCycle) {
    CParabixCalc calc;
    const int next[] = {2, 3, 1, 2};
    for (int expected : next) {
        calc.NextField();
        EXPECT_EQ(calc.GetActiveField(), expected);
    }
    const int previous[] = {1, 3, 2, 1};
    for (int expected : previous) {
        calc.PreviousField();
        EXPECT_EQ(calc.GetActiveField(), expected);
    }
    calc.SetActiveField(4);
    EXPECT_EQ(calc.GetActiveField(), 1);
}

} // namespace
