#include "CoreFixture.h"

namespace {

using MemoryTest = CoreFixture;

std::wstring Memory(const CCalculator& calculator, int k) {
    return calculator.GetMemory(k);
}

// Registers hold decimal text whatever the base; they are shown in the current base.
TEST_F(MemoryTest, StoreInHexKeepsDecimalAndRecallShowsHex) {
    m_calculator->SetCalcMode(kModeExpression);
    Keys(L"base:16 F F = sto 1");
    EXPECT_EQ(Memory(*m_calculator, 0), L"255");
    Keys(L"clear rcl 1");
    EXPECT_EQ(Line(), L"FF");
    wchar_t shown[kValueCapacity];
    ASSERT_EQ(m_calculator->GetMemoryInBase(0, shown, kValueCapacity), 1);
    EXPECT_EQ(std::wstring(shown), L"FF");
    Keys(L"base:10");
    ASSERT_EQ(m_calculator->GetMemoryInBase(0, shown, kValueCapacity), 1);
    EXPECT_EQ(std::wstring(shown), L"255");
}

TEST_F(MemoryTest, AddAndSubtract) {
    Keys(L"5 = m+ 1");
    EXPECT_EQ(Memory(*m_calculator, 0), L"5");
    Keys(L"3 = m+ 1");
    EXPECT_EQ(Memory(*m_calculator, 0), L"8");
    Keys(L"2 = m- 1");
    EXPECT_EQ(Memory(*m_calculator, 0), L"6");
    Keys(L"0 . 5 m- 2");
    EXPECT_EQ(Memory(*m_calculator, 1), L"-0.5");
    Keys(L"base:16 F m+ 1");
    EXPECT_EQ(Memory(*m_calculator, 0), L"21");
}

TEST_F(MemoryTest, InUseAndView) {
    struct {
        const wchar_t* text;
        int inUse;
    } const cases[] = {{L"", 0}, {L"0", 0}, {L"5", 1}, {L"-0.5", 1}, {L"0.0", 1}};
    for (const auto& row : cases) {
        SCOPED_TRACE(Narrow(row.text));
        ASSERT_EQ(m_calculator->SetMemory(3, row.text), 1);
        EXPECT_EQ(m_calculator->MemoryInUse(3), row.inUse);
    }
    m_calculator->SetMemory(0, L"255");
    m_calculator->SetMemory(3, L"");
    m_calculator->SetMemory(7, L"16");
    Keys(L"base:16");
    wchar_t view[512];
    ASSERT_EQ(m_calculator->GetMemoryView(view, 512), 1);
    EXPECT_EQ(std::wstring(view), L"1: FF\n2: 0\nA: 0\nB: 0\nC: 0\nD: 0\nE: 0\nF: 10\n");
}

// Which operation a register key performs depends on the keypad layer at the press.
TEST_F(MemoryTest, RegisterKeysFollowTheLayer) {
    Keys(L"7 =");
    struct {
        int layerKey; // -1: none
        int registerKey;
        int accepted;
        const wchar_t* reg1;
        const wchar_t* regA;
        const wchar_t* regB;
    } const cases[] = {
        {4, 2, 1, L"", L"7", L""},     // store pending: store
        {-1, 3, 1, L"", L"7", L"7"},   // normal: add
        {0, 3, 1, L"", L"7", L"0"},    // 2ndF: subtract
        {1, 5, 1, L"7", L"7", L"0"},   // Hyp: add into register "1"
        {1, 7, 1, L"14", L"7", L"0"},  // ... whatever the key
        {-1, 8, 0, L"14", L"7", L"0"}, // no register 8
        {-1, -1, 0, L"14", L"7", L"0"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(std::to_string(row.layerKey) + " register " + std::to_string(row.registerKey));
        if (row.layerKey >= 0) {
            m_calculator->LayerKey(row.layerKey);
        }
        EXPECT_EQ(m_calculator->MemoryKey(row.registerKey), row.accepted);
        EXPECT_EQ(Memory(*m_calculator, 0), row.reg1);
        EXPECT_EQ(Memory(*m_calculator, 2), row.regA);
        EXPECT_EQ(Memory(*m_calculator, 3), row.regB);
        EXPECT_EQ(m_calculator->GetLayer(), kLayerNormal);
    }
    // Recall pending: the register's value replaces X.
    Keys(L"clear");
    m_calculator->LayerKey(3);
    EXPECT_EQ(m_calculator->MemoryKey(0), 1);
    EXPECT_EQ(Display(), L"14.");
}

TEST_F(MemoryTest, ErrorsAreNotStored) {
    m_calculator->SetMemory(0, L"3");
    Keys(L"1 \u00F7 0 = sto 1");
    EXPECT_EQ(Memory(*m_calculator, 0), L"3");
    m_calculator->SetMemory(1, L"1.7e+308");
    Keys(L"clear 1 . 7 E 3 0 8 = m+ 2");
    EXPECT_EQ(Memory(*m_calculator, 1), L"1.7e+308");
    // An empty display stores 0.
    m_calculator->SetCalcMode(kModeExpression);
    Keys(L"sto 1");
    EXPECT_EQ(Memory(*m_calculator, 0), L"0");
}

TEST_F(MemoryTest, RegistersTakeOnlyShortDecimalText) {
    struct {
        const wchar_t* text;
        int accepted;
    } const cases[] = {
        {L"", 1},
        {L"12.5", 1},
        {L"-1.23456789012346e+017", 1},
        {L"0.05", 1},
        {L"FF", 0},
        {L"hello", 0},
        {L"1e5e5", 0},
        {L"1234567890123456789012345678901", 1},
        {L"12345678901234567890123456789012", 0},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(Narrow(row.text));
        m_calculator->SetMemory(4, L"9");
        EXPECT_EQ(m_calculator->SetMemory(4, row.text), row.accepted);
        EXPECT_EQ(Memory(*m_calculator, 4), row.accepted ? row.text : L"9");
    }
}

} // namespace
