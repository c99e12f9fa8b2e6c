#include "CoreFixture.h"

namespace {

TEST(KeyScriptReader, ReadsKeyNames) {
    struct {
        const wchar_t* name;
        EScriptAction action;
        EKeyCategory category;
        int index;
    } const cases[] = {
        {L"7", EScriptAction::Press, EKeyCategory::Digit, 7},
        {L"B", EScriptAction::Press, EKeyCategory::Digit, 11},
        {L".", EScriptAction::Press, EKeyCategory::Digit, 16},
        {L"*", EScriptAction::Press, EKeyCategory::Operator, 2},
        {L"\u00F7", EScriptAction::Press, EKeyCategory::Operator, 3},
        {L"%", EScriptAction::Press, EKeyCategory::Operator, 17},
        {L"E", EScriptAction::DigitOrOperator, EKeyCategory::Digit, 14},
        {L"C", EScriptAction::DigitOrOperator, EKeyCategory::Digit, 12},
        {L"atnh", EScriptAction::Press, EKeyCategory::Function, 11},
        {L"drg>", EScriptAction::Press, EKeyCategory::Function, 12},
        {L"drg", EScriptAction::Press, EKeyCategory::Function, 13},
        {L"\u00B1", EScriptAction::Press, EKeyCategory::Function, 18},
        {L"pct", EScriptAction::Press, EKeyCategory::Function, 30},
        {L")", EScriptAction::Press, EKeyCategory::Parenthesis, 1},
        {L"=", EScriptAction::Press, EKeyCategory::Equals, 0},
        {L"ans", EScriptAction::Press, EKeyCategory::Constant, 99},
        {L"amu", EScriptAction::Press, EKeyCategory::Constant, 19},
        {L"const:21", EScriptAction::Press, EKeyCategory::Constant, 21},
        {L"hyp", EScriptAction::Press, EKeyCategory::Layer, 1},
        {L"bs", EScriptAction::Press, EKeyCategory::Clear, 3},
        {L"paste", EScriptAction::Press, EKeyCategory::Clipboard, 2},
        {L"base:16", EScriptAction::Press, EKeyCategory::Base, 16},
        {L"key:4:-3", EScriptAction::Press, EKeyCategory::Memory, -3},
        {L"sto F", EScriptAction::Store, EKeyCategory::Digit, 7},
        {L"rclA", EScriptAction::Recall, EKeyCategory::Digit, 2},
        {L"m+ 2", EScriptAction::MemoryAdd, EKeyCategory::Digit, 1},
        {L"m- 1", EScriptAction::MemorySubtract, EKeyCategory::Digit, 0},
        {L"down", EScriptAction::Arrow, EKeyCategory::Digit, 40},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(Narrow(row.name));
        CKeyScript script;
        ASSERT_EQ(script.Parse(row.name), 1);
        ASSERT_EQ(script.Keys().size(), 1u);
        const SScriptKey& key = script.Keys()[0];
        EXPECT_EQ(key.action, row.action);
        EXPECT_EQ(static_cast<int>(key.category), static_cast<int>(row.category));
        EXPECT_EQ(key.index, row.index);
        EXPECT_EQ(std::wstring(key.name), row.name);
    }
}

TEST(KeyScriptReader, RefusesUnknownNames) {
    for (const wchar_t* script :
         {L"1 + foo", L"sto", L"sto G", L"m+ 12", L"key:11:0", L"key:4", L"base:x", L"SIN",
          L"1 \u00D7\u00D7 2", L"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"}) {
        SCOPED_TRACE(Narrow(script));
        CKeyScript keys;
        EXPECT_EQ(keys.Parse(script), 0);
        EXPECT_TRUE(keys.Keys().empty());
        EXPECT_NE(std::wstring(keys.ErrorName()), L"");
    }
    CKeyScript keys;
    keys.Parse(L"1 + foo 2");
    EXPECT_EQ(std::wstring(keys.ErrorName()), L"foo");
}

using KeyScriptRun = CoreFixture;

TEST_F(KeyScriptRun, ReportsEveryKeyAndWhetherItWasAccepted) {
    CKeyScript script;
    ASSERT_EQ(script.Parse(L"  2\t+ +\n3 =  "), 1);
    std::wstring trace;
    const int accepted = script.Run(*m_calculator, [&](const SScriptKey& key, int ok) {
        trace += key.name;
        trace += ok ? L"+ " : L"- ";
    });
    EXPECT_EQ(accepted, 5);
    EXPECT_EQ(trace, L"2+ ++ ++ 3+ =+ ");
    m_calculator->SetCalcMode(kModeExpression);
    ASSERT_EQ(script.Parse(L"+ 1 )"), 1);
    EXPECT_EQ(script.Run(*m_calculator), 1);
}

} // namespace
