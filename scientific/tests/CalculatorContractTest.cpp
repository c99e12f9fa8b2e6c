#include "CoreFixture.h"

#include "scientific/NumoraSettings.h"
#include "ui/ZoqMemoryStore.h"

#include <cctype>
#include <climits>

namespace {

const wchar_t* const kEps0 = L"8.8541878128e-012";

std::wstring ValueOf(const CCalculator& calculator) {
    wchar_t value[kResultCapacity];
    calculator.GetDisplayValue(value, kResultCapacity);
    return value;
}

std::wstring LineOf(const CCalculator& calculator) {
    wchar_t line[kLineCapacity];
    calculator.GetSecondaryText(line, kLineCapacity);
    return line;
}

void RunKeys(CCalculator& calculator, const wchar_t* script) {
    CKeyScript keys;
    ASSERT_EQ(keys.Parse(script), 1) << Narrow(script);
    keys.Run(calculator);
}

// One display call: a key script in one mode, everything the display shows out.
struct SContentCase {
    const char* name;
    int mode;
    const wchar_t* keys;
    const wchar_t* number;
    const wchar_t* line;
    int layer;
    int angleMode;
    int base;
    int historyBack;
    int historyForward;
    int memory1;
    int memory2;
};

const SContentCase kContentCases[] = {
    {"fresh expression line", kModeExpression, L"", L"0.", L"", kLayerNormal, 0, 10, 0, 0, 0, 0},
    {"one result, no older entry", kModeExpression, L"2 + 3 =", L"5.", L"2+3", kLayerNormal, 0, 10,
     0, 0, 0, 0},
    {"two results, back arrow", kModeExpression, L"2 + 3 = 4 * 5 =", L"20.", L"4\u00d75",
     kLayerNormal, 0, 10, 1, 0, 0, 0},
    {"stepped back, forward arrow", kModeExpression, L"2 + 3 = 4 * 5 = up", L"5.", L"2+3",
     kLayerNormal, 0, 10, 0, 1, 0, 0},
    {"chain indicator", kModeChain, L"2 + 3 * 4 =", L"20.", L"=", kLayerNormal, 0, 10, 0, 0, 0, 0},
    {"algebraic operator pending", kModeAlgebraic, L"7 + 2", L"2.", L"+", kLayerNormal, 0, 10, 0, 0,
     0, 0},
    {"dal 2ndF layer and radians", kModeDal, L"drg 2ndf", L"0.", L"", kLayerSecond, 1, 10, 0, 0, 0,
     0},
    {"rpn memories 1 and 2", kModeRpn, L"5 sto 1 6 sto 2", L"6.", L"", kLayerNormal, 0, 10, 0, 0, 1,
     1},
    {"rpn stored zero is no memory", kModeRpn, L"0 sto 1", L"0.", L"", kLayerNormal, 0, 10, 0, 0, 0,
     0},
    {"hex value", kModeChain, L"base:16 F F", L"FF", L"", kLayerNormal, 0, 16, 0, 0, 0, 0},
    {"error word", kModeExpression, L"1 / 0 =", L"Infinity", L"1\u00f70", kLayerNormal, 0, 10, 0, 0,
     0, 0},
};

class CalculatorContract : public CoreFixture {};

class DisplayContentTest : public CoreFixture,
                           public ::testing::WithParamInterface<SContentCase> {};

TEST_P(DisplayContentTest, ShowsWhatTheKeysLeft) {
    const SContentCase& row = GetParam();
    ASSERT_EQ(m_calculator->SetCalcMode(row.mode), 1);
    Keys(row.keys);
    SDisplayContent content;
    ASSERT_EQ(m_calculator->GetDisplayContent(&content), 1);
    EXPECT_EQ(std::wstring(content.number.main), row.number);
    EXPECT_EQ(std::wstring(content.line), row.line);
    EXPECT_EQ(content.calcMode, row.mode);
    EXPECT_EQ(content.layer, row.layer);
    EXPECT_EQ(content.angleMode, row.angleMode);
    EXPECT_EQ(content.base, row.base);
    EXPECT_EQ(content.historyBack, row.historyBack);
    EXPECT_EQ(content.historyForward, row.historyForward);
    EXPECT_EQ(content.memory1InUse, row.memory1);
    EXPECT_EQ(content.memory2InUse, row.memory2);
    EXPECT_EQ(content.separator, 0);
}

INSTANTIATE_TEST_SUITE_P(Modes, DisplayContentTest, ::testing::ValuesIn(kContentCases),
                         [](const auto& info) {
                             std::string name;
                             for (const char* c = info.param.name; *c; ++c) {
                                 name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                             }
                             return name;
                         });

TEST_F(CalculatorContract, DisplayContentNeedsSomewhereToGo) {
    EXPECT_EQ(m_calculator->GetDisplayContent(nullptr), 0);
}

// The arrows belong to the Expression mode's line: its history is still there in
// another mode, but not shown.
TEST_F(CalculatorContract, HistoryArrowsOnlyInTheExpressionMode) {
    m_calculator->SetCalcMode(kModeExpression);
    Keys(L"1 + 1 = 2 + 2 = up");
    ASSERT_TRUE(m_calculator->GetHistory().CanGoBack() ||
                m_calculator->GetHistory().CanGoForward());
    for (int mode : {kModeAlgebraic, kModeDal, kModeChain, kModeRpn}) {
        SCOPED_TRACE(mode);
        m_calculator->SetCalcMode(mode);
        SDisplayContent content;
        m_calculator->GetDisplayContent(&content);
        EXPECT_EQ(content.historyBack, 0);
        EXPECT_EQ(content.historyForward, 0);
    }
}

// Separators under the regional settings of the locale the calculator was made with:
// the period until the setting asks for the comma, whatever the locale's own decimal.
TEST(DisplayContentLocale, SeparatorsFollowTheSettingAndTheLocale) {
    const struct {
        const char* name;
        const wchar_t* decimal;
        const wchar_t* thousands;
        int separator;
        const wchar_t* shown;
        const wchar_t* line;
    } rows[] = {
        {"comma locale, default setting", L",", L".", 0, L"1234568.5", L"1234567.5+1"},
        {"comma locale, comma setting", L",", L".", 1, L"1.234.568,5", L"1234567.5+1"},
        {"period locale, comma setting", L".", L",", 1, L"1.234.568,5", L"1234567.5+1"},
        {"space-grouping locale", L",", L"\u00a0", 1, L"1\u00a0234\u00a0568,5", L"1234567.5+1"},
        {"ungrouped locale", L",", L"", 1, L"1234568,5", L"1234567.5+1"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Numora::ReleaseInstance();
        const CZoqFixedLocale locale(row.decimal, row.thousands, L"\u20ac");
        CCalculator calculator(locale);
        ASSERT_EQ(calculator.SetCalcMode(kModeExpression), 1);
        ASSERT_EQ(calculator.SetSeparator(row.separator), 1);
        RunKeys(calculator, L"1 2 3 4 5 6 7 . 5 + 1 =");
        SDisplayContent content;
        ASSERT_EQ(calculator.GetDisplayContent(&content), 1);
        EXPECT_EQ(std::wstring(content.number.main), row.shown);
        // The line keeps the engine's text; the window shows its points as commas.
        EXPECT_EQ(std::wstring(content.line), row.line);
        EXPECT_EQ(content.separator, row.separator);
    }
    Numora::ReleaseInstance();
}

// A first run (nothing stored) under a comma-decimal locale keeps the period: the
// separator is the user's choice in the Options, not the locale's.
TEST(DisplayContentLocale, FirstRunUnderACommaLocaleShowsThePeriod) {
    Numora::ReleaseInstance();
    const CZoqFixedLocale locale(L",", L".", L"\u20ac");
    CCalculator calculator(locale);
    CZoqMemoryStore store;
    CNumoraOptions options;
    CNumoraSettings(store).Load(CNumoraSettings::kDefaultKeyPath, calculator, options);
    EXPECT_EQ(calculator.GetSeparator(), 0);
    RunKeys(calculator, L"2 / 8 =");
    SDisplayContent content;
    calculator.GetDisplayContent(&content);
    EXPECT_EQ(std::wstring(content.number.main), L"0.25");
    Numora::ReleaseInstance();
}

// The vacuum permittivity from the constant table goes in exactly as the window used
// to put it in by hand: bracketed on the expression line, as a value in the others
// (which empties their operator indicator, as any value put in does).
TEST_F(CalculatorContract, VacuumPermittivityIsATableConstant) {
    const struct {
        int mode;
        const wchar_t* before;
        const wchar_t* value;
        const wchar_t* line;
    } rows[] = {
        {kModeExpression, L"", L"", L"(8.8541878128e-012)"},
        {kModeExpression, L"2 *", L"", L"2\u00d7(8.8541878128e-012)"},
        {kModeAlgebraic, L"", kEps0, L""},
        {kModeDal, L"", kEps0, L""},
        {kModeChain, L"3 +", kEps0, L""},
        {kModeRpn, L"", kEps0, L""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(Narrow(row.before));
        SCOPED_TRACE(row.mode);
        m_calculator->SetCalcMode(row.mode);
        m_calculator->CurrentMode().ClearEverything();
        Keys(row.before);
        ASSERT_EQ(m_calculator->ConstantKey(kConstantVacuumPermittivity), 1);
        EXPECT_EQ(ValueOf(*m_calculator), row.value);
        EXPECT_EQ(Line(), row.line);
    }
    // Through the key names, and on to a result: 2 × ε0 (the significand cut to the
    // display width less the exponent's room).
    m_calculator->SetCalcMode(kModeExpression);
    Keys(L"clear 2 * eps0 =");
    EXPECT_EQ(Display(), L"1.770837563e-011");
}

// The same key on a twin calculator given the value the way the window did it before
// the constant was in the table: both end in the same state, whatever came before.
TEST_F(CalculatorContract, VacuumPermittivityMatchesTheValueItReplaces) {
    const wchar_t* const befores[] = {L"", L"5", L"5 +", L"(", L"5 =", L"sin", L"clear"};
    for (int mode = 0; mode < kModeCount; ++mode) {
        for (const wchar_t* before : befores) {
            SCOPED_TRACE(Narrow(before));
            SCOPED_TRACE(mode);
            Numora::ReleaseInstance();
            CCalculator table(m_locale);
            CCalculator byHand(m_locale);
            for (CCalculator* calculator : {&table, &byHand}) {
                calculator->SetCalcMode(mode);
                RunKeys(*calculator, before);
            }
            const int accepted = table.ConstantKey(kConstantVacuumPermittivity);
            const int byHandAccepted = mode == kModeExpression
                                           ? byHand.CurrentMode().PutValue(L"(8.8541878128e-012)")
                                           : byHand.CurrentMode().PutValue(kEps0);
            EXPECT_EQ(accepted, byHandAccepted);
            EXPECT_EQ(ValueOf(table), ValueOf(byHand));
            EXPECT_EQ(LineOf(table), LineOf(byHand));
            EXPECT_EQ(table.CurrentMode().GetState(), byHand.CurrentMode().GetState());
            RunKeys(table, L"=");
            RunKeys(byHand, L"=");
            EXPECT_EQ(ValueOf(table), ValueOf(byHand));
        }
    }
}

// Outside base 10 no constant goes in, the new one included, in any mode.
TEST_F(CalculatorContract, VacuumPermittivityRefusedOutsideBaseTen) {
    for (int mode = 0; mode < kModeCount; ++mode) {
        for (int base : {2, 8, 16}) {
            SCOPED_TRACE(testing::Message() << "mode " << mode << " base " << base);
            Numora::ReleaseInstance();
            CCalculator calculator(m_locale);
            calculator.SetCalcMode(mode);
            ASSERT_EQ(calculator.BaseKey(base), 1);
            RunKeys(calculator, L"1");
            const std::wstring value = ValueOf(calculator);
            const std::wstring line = LineOf(calculator);
            EXPECT_EQ(calculator.ConstantKey(kConstantVacuumPermittivity), 0);
            EXPECT_EQ(ValueOf(calculator), value);
            EXPECT_EQ(LineOf(calculator), line);
        }
    }
}

TEST_F(CalculatorContract, ConstantKeysOutsideTheTableAreRefused) {
    m_calculator->SetCalcMode(kModeExpression);
    Keys(L"2 +");
    for (int index :
         {-1, kConstantCount, kConstantAnswer - 1, kConstantAnswer + 1, INT_MIN, INT_MAX}) {
        SCOPED_TRACE(index);
        EXPECT_EQ(m_calculator->ConstantKey(index), 0);
        EXPECT_EQ(Line(), L"2+");
    }
}

// Every mode index reaches its own object; any other is answered with null, never
// with a read past the five.
TEST_F(CalculatorContract, ModeAccessorIsRangeChecked) {
    const CExpressionMode* seen[kModeCount] = {};
    for (int mode = 0; mode < kModeCount; ++mode) {
        SCOPED_TRACE(mode);
        seen[mode] = m_calculator->Mode(mode);
        ASSERT_NE(seen[mode], nullptr);
        for (int other = 0; other < mode; ++other) {
            EXPECT_NE(seen[mode], seen[other]);
        }
        ASSERT_EQ(m_calculator->SetCalcMode(mode), 1);
        EXPECT_EQ(seen[mode], &m_calculator->CurrentMode());
    }
    EXPECT_EQ(m_calculator->Mode(kModeRpn), &m_calculator->GetRpnMode());
    for (int mode : {-1, kModeCount, kModeCount + 1, 100, INT_MIN, INT_MAX}) {
        SCOPED_TRACE(mode);
        EXPECT_EQ(m_calculator->Mode(mode), nullptr);
        EXPECT_EQ(m_calculator->SetCalcMode(mode), 0);
        EXPECT_EQ(m_calculator->GetCalcMode(), kModeRpn);
    }
}

// The display settings go through the calculator and show at once; a refused value
// keeps the last good one and the display with it.
TEST_F(CalculatorContract, DisplaySettersShapeTheShownNumber) {
    const struct {
        int notation;
        int separator;
        int width;
        const wchar_t* shown;
    } rows[] = {
        {0, 0, 13, L"12345.678"},  {2, 0, 13, L"1.2345678e+004"}, {3, 0, 13, L"12.345678e+003"},
        {0, 1, 13, L"12.345,678"}, {0, 0, 4, L"1.e+004"},
    };
    m_calculator->SetCalcMode(kModeChain);
    Keys(L"1 2 3 4 5 . 6 7 8 =");
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message()
                     << row.notation << " " << row.separator << " " << row.width);
        ASSERT_EQ(m_calculator->SetNotation(row.notation), 1);
        ASSERT_EQ(m_calculator->SetSeparator(row.separator), 1);
        ASSERT_EQ(m_calculator->SetDisplayWidth(row.width), 1);
        SDisplayContent content;
        m_calculator->GetDisplayContent(&content);
        EXPECT_EQ(std::wstring(content.number.main), row.shown);
    }
    EXPECT_EQ(m_calculator->SetNotation(4), 0);
    EXPECT_EQ(m_calculator->SetSeparator(-1), 0);
    EXPECT_EQ(m_calculator->SetDisplayWidth(41), 0);
    EXPECT_EQ(Display(), L"1.e+004");
}

} // namespace
