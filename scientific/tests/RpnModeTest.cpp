#include "CoreFixture.h"

#include <vector>

namespace {

constexpr int kRpn = kModeRpn;

const SKeyCase kRpnCases[] = {
    {kRpn, 10, 0, L"", L"0.", L""},
    {kRpn, 10, 0, L"2 = 3 +", L"5.", L""},
    {kRpn, 10, 0, L"2 = 3 \u00D7", L"6.", L""},
    {kRpn, 10, 0, L"2 = 3 -", L"-1.", L""},
    {kRpn, 10, 0, L"2 = 3 ^", L"8.", L""},
    // Enter copies X into Y; the next digit replaces X without another lift.
    {kRpn, 10, 0, L"4 = 3 = 2 = 1 = 5 +", L"6.", L""},
    // A digit right after a result lifts the result.
    {kRpn, 10, 0, L"2 = 3 + 4 +", L"9.", L""},
    // Swap and roll down.
    {kRpn, 10, 0, L"1 = 2 (", L"1.", L""},
    {kRpn, 10, 0, L"1 = 2 ( -", L"1.", L""},
    {kRpn, 10, 0, L"1 = 2 = 3 )", L"2.", L""},
    // Functions act on X; percent of X; the angle keys.
    {kRpn, 10, 0, L"9 sqrt", L"3.", L""},
    {kRpn, 10, 0, L"3 0 sin", L"0.5", L""},
    {kRpn, 10, 0, L"5 0 pct", L"0.5", L""},
    {kRpn, 10, 0, L"2 \u00B1", L"-2.", L""},
    {kRpn, 10, 0, L"sqrt", L"0.", L""},
    {kRpn, 10, 0, L"drg drg 1 0 0 cos", L"0.", L""},
    {kRpn, 10, 0, L"1 8 0 drg>", L"3.14159265359", L""},
    // Clear entry leaves nothing in X, so the next number does not push a copy.
    {kRpn, 10, 0, L"5 = 3 ce 4 +", L"9.", L""},
    {kRpn, 10, 0, L"1 2 3 bs", L"12.", L""},
    // Values: constants, answer, memory.
    {kRpn, 10, 0, L"2 = pi \u00D7", L"6.28318530718", L""},
    // A recalled value or the answer replaces X; the stack does not lift.
    {kRpn, 10, 0, L"2 = 3 + = ans \u00D7", L"25.", L""},
    {kRpn, 10, 0, L"2 = 3 + ans \u00D7", L"0.", L""},
    {kRpn, 10, 0, L"5 sto A clear 2 = rcl A +", L"7.", L""},
    // Errors land in X like any result.
    {kRpn, 10, 0, L"1 = 0 \u00F7", L"Infinity", L""},
    // Other bases.
    {kRpn, 16, 0, L"F F = 1 +", L"100", L""},
    {kRpn, 10, 0, L"1 = 2 5 5 base:16", L"FF", L""},
};

INSTANTIATE_TEST_SUITE_P(Rpn, KeyCaseTest, ::testing::ValuesIn(kRpnCases));

class RpnStackTest : public CoreFixture {
protected:
    void SetUp() override {
        CoreFixture::SetUp();
        m_calculator->SetCalcMode(kModeRpn);
    }

    // X and the slots in use.
    std::vector<std::wstring> Stack() const {
        wchar_t x[kValueCapacity];
        m_calculator->GetRpnMode().GetDisplayText(x, kValueCapacity);
        std::vector<std::wstring> levels{x};
        for (int i = 0; i < m_calculator->GetRpnDepth() - 1; ++i) {
            levels.push_back(Slot(i));
        }
        return levels;
    }

