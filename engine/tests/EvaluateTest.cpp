#include "EngineTestSupport.h"

#include "engine/ZoqNumoraUtil.h"

#include <cmath>
#include <cwchar>

namespace {

class Evaluate : public EngineTest {
protected:
    template <std::size_t N> void Check(const ExpressionCase (&cases)[N]) {
        for (const ExpressionCase& c : cases) {
            SCOPED_TRACE(Narrow(c.expression));
            EXPECT_EQ(Eval(c.expression), c.expected);
        }
    }
};

TEST_F(Evaluate, ArithmeticAndPrecedence) {
    const ExpressionCase cases[] = {
        {L"2+3*4", L"14"},       {L"2^3^2", L"64"},  {L"-2^2", L"4"},   {L"2^-2", L"0.25"},
        {L"10-2-3", L"5"},       {L"8/2/2", L"2"},   {L"2+3%2", L"3"},  {L"--3", L"3"},
        {L"2*-3", L"-6"},        {L"(1+2)*3", L"9"}, {L"2E3", L"2000"}, {L"1.5E-1", L"0.15"},
        {L"sin(30)^2", L"0.25"},
    };
    Check(cases);
}

// Deliberate oddities of the calculator's grammar, each pinned so that nobody
// "fixes" one by accident.
TEST_F(Evaluate, PowerIsLeftAssociative) {
    EXPECT_EQ(Eval(L"2^3^2"), L"64"); // (2^3)^2, not 2^9 = 512
    EXPECT_EQ(Eval(L"2^1^3"), L"8");  // (2^1)^3, not 2^(1^3) = 2
}

TEST_F(Evaluate, MinusBindsTighterThanPlus) {
    // a+b-c is a+(b-c): (a+b) would overflow first.
    EXPECT_EQ(Eval(L"1e+308+1e+308-1e+308"), L"1.e+308");
    // The pct rule shows it too: 4-pct(50) runs while slot 0 still holds 10.
    EXPECT_EQ(Eval(L"10+4-pct(50)"), L"9");
    // The other way round "-" comes first anyway: (5-3)+1.
    EXPECT_EQ(Eval(L"5-3+1"), L"3");
}

TEST_F(Evaluate, DivisionBindsTighterThanMultiplication) {
    // a*b/c is a*(b/c): (a*b) would overflow first.
    EXPECT_EQ(Eval(L"1e308*10/100"), L"1.e+307");
    EXPECT_EQ(Eval(L"8/4*2"), L"4");
}

TEST_F(Evaluate, UnaryMinusAndFunctionsBindTighterThanEveryBinaryOperator) {
    EXPECT_EQ(Eval(L"-2^2"), L"4");
    EXPECT_EQ(Eval(L"pm(2)^2"), L"4");
    EXPECT_EQ(Eval(L"-2%3"), L"-2");
}

TEST_F(Evaluate, SubtractionIsRoundedAdditionIsNot) {
    EXPECT_EQ(Eval(L"0.3-0.1"), L"0.2");
    EXPECT_EQ(value, 0.2); // the double nearest 0.2, not 0.19999999999999998
    EXPECT_EQ(Eval(L"10-9.99"), L"0.01");
    EXPECT_EQ(value, 0.01);
    Eval(L"0.1+0.2");
    EXPECT_EQ(value, 0.1 + 0.2); // 0.30000000000000004: addition keeps its noise
}

TEST_F(Evaluate, RoundedSubtractionKeepsDifferencesThatAreNotNoise) {
    const ExpressionCase cases[] = {
        {L"1e+300-1", L"1.e+300"},
        {L"5e-16-0", L"5.e-016"},
        {L"1e-20-0", L"1.e-020"},
        {L"1.5e+020-1", L"1.5e+020"},
        {L"0.000001234567891-0", L"1.234567891e-006"},
        {L"1e-300-1e-301", L"9.e-301"},
        {L"4e-16-0", L"4.e-016"},
        // Rounding 15 decimals away moves this difference by 3.6e-13 of itself: kept.
        {L"0.00123456789012345-1e-20", L"1.23456789012345e-003"},
        {L"1e+308-1e+292", L"1.e+308"},
    };
    Check(cases);
    Eval(L"1.234567891234e-8-0");
    EXPECT_EQ(value, 1.234567891234e-8);
}

// The rounding applies however far it moves a difference of operands written without
// an exponent; with an exponent it applies while it moves it by at most 1e-13 of itself.
TEST_F(Evaluate, RoundedSubtractionRemovesTheNoiseOfEveryDifference) {
    const struct {
        const wchar_t* expression;
        const wchar_t* expected;
        double value;
    } cases[] = {
        {L"-586P-cos((-334.1))--665%17.6", L"14.8", 14.8},
        {L"0.1-1e-16", L"0.1", 0.1},
        {L"0.0123456789012345-1e-20", L"1.2345678901235e-002", 0.012345678901235},
        {L"1e+20-1e+19", L"9.e+019", 9e19},
        {L"1e-20-1e-21", L"9.e-021", 9e-21},
        {L"0.30000000000001-0.1", L"0.20000000000001", 0.20000000000001},
        {L"2.675-2", L"0.675", 0.675},
        {L"1-0.9", L"0.1", 0.1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Narrow(c.expression));
        EXPECT_EQ(Eval(c.expression), c.expected);
        EXPECT_EQ(value, c.value);
    }
}

TEST_F(Evaluate, EmptyOperandsAreZero) {
    const ExpressionCase cases[] = {
        {L"5+", L"5"}, {L"()", L"0"},        {L"*5", L"0"},   {L"5*", L"0"},
        {L"", L"0"},   {L"rand()", nullptr}, {L"2+*3", L"2"},
    };
    for (const ExpressionCase& c : cases) {
        SCOPED_TRACE(Narrow(c.expression));
        std::wstring result = Eval(c.expression);
        if (c.expected)
            EXPECT_EQ(result, c.expected);
        else
            EXPECT_NE(result, L"syntax error");
    }
}

TEST_F(Evaluate, SyntaxErrors) {
    const wchar_t* cases[] = {
        L"2(3)", L"2pi",  L"sin30", L"SIN(30)", L"2 + 3",  L"1.2.3",    L"2)",
        L"(2",   L"sin",  L"2+sin", L"2e3+1",   L"1e5-3",  L"2e",       L"2e+",
        L".",    L"2e3+", L"1e5e3", L"foo(1)",  L"E5",     L"x",        L"pi2",
        L"(1))", L")(",   L"2\t+1", L"3\u00B9", L"\u00E9", L"2\u01D73",
    };
    for (const wchar_t* expression : cases) {
        SCOPED_TRACE(Narrow(expression));
        EXPECT_EQ(Eval(expression), L"syntax error");
    }
}

TEST_F(Evaluate, SyntaxErrorReturnsFirstNumberAsScanned) {
    Eval(L"7+sin");
    EXPECT_EQ(value, 7);
    Eval(L"sin");
    EXPECT_EQ(value, 0);
}

TEST_F(Evaluate, LiteralsAreConsumedWhole) {
    const ExpressionCase cases[] = {
        {L".5", L"0.5"},
        {L"5.", L"5"},
        {L"1.5e+020-1", L"1.5e+020"},
        {L"2e-3-1", L"-0.998"},
        {L"1e+5-3", L"99997"},
        {L"0.1e1", L"1"},
        {L"1e400", L"infinity"},
        {L"1e-400", L"0"},
        {L"0.30000000000000000000000000000000001", L"0.3"},
    };
    Check(cases);
    Eval(L"2.2250738585072011e-308");
    EXPECT_EQ(value, 2.2250738585072011e-308);
    Eval(L"9007199254740993"); // 2^53 + 1 rounds to even
    EXPECT_EQ(value, 9007199254740992.0);
}

TEST_F(Evaluate, SpecialCharactersAreRewritten) {
    const ExpressionCase cases[] = {
        {L"2\u00D73", L"6"}, {L"6\u00F73", L"2"},    {L"3\u00B2", L"9"},
        {L"2\u00B3", L"8"},  {L"4-\u00B9", L"0.25"}, {L"2\u00D73\u00D74", L"24"},
    };
    Check(cases);
}

TEST_F(Evaluate, ConstantsAndFunctions) {
    const ExpressionCase cases[] = {
        {L"pi", L"3.14159265358979"},
        {L"e", L"2.71828182845905"},
        {L"exp(1)", L"2.71828182845905"},
        {L"ex(1)", L"2.71828182845905"},
        {L"abs(-2)", L"2"},
        {L"log(1000)", L"3"},
        {L"ln(e)", L"1"},
        {L"log2(8)", L"3"},
        {L"sqrt(16)", L"4"},
        {L"tenx(3)", L"1000"},
        {L"tenx(-300)", L"1.e-300"},
        {L"1E-47", L"1.e-047"},
        {L"10^-50", L"1.e-050"},
        {L"10^-60*1e60", L"1"},
        {L"crt(27)", L"3"},
        {L"crt(-8)", L"-2"},
        {L"cbd(2)", L"8"},
        {L"sqrd(3)", L"9"},
        {L"inv(4)", L"0.25"},
        {L"pm(5)", L"-5"},
        {L"cosh(0)", L"1"},
        {L"sinh(0)", L"0"},
        {L"tanh(0)", L"0"},
        {L"asnh(0)", L"0"},
        {L"acsh(1)", L"0"},
        {L"acsh(0.5)", L"0"},
        {L"atnh(1)", L"0"},
        {L"atnh(-1)", L"0"},
        {L"atanh(1)", L"infinity"},
        {L"atanh(0.5)", L"0.549306144334055"},
        {L"atnh(0.5)", L"0.549306144334055"},
        {L"8r3", L"2"},
        {L"-8r3", L"imaginary"},
        {L"3R4", L"5"},
        {L"2X60", L"1"},
        {L"2Y30", L"1"},
        {L"12&10", L"8"},
        {L"12|10", L"14"},
        {L"12x10", L"6"},
        {L"0n0", L"1"},
        {L"1n0", L"0"},
        {L"7%3", L"1"},
        {L"-7%3", L"-1"},
        {L"sqrt(-1)", L"imaginary"},
        {L"1/0", L"infinity"},
        {L"0/0", L"imaginary"},
        {L"ln(0)", L"infinity"},
        {L"asin(2)", L"imaginary"},
    };
    Check(cases);
}

TEST_F(Evaluate, FactorialCombinationsPermutations) {
    const ExpressionCase cases[] = {
        {L"!(5)", L"120"},
        {L"!(0)", L"1"},
        {L"!(-3)", L"-6"},
        {L"!(171)", L"infinity"},
        {L"!(170)", L"7.257415615308e+306"},
        {L"!(1e9)", L"infinity"},
        {L"!(1e300)", L"infinity"},
        {L"!(0.5)", L"0.886241485039473"},
        {L"5C2", L"10"},
        {L"5P2", L"20"},
        {L"5C0", L"1"},
        {L"5P0", L"1"},
        {L"3C5", L"0.05"},
        {L"5.9C2.9", L"10"},
        {L"200C100", L"imaginary"},
        {L"1e300C1", L"imaginary"},
        {L"1e300P1", L"imaginary"},
    };
    Check(cases);
}

TEST_F(Evaluate, AngleUnits) {
    const ExpressionCase degrees[] = {
        {L"cos(90)", L"0"},     {L"sin(180)", L"0"}, {L"tan(180)", L"0"}, {L"acos(0)", L"90"},
        {L"0<1", L"90"},        {L"1<-1", L"315"},   {L"0<-1", L"270"},   {L"-1<0", L"180"},
        {L"0<0", L"imaginary"}, {L"atan(1)", L"45"},
    };
    Check(degrees);
    engine->SetAngleMode(AngleGrads);
    EXPECT_EQ(Eval(L"acos(0)"), L"100");
    EXPECT_EQ(Eval(L"sin(100)"), L"1");
    engine->SetAngleMode(AngleRadians);
    EXPECT_EQ(Eval(L"cos(pi)"), L"-1");
    EXPECT_EQ(Eval(L"0<1"), L"1.5707963267949");
}

TEST_F(Evaluate, AngleOfNegativeZeroCountsAsZero) {
    EXPECT_EQ(Eval(L"-0<1"), L"90");
    EXPECT_EQ(Eval(L"1<-0"), L"0");
    EXPECT_EQ(Eval(L"-0<-1"), L"270");
}

// After cos, sin, tan and their inverses results in (0, 1e-11) and (-1e-10, 0) become 0.
TEST_F(Evaluate, SnappingWindowsDiffer) {
    engine->SetAngleMode(AngleRadians);
    const ExpressionCase cases[] = {
        {L"sin(5e-12)", L"0"},    {L"sin(2e-11)", L"2.e-011"},
        {L"sin(-5e-11)", L"0"},   {L"sin(-2e-10)", L"-0.0000000002"},
        {L"sin(-2e-11)", L"0"}, // inside the negative window, outside the positive one
        {L"atan(5e-12)", L"0"},   {L"sinh(5e-12)", L"5.e-012"}, // hyperbolic: not snapped
        {L"1Y5e-12", L"5.e-012"},                               // polar conversion: not snapped
    };
    Check(cases);
}

TEST_F(Evaluate, PercentTakesSlotZeroWhenSlotOneIsSet) {
    const ExpressionCase cases[] = {
        {L"pct(50)", L"0.5"}, {L"200+pct(10)", L"220"}, {L"200*3+pct(10)", L"660"},
        {L"pct(10)+5", L"6"}, {L"0+pct(10)", L"0"}, // 10 percent of slot 0
    };
    Check(cases);
}

TEST_F(Evaluate, SumAndDegreeConversions) {
    const ExpressionCase cases[] = {
        {L"sum(4)", L"10"},
        {L"sum(-4)", L"-10"},
        {L"sum(4.7)", L"10"},
        {L"sum(0)", L"0"},
        {L"sum(1e300)", L"infinity"},
        {L"sum(1e9)", L"5.000000005e+017"},
        {L"dms(12.5125)", L"12.3045"},
        {L"dc(12.3045)", L"12.5125"},
        {L"dc(-12.3045)", L"-12.5125"},
        {L"dms(-12.5125)", L"-12.3045"},
    };
    Check(cases);
}

TEST_F(Evaluate, NotFiniteOperandsOfIntegerOperations) {
    // Conversions to integers saturate at the ends of the 64-bit range; NaN counts as 0.
    const ExpressionCase cases[] = {
        {L"(1/0)&7", L"7"},
        {L"(0/0)|5", L"5"},
        {L"(0/0)n0", L"1"},
        {L"(-1/0)&1", L"0"},
        {L"1e30x0", L"9.22337203685478e+018"},
        {L"sum(0/0)", L"imaginary"},
        {L"sum(-1/0)", L"infinity"},
        {L"(0/0)C1", L"imaginary"},
        {L"!(-1/0)", L"infinity"},
    };
    Check(cases);
}

TEST_F(Evaluate, RandomStaysWithinZeroAndOne) {
    engine->SeedRandom(7);
    for (int i = 0; i < 200; ++i) {
        std::wstring text = Eval(L"rand(0)");
        ASSERT_NE(text, L"syntax error");
        ASSERT_GE(value, 0.0);
        ASSERT_LE(value, 1.0);
    }
    engine->SeedRandom(7);
    Eval(L"rand(0)");
    double first = value;
    engine->SeedRandom(7);
    Eval(L"rand(5)");
    EXPECT_EQ(value, first); // the argument is ignored
}

TEST_F(Evaluate, PrecisionAndSettings) {
    EXPECT_EQ(engine->SetPrecision(16), 0);
    EXPECT_EQ(engine->SetPrecision(-1), 0);
    EXPECT_EQ(engine->GetPrecision(), 15);
    EXPECT_EQ(engine->SetPrecision(5), 1);
    EXPECT_EQ(Eval(L"2/3"), L"0.66667");
    EXPECT_EQ(Eval(L"0.3-0.1"), L"0.2");
    EXPECT_EQ(engine->SetPrecision(0), 1);
    EXPECT_EQ(Eval(L"2/3"), L"0.7");
    EXPECT_EQ(engine->SetBase(1), 0);
    EXPECT_EQ(engine->SetBase(37), 0);
    EXPECT_EQ(engine->GetBase(), 10);
    EXPECT_EQ(engine->SetAngleMode(4), 0);
    EXPECT_EQ(engine->GetAngleMode(), AngleDegrees);
    for (int expected : {AngleRadians, AngleGrads, AngleDegrees}) {
        EXPECT_EQ(engine->SetAngleMode(3), 1);
        EXPECT_EQ(engine->GetAngleMode(), expected);
    }
}

TEST_F(Evaluate, OtherBases) {
    wchar_t out[Numora::kResultCapacity];
    engine->SetBase(2);
    engine->Evaluate(L"101+11", out);
    EXPECT_STREQ(out, L"1000");
    engine->SetBase(16);
    engine->Evaluate(L"-1", out);
    EXPECT_STREQ(out, L"FFFFFFFF");
    engine->Evaluate(L"1/0", out);
    EXPECT_STREQ(out, L"0"); // no markers in other bases
    engine->Evaluate(L"FF", out, 16, 10);
    EXPECT_STREQ(out, L"255");
    engine->Evaluate(L"255", out, 10, 16);
    EXPECT_STREQ(out, L"FF");
    engine->Evaluate(L"1", out, 1, 10);
    EXPECT_STREQ(out, L"syntax error");
    engine->Evaluate(L"1", out, 10, 37);
    EXPECT_STREQ(out, L"syntax error");
}

TEST_F(Evaluate, OutputMayBeTheInput) {
    wchar_t text[Numora::kResultCapacity] = L"2+3*4";
    EXPECT_EQ(engine->Evaluate(text, text), 14);
    EXPECT_STREQ(text, L"14");
}

TEST_F(Evaluate, NothingCarriesOverBetweenEvaluations) {
    Eval(L"1+2+3+4+5");
    EXPECT_EQ(Eval(L"pct(10)"), L"0.1"); // slot 1 of the previous expression is gone
}

TEST_F(Evaluate, ConvertAngleGoesToTheNextUnit) {
    wchar_t out[Numora::kResultCapacity] = L"untouched";
    EXPECT_EQ(engine->ConvertAngle(L"30", out), 1);
    EXPECT_STREQ(out, L"0.523598775598299");
    EXPECT_EQ(engine->GetAngleMode(), AngleDegrees); // the caller cycles the mode
    engine->SetAngleMode(AngleRadians);
    EXPECT_EQ(engine->ConvertAngle(L"(pi)", out), 1);
    EXPECT_STREQ(out, L"200");
    engine->SetAngleMode(AngleGrads);
    EXPECT_EQ(engine->ConvertAngle(L"100", out), 1);
    EXPECT_STREQ(out, L"90");
    EXPECT_EQ(engine->ConvertAngle(L"", out), 1);
    EXPECT_STREQ(out, L"0");
    std::swprintf(out, Numora::kResultCapacity, L"%ls", L"untouched");
    EXPECT_EQ(engine->ConvertAngle(L"123456789012345678901234567890123", out), 0);
    EXPECT_STREQ(out, L"untouched");
}

TEST_F(Evaluate, SurvivesARecreatedTextUtility) {
    CZoqNumoraUtil::ReleaseInstance();
    EXPECT_EQ(Eval(L"2\u00D73"), L"6");
}

TEST_F(Evaluate, ReleaseStartsAFreshEngine) {
    engine->SetPrecision(3);
    engine->SetAngleMode(AngleGrads);
    Numora::ReleaseInstance();
    engine = Numora::GetInstance();
    EXPECT_EQ(engine->GetPrecision(), 15);
    EXPECT_EQ(engine->GetAngleMode(), AngleDegrees);
    EXPECT_EQ(Eval(L"2/3"), L"0.666666666666667");
}

} // namespace
