#include "CoreFixture.h"

#include <algorithm>

namespace {

constexpr int kExpr = kModeExpression;
constexpr int kAlg = kModeAlgebraic;
constexpr int kDal = kModeDal;
constexpr int kChain = kModeChain;

const SKeyCase kExpressionCases[] = {
    // On an empty line: no operator (use ±), "." starts 0., "(" and constants are fine.
    {kExpr, 10, 0, L"+", L"0.", L""},
    {kExpr, 10, 0, L"-", L"0.", L""},
    {kExpr, 10, 0, L".", L"0.", L"0."},
    {kExpr, 10, 0, L"(", L"0.", L"("},
    {kExpr, 10, 0, L"pi", L"0.", L"(pi)"},
    {kExpr, 10, 0, L"E", L"0.", L""},
    // After "(" only "-" of the operators.
    {kExpr, 10, 0, L"( + \u00D7 \u00F7 -", L"0.", L"(-"},
    // The empty operand is 0; "2(" is accepted and fails at "=".
    {kExpr, 10, 0, L"5 + =", L"5.", L"5+"},
    {kExpr, 10, 0, L"2 (", L"0.", L"2("},
    {kExpr, 10, 0, L"2 ( =", L"Syntax Error", L"2()"},
    // "=" closes what is open.
    {kExpr, 10, 0, L"sin 3 0 =", L"0.5", L"sin(30)"},
    {kExpr, 10, 0, L"2 + 3 \u00D7 4 =", L"14.", L"2+3\u00D74"},
    {kExpr, 10, 0, L"1 - sqrt 2 =", L"-0.4142135624", L"1-sqrt(2)"},
    {kExpr, 10, 0, L"2 0 0 + pct 1 0 =", L"220.", L"200+pct(10)"},
    {kExpr, 10, 0, L"2 0 0 + 1 0 pct", L"0.", L"200+10"},
    {kExpr, 10, 0, L"2 \u00D7 pi =", L"6.28318530718", L"2\u00D7(pi)"},
    {kExpr, 10, 0, L"2 E 3 =", L"2000.", L"2E3"},
    {kExpr, 10, 0, L"1 \u00F7 0 =", L"Infinity", L"1\u00F70"},
    // ± toggles the sign of the number at the end of the line.
    {kExpr, 10, 0, L"3 \u00B1", L"0.", L"-3"},
    {kExpr, 10, 0, L"3 \u00B1 \u00B1", L"0.", L"3"},
    {kExpr, 10, 0, L"5 + 3 \u00B1", L"0.", L"5+-3"},
    {kExpr, 10, 0, L"5 - 3 \u00B1", L"0.", L"5--3"},
    {kExpr, 10, 0, L"5 - 3 \u00B1 \u00B1 =", L"2.", L"5---3"},
    // Digits: none after ")", "0" is replaced, one point per number, 17 characters.
    {kExpr, 10, 0, L"( 2 ) 3", L"0.", L"(2)"},
    {kExpr, 10, 0, L"0 5 . 5 .", L"0.", L"5.5"},
    {kExpr, 10, 0, L"1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1", L"0.", L"11111111111111111"},
    // Postfix keys write the engine's postfix characters.
    {kExpr, 10, 0, L"2 sqrd =", L"4.", L"2\u00B2"},
    {kExpr, 10, 0, L"4 inv =", L"0.25", L"4-\u00B9"},
    {kExpr, 10, 0, L"2 cbd", L"0.", L"2\u00B3"},
    // After "=": an operator continues from the result, anything else starts anew.
    {kExpr, 10, 0, L"2 + 3 = \u00D7 2 =", L"10.", L"5\u00D72"},
    {kExpr, 10, 0, L"2 + 3 = sqrd =", L"25.", L"5\u00B2"},
    {kExpr, 10, 0, L"2 + 3 = 7", L"5.", L"7"},
    {kExpr, 10, 0, L"2 + 3 = clear ans + 1 =", L"6.", L"5+1"},
    {kExpr, 10, 0, L"2 + 3 = clear", L"0.", L""},
    {kExpr, 10, 0, L"1 2 3 bs", L"0.", L"12"},
    // History: up shows the entry before the newest, down moves past the newest.
    {kExpr, 10, 0, L"1 + 1 = 2 + 2 = up", L"2.", L"1+1"},
    {kExpr, 10, 0, L"1 + 1 = 2 + 2 = up up", L"2.", L"1+1"},
    {kExpr, 10, 0, L"1 + 1 = 2 + 2 = up down", L"4.", L"2+2"},
    {kExpr, 10, 0, L"1 + 1 = 2 + 2 = up down down", L"0.", L""},
    {kExpr, 10, 0, L"1 + 1 = up \u00D7 3 =", L"6.", L"2\u00D73"},
    // An operator after a recalled entry continues from the result shown.
    {kExpr, 10, 0, L"1 + 1 = 2 + 2 = up \u00D7 3 =", L"6.", L"2\u00D73"},
    // Angle keys: drg cycles the unit, drg> converts the shown value too.
    {kExpr, 10, 0, L"drg drg cos 1 0 0 =", L"0.", L"cos(100)"},
    {kExpr, 10, 0, L"3 0 = drg>", L"0.5235987756", L""},
    // Other bases: no functions, no parentheses, no constants; their digits only.
    {kExpr, 16, 0, L"A sin ( ) pi F", L"0", L"AF"},
    {kExpr, 16, 0, L"A F =", L"AF", L"AF"},
    {kExpr, 16, 0, L"2 sin ( E", L"0", L"2E"},
    {kExpr, 16, 0, L"F ^ & 3 =", L"3", L"F&3"},
    {kExpr, 16, 0, L"0 - 1 =", L"FFFFFFFF", L"0-1"},
    {kExpr, 2, 0, L"1 0 1 + 1 1 =", L"1000", L"101+11"},
    {kExpr, 8, 0, L"8 7 + 1 =", L"10", L"7+1"},
    {kExpr, 10, 0, L"F F", L"0.", L""},
};

const SKeyCase kAlgebraicCases[] = {
    // D.A.L.: a prefix function multiplies what stands before it.
    {kDal, 10, 0, L"2 sin 3 0 =", L"1.", L"="},
    {kDal, 10, 0, L"2 cos", L"0.", L"cos"},
    {kDal, 10, 0, L"2 sin =", L"0.", L"sin"},
    {kDal, 10, 0, L"( sin 3 0 ) =", L"0.5", L"="},
    {kDal, 10, 0, L"9 sqrt", L"3.", L""},
    {kDal, 10, 0, L"2 + 3 \u00D7 4 =", L"14.", L"="},
    // The angle keys on an empty X leave nothing to multiply; on a value they keep it.
    {kDal, 10, 0, L"drg drg sin 1 0 0 =", L"1.", L"="},
    {kDal, 10, 0, L"drg sin 0 =", L"0.", L"="},
    {kDal, 10, 0, L"drg drg ( 1 0 0 ) =", L"100.", L"="},
    {kDal, 10, 0, L"drg drg ( sin 1 0 0 + 2 ) =", L"3.", L"="},
    {kDal, 10, 0, L"3 drg drg sin 1 0 0 =", L"3.", L"="},
    {kDal, 10, 0, L"3 drg drg ( 2 ) =", L"6.", L"="},
    {kDal, 10, 0, L"1 + drg drg sin 1 0 0 =", L"2.", L"="},
    {kAlg, 10, 0, L"2 + 3 \u00D7 4 =", L"14.", L"="},
    {kChain, 10, 0, L"2 + 3 \u00D7 4 =", L"20.", L"="},
    // Percent of the previous value after + or -.
    {kDal, 10, 0, L"2 0 0 + 1 0 pct", L"20.", L"+"},
    {kDal, 10, 0, L"2 0 0 + 1 0 pct =", L"220.", L"="},
    {kAlg, 10, 0, L"2 0 0 + 1 0 pct =", L"220.", L"="},
    {kChain, 10, 0, L"2 0 0 + 1 0 pct", L"20.", L"+"},
    {kChain, 10, 0, L"2 0 0 + 1 0 pct =", L"220.", L"="},
    {kDal, 10, 0, L"5 0 pct", L"0.5", L""},
    // Algebraic and Chain: every function acts at once, not after an operator.
    {kAlg, 10, 0, L"2 cos", L"0.99939082702", L""},
    {kChain, 10, 0, L"2 cos", L"0.99939082702", L""},
    {kAlg, 10, 0, L"4 sqrt + 1 =", L"3.", L"="},
    {kAlg, 10, 0, L"2 + sqrt", L"0.", L"+"},
    {kAlg, 10, 0, L"5 \u00B1", L"-5.", L""},
    // Chain repeats the last operation on a repeated "=".
    {kChain, 10, 0, L"2 + 3 =", L"5.", L"="},
    {kChain, 10, 0, L"2 + 3 = =", L"8.", L"="},
    {kChain, 10, 0, L"2 \u00D7 3 = = =", L"54.", L"="},
    {kChain, 10, 0, L"2 + 3 = (", L"5.", L"="},
    {kChain, 10, 0, L"=", L"0.", L""},
    // Parentheses.
    {kDal, 10, 0, L"2 \u00D7 ( 3 + 4 ) =", L"14.", L"="},
    {kDal, 10, 0, L"2 + ( 3", L"3.", L"("},
    {kDal, 10, 0, L"( 2 + 3 ) 4 =", L"20.", L"="},
    {kAlg, 10, 0, L"2 ( 3 =", L"6.", L"="},
    {kChain, 10, 0, L"2 + ( 3 \u00D7 4 ) =", L"14.", L"="},
    {kChain, 10, 0, L"2 + ( 3 + 4", L"4.", L"+"},
    {kDal, 10, 0, L")", L"0.", L""},
    // The operator just pressed is replaced by the next one.
    {kDal, 10, 0, L"2 + \u00D7 3 =", L"6.", L"="},
    {kChain, 10, 0, L"2 + \u00D7 3 = =", L"18.", L"="},
    // Digits in X.
    {kDal, 10, 0, L"0 0 5", L"5.", L""},
    {kDal, 10, 0, L". 5 .", L"0.5", L""},
    {kDal, 10, 0, L"1 2 3 bs", L"12.", L""},
    {kDal, 10, 0, L"1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6 7 8 9 0 1", L"1.23456789e+019", L""},
    // Clearing.
    {kDal, 10, 0, L"2 + 3 ce 4 =", L"6.", L"="},
    {kDal, 10, 0, L"2 + 3 clear =", L"0.", L""},
    // Values.
    {kDal, 10, 0, L"2 + pi =", L"5.14159265359", L"="},
    {kDal, 10, 0, L"2 + 3 = \u00D7 ans =", L"25.", L"="},
    {kChain, 10, 0, L"5 = m+ 1 3 = m+ 1 clear rcl 1", L"8.", L""},
    // Other bases.
    {kDal, 16, 0, L"pi", L"0", L""},
    {kDal, 16, 0, L"F F + 1 =", L"100", L"="},
    {kChain, 10, 0, L"2 5 5 base:16", L"FF", L"="},
};

const SKeyCase kNotationCases[] = {
    {kChain, 10, 2, L"1 2 3 . 4 5", L"1.2345e+002", L""},
    {kChain, 10, 3, L"1 2 3 4 5 =", L"12.345e+003", L"="},
    {kChain, 10, 1, L"1 \u00F7 3 =", L"0.3333333333", L"="},
    {kChain, 10, 0, L"2 ^ 1 0 0 0 =", L"1.071508607e+301", L"="},
    {kExpr, 10, 0, L"base:16 F F = base:10", L"255.", L"255"},
    {kExpr, 10, 0, L"1 6 3 8 4 = base:2", L"Display too large", L"100000000000000"},
};

TEST_P(KeyCaseTest, ShowsDisplayAndLine) {
    RunCase(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Expression, KeyCaseTest, ::testing::ValuesIn(kExpressionCases));
INSTANTIATE_TEST_SUITE_P(Algebraic, KeyCaseTest, ::testing::ValuesIn(kAlgebraicCases));
INSTANTIATE_TEST_SUITE_P(Notations, KeyCaseTest, ::testing::ValuesIn(kNotationCases));

using EntryModeTest = CoreFixture;

TEST_F(EntryModeTest, RefusedKeysChangeNothing) {
    m_calculator->SetCalcMode(kModeExpression);
    Keys(L"( 2");
    EXPECT_EQ(m_calculator->OperatorKey(18), 0);
    EXPECT_EQ(m_calculator->DigitKey(kDigitExponent), 0);
    EXPECT_EQ(m_calculator->FunctionKey(32), 0);
    EXPECT_EQ(m_calculator->ConstantKey(22), 0);
    EXPECT_EQ(m_calculator->ParenthesisKey(2), 0);
    EXPECT_EQ(m_calculator->ClearKey(4), 0);
    EXPECT_EQ(m_calculator->BaseKey(17), 0);
    EXPECT_EQ(m_calculator->BaseKey(1), 0);
    EXPECT_EQ(Line(), L"(2");
    EXPECT_EQ(m_calculator->GetBase(), 10);
}

TEST_F(EntryModeTest, AtMostNineteenLevelsOpen) {
    for (int mode : {kModeAlgebraic, kModeDal}) {
        SCOPED_TRACE(mode);
        m_calculator->SetCalcMode(mode);
        m_calculator->CurrentMode().ClearEverything();
        Keys(L"1 +");
        int accepted = 0;
        for (int i = 0; i < 25; ++i) {
            accepted += m_calculator->ParenthesisKey(0);
        }
        EXPECT_EQ(accepted, CDalMode::kMaxLevel);
        Keys(L"2 =");
        EXPECT_EQ(Display(), L"3.");
    }
    // Chain takes "(" only after an operator or a value, so levels open one at a time.
    m_calculator->SetCalcMode(kModeChain);
    Keys(L"1 + ( ( 2 + ( 3 =");
    EXPECT_EQ(Display(), L"6.");
}

// The expression line always keeps room for the ")" that "=" appends, whatever is typed.
TEST_F(EntryModeTest, ExpressionLineStaysWithinItsBuffer) {
    m_calculator->SetCalcMode(kModeExpression);
    for (int i = 0; i < 400; ++i) {
        m_calculator->FunctionKey(24);
        m_calculator->ParenthesisKey(0);
        m_calculator->DigitKey(i % 10);
        m_calculator->OperatorKey(0);
    }
    EXPECT_LT(Line().size(), static_cast<size_t>(kLineCapacity));
    EXPECT_EQ(m_calculator->EqualsKey(0), 1);
    const std::wstring line = Line();
    EXPECT_EQ(std::count(line.begin(), line.end(), L'('),
              std::count(line.begin(), line.end(), L')'));
    EXPECT_EQ(Display(), L"Syntax Error");
}

TEST_F(EntryModeTest, HistoryKeepsThirtyEntries) {
    m_calculator->SetCalcMode(kModeExpression);
    for (int i = 1; i <= 35; ++i) {
        for (wchar_t c : std::to_wstring(i)) {
            m_calculator->DigitKey(c - L'0');
        }
        m_calculator->EqualsKey(0);
        m_calculator->EqualsKey(0); // the same pair again is not added twice
    }
    const CExpressionHistory& history = m_calculator->GetHistory();
    EXPECT_EQ(history.Count(), CExpressionHistory::kEntries);
    EXPECT_EQ(std::wstring(history.At(0).expression.Get()), L"6");
    int steps = 0;
    while (m_calculator->ArrowKey(38)) {
        ++steps;
    }
    EXPECT_EQ(steps, CExpressionHistory::kEntries - 1);
    EXPECT_EQ(Line(), L"6");
    // A second clear in a row empties the history; arrows only work in Expression mode.
    Keys(L"clear clear");
    EXPECT_EQ(history.Count(), 0);
    m_calculator->SetCalcMode(kModeChain);
    EXPECT_EQ(m_calculator->ArrowKey(38), 0);
}

TEST_F(EntryModeTest, LayerKeys) {
    struct {
        int from;
        int key;
        int to;
    } const cases[] = {
        {5, 0, 0}, {0, 0, 5}, {1, 0, 2}, {2, 0, 1}, {3, 0, 0}, {4, 0, 0},
        {5, 1, 1}, {1, 1, 5}, {0, 1, 2}, {2, 1, 0}, {3, 1, 1}, {5, 3, 3},
        {3, 3, 5}, {4, 3, 3}, {5, 7, 7}, {7, 7, 5}, {0, 2, 5}, {2, 9, 5},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(std::to_string(row.from) + " key " + std::to_string(row.key));
        // Reach the starting layer: through 2ndF/Hyp or a numbered layer key.
        m_calculator->LayerKey(2);
        if (row.from == 0 || row.from == 2) {
            m_calculator->LayerKey(0);
        }
        if (row.from == 1 || row.from == 2) {
            m_calculator->LayerKey(1);
        }
        if (row.from >= 3 && row.from != 5) {
            m_calculator->LayerKey(row.from);
        }
        ASSERT_EQ(m_calculator->GetLayer(), row.from);
        EXPECT_EQ(m_calculator->LayerKey(row.key), 1);
        EXPECT_EQ(m_calculator->GetLayer(), row.to);
    }
    // A function key and a clear key return to the normal layer; backspace does not.
    Keys(L"2ndf hyp");
    Keys(L"bs");
    EXPECT_EQ(m_calculator->GetLayer(), kLayerSecondHyp);
    Keys(L"sin");
    EXPECT_EQ(m_calculator->GetLayer(), kLayerNormal);
    Keys(L"2ndf ce");
    EXPECT_EQ(m_calculator->GetLayer(), kLayerNormal);
}

// Each mode keeps its own line and values while another one receives the keys.
TEST_F(EntryModeTest, ModesKeepTheirOwnValues) {
    m_calculator->SetCalcMode(kModeExpression);
    Keys(L"1 + 2");
    m_calculator->SetCalcMode(kModeRpn);
    Keys(L"7 = 8");
    m_calculator->SetCalcMode(kModeExpression);
    EXPECT_EQ(Line(), L"1+2");
    m_calculator->SetCalcMode(kModeRpn);
    Keys(L"+");
    EXPECT_EQ(Display(), L"15.");
    EXPECT_EQ(m_calculator->SetCalcMode(5), 0);
    EXPECT_EQ(m_calculator->GetCalcMode(), kModeRpn);
}

// A base change converts the shown value and clears every mode: values kept in the
// old base would be read as other numbers.
TEST_F(EntryModeTest, BaseChangeClearsTheOtherModes) {
    m_calculator->SetCalcMode(kModeAlgebraic);
    Keys(L"1 2");
    m_calculator->SetCalcMode(kModeExpression);
    Keys(L"2 5 5 = base:16");
    EXPECT_EQ(Display(), L"FF");
    EXPECT_EQ(std::wstring(m_calculator->GetLastAnswer()), L"FF");
    m_calculator->SetCalcMode(kModeAlgebraic);
    EXPECT_EQ(Display(), L"0");
    Keys(L"ans + 1 =");
    EXPECT_EQ(Display(), L"100");
}

TEST_F(EntryModeTest, ClipboardCopiesAndPastes) {
    m_calculator->SetCalcMode(kModeExpression);
    Keys(L"1 2 3 4 5 6 7 8 9 + 1 2 3 4 5 6 7 8 9 + 1 2 3 4 5 6 7 8 9 + 1 2 3 4 5 6 7 8 9 + 1 2 3 4 "
         L"5 6 7 8 9 + 1");
    ASSERT_EQ(Line().size(), 51u);
    EXPECT_EQ(Press(L"copyexpr"), 1);
    Keys(L"clear paste");
    // 49 characters were copied, 32 come back.
    EXPECT_EQ(Line(), L"123456789+123456789+123456789+12");
    Keys(L"= copy clear 1 + paste");
    EXPECT_EQ(Line(), L"1+370370379");
    m_calculator->SetCalcMode(kModeRpn);
    EXPECT_EQ(Press(L"copyexpr"), 0);
}

} // namespace