    using Levels = std::vector<std::wstring>;
};

TEST_F(RpnStackTest, EnterLiftsAndTheNextDigitReplacesX) {
    Keys(L"4 = 3 = 2 = 1");
    EXPECT_EQ(Stack(), (Levels{L"1", L"2", L"3", L"4"}));
    Keys(L"=");
    EXPECT_EQ(Stack(), (Levels{L"1", L"1", L"2", L"3"}));
    EXPECT_EQ(m_calculator->CurrentMode().GetState(), kStateEquals);
    Keys(L"5");
    EXPECT_EQ(Stack(), (Levels{L"5", L"1", L"2", L"3"}));
}

TEST_F(RpnStackTest, BinaryOperatorDropsAndKeepsTheTop) {
    Keys(L"4 = 3 = 2 = 3 +");
    EXPECT_EQ(Stack(), (Levels{L"5", L"3", L"4", L"4"}));
    EXPECT_EQ(std::wstring(m_calculator->CurrentMode().GetAnswer()), L"5");
}

TEST_F(RpnStackTest, DepthThreeMovesZIntoY) {
    ASSERT_EQ(m_calculator->SetRpnDepth(3), 1);
    Keys(L"3 = 2 = 1 +");
    EXPECT_EQ(Stack(), (Levels{L"3", L"3", L"3"}));
}

TEST_F(RpnStackTest, EnterWithEmptyXIsRefused) {
    Keys(L"7 = 8 ce");
    const Levels before = Stack();
    EXPECT_EQ(m_calculator->EqualsKey(0), 0);
    EXPECT_EQ(Stack(), before);
}

TEST_F(RpnStackTest, OperatorWithEmptyYAndXKeepsXEmpty) {
    Keys(L"ce");
    ASSERT_EQ(m_calculator->GetRpnMode().SetSlot(0, L""), 1);
    EXPECT_EQ(m_calculator->OperatorKey(0), 1);
    EXPECT_EQ(std::wstring(m_calculator->GetRpnMode().GetX()), L"");
    EXPECT_EQ(Display(), L"0.");
    // Y present, X empty: X takes Y.
    Keys(L"clear 6 = ce +");
    EXPECT_EQ(Display(), L"6.");
}

TEST_F(RpnStackTest, RollDownWithEmptyXPutsZeroOnTop) {
    Keys(L"3 = 2 = 1 = ce");
    Keys(L")");
    EXPECT_EQ(Stack(), (Levels{L"1", L"2", L"3", L"0"}));
    Keys(L"( ");
    EXPECT_EQ(Stack(), (Levels{L"2", L"1", L"3", L"0"}));
}

TEST_F(RpnStackTest, DepthLimits) {
    struct {
        int depth;
        int accepted;
    } const cases[] = {{2, 0}, {3, 1}, {4, 1}, {20, 1}, {21, 0}, {50, 0}, {-1, 0}};
    for (const auto& row : cases) {
        SCOPED_TRACE(row.depth);
        m_calculator->SetRpnDepth(4);
        EXPECT_EQ(m_calculator->SetRpnDepth(row.depth), row.accepted);
        EXPECT_EQ(m_calculator->GetRpnDepth(), row.accepted ? row.depth : 4);
    }
    // Depth 20 uses 19 slots: the 20th is never written.
    m_calculator->SetRpnDepth(20);
    m_calculator->GetRpnMode().SetSlot(19, L"untouched");
    for (int i = 1; i <= 25; ++i) {
        m_calculator->DigitKey(i % 10);
        m_calculator->EqualsKey(0);
    }
    EXPECT_EQ(Slot(18), L"7");
    EXPECT_EQ(Slot(19), L"untouched");
}

TEST_F(RpnStackTest, ClearAllZeroesEverySlot) {
    m_calculator->GetRpnMode().SetSlot(12, L"42");
    Keys(L"1 = 2 = 3 clear");
    for (int i = 0; i < CRpnMode::kSlots; ++i) {
        EXPECT_EQ(Slot(i), L"0") << "slot " << i;
    }
    EXPECT_EQ(m_calculator->CurrentMode().GetState(), kStateNew);
    EXPECT_EQ(m_calculator->GetRpnDepth(), 4);
}

// A value of 48 binary digits fits a stack level whole.
TEST_F(RpnStackTest, WideBinaryValuesFitTheStack) {
    ASSERT_EQ(m_calculator->SetBaseBits(48), 1);
    Keys(L"base:2 0 = 1 -");
    const std::wstring ones(48, L'1');
    EXPECT_EQ(std::wstring(m_calculator->GetRpnMode().GetX()), ones);
    Keys(L"=");
    EXPECT_EQ(Slot(0), ones);
    Keys(L"+");
    EXPECT_EQ(std::wstring(m_calculator->GetRpnMode().GetX()), std::wstring(47, L'1') + L"0");
}

TEST_F(RpnStackTest, StoringAfterEnterDoesNotLift) {
    Keys(L"5 = sto 1 3");
    EXPECT_EQ(Stack(), (Levels{L"3", L"5", L"0", L"0"}));
    Keys(L"+");
    EXPECT_EQ(Display(), L"8.");
}

} // namespace
