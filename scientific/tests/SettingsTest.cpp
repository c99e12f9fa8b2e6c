#include "CoreFixture.h"

#include "scientific/NumoraChoices.h"
#include "scientific/NumoraSettings.h"
#include "ui/ZoqMemoryStore.h"

#include <cstring>

namespace {

const wchar_t* const kKey = CNumoraSettings::kDefaultKeyPath;

class SettingsTest : public CoreFixture {
protected:
    int Load() { return CNumoraSettings(m_store).Load(kKey, *m_calculator, m_options); }
    int Save() { return CNumoraSettings(m_store).Save(kKey, *m_calculator, m_options); }

    void PlantDword(const wchar_t* name, uint32_t value) { m_store.WriteDword(kKey, name, value); }

public:
    // Values and registers as the program would see them after reading.
    struct SSnapshot {
        int mode, notation, separator, base, bits, depth, clearType, plusMinus;
    };

protected:
    SSnapshot Snapshot() const {
        const CDisplayFormatter& formatter = m_calculator->GetFormatter();
        return {m_calculator->GetCalcMode(), formatter.GetNotation(),
                formatter.GetSeparator(),    m_calculator->GetBase(),
                m_calculator->GetBaseBits(), m_calculator->GetRpnDepth(),
                m_options.GetClearType(),    m_options.GetPlusMinus()};
    }

    CZoqMemoryStore m_store;
    CNumoraOptions m_options;
};

void ExpectSnapshot(const SettingsTest::SSnapshot& actual,
                    const SettingsTest::SSnapshot& expected) {
    EXPECT_EQ(actual.mode, expected.mode);
    EXPECT_EQ(actual.notation, expected.notation);
    EXPECT_EQ(actual.separator, expected.separator);
    EXPECT_EQ(actual.base, expected.base);
    EXPECT_EQ(actual.bits, expected.bits);
    EXPECT_EQ(actual.depth, expected.depth);
    EXPECT_EQ(actual.clearType, expected.clearType);
    EXPECT_EQ(actual.plusMinus, expected.plusMinus);
}

const SettingsTest::SSnapshot kDefaults = {0, 0, 0, 10, 32, 4, 1, 0};

TEST_F(SettingsTest, FirstRunGivesTheDefaults) {
    EXPECT_EQ(m_calculator->GetCalcMode(), kModeChain);
    EXPECT_EQ(Load(), 0);
    ExpectSnapshot(Snapshot(), kDefaults);
    for (int k = 0; k < kRegisterCount; ++k) {
        EXPECT_EQ(std::wstring(m_calculator->GetMemory(k)), L"");
    }
}

TEST_F(SettingsTest, EveryValueRoundTrips) {
    m_calculator->SetCalcMode(kModeRpn);
    m_calculator->SetNotation(3);
    m_calculator->SetSeparator(1);
    m_calculator->SetBaseBits(16);
    m_calculator->SetRpnDepth(20);
    m_calculator->BaseKey(8);
    m_options.SetClearType(0);
    m_options.SetPlusMinus(1);
    m_calculator->SetMemory(0, L"-2.5");
    m_calculator->SetMemory(7, L"1.e+020");
    ASSERT_EQ(Save(), 1);

    TearDown();
    SetUp();
    m_options = CNumoraOptions();
    EXPECT_EQ(Load(), 1);
    ExpectSnapshot(Snapshot(), {4, 3, 1, 8, 16, 20, 0, 1});
    EXPECT_EQ(std::wstring(m_calculator->GetMemory(0)), L"-2.5");
    EXPECT_EQ(std::wstring(m_calculator->GetMemory(1)), L"0");
    EXPECT_EQ(std::wstring(m_calculator->GetMemory(7)), L"1.e+020");
}

// Written: DWORDs of 4 bytes, registers as REG_SZ of (length + 1) * 2 bytes, empty as "0".
TEST_F(SettingsTest, WrittenTypesAndSizes) {
    m_calculator->SetMemory(2, L"255");
    ASSERT_EQ(Save(), 1);
    for (const wchar_t* name : {L"UseComma", L"ClearType", L"PlusMinus", L"CalcMode", L"Notation",
                                L"Seperator", L"Base", L"BaseBits", L"RpnStackSize"}) {
        SCOPED_TRACE(Narrow(name));
        ZoqValueType type = ZoqValueType::Missing;
        int size = 0;
        ASSERT_EQ(m_store.QueryValue(kKey, name, &type, &size), 1);
        EXPECT_EQ(type, ZoqValueType::Dword);
        EXPECT_EQ(size, 4);
    }
    for (int k = 0; k < kRegisterCount; ++k) {
        SCOPED_TRACE(k);
        ZoqValueType type = ZoqValueType::Missing;
        int size = 0;
        ASSERT_EQ(m_store.QueryValue(kKey, MemoryValueName(k), &type, &size), 1);
        EXPECT_EQ(type, ZoqValueType::String);
        EXPECT_EQ(size, k == 2 ? 8 : 4);
    }
}

// Registers are saved as the decimal text they hold, so a register saved while base 16 is
// in use reads back as the same number.
TEST_F(SettingsTest, RegistersSavedInHexReadBackUnchanged) {
    m_calculator->SetCalcMode(kModeExpression);
    Keys(L"base:16 F F = sto A");
    ASSERT_EQ(Save(), 1);
    wchar_t stored[kRegisterCapacity];
    ASSERT_EQ(m_store.ReadString(kKey, L"MemoryA", stored, kRegisterCapacity), 1);
    EXPECT_EQ(std::wstring(stored), L"255");

    TearDown();
    SetUp();
    Load();
    EXPECT_EQ(m_calculator->GetBase(), 16);
    Keys(L"clear rcl A");
    EXPECT_EQ(Line(), L"FF");
    Keys(L"= base:10");
    EXPECT_EQ(Display(), L"255.");
}

// Both values hold the one setting: a good Seperator wins, a missing or refused one
// leaves what a good UseComma set, and what was loaded is what is written back.
TEST_F(SettingsTest, SeperatorWinsOverUseCommaUnlessItIsRefused) {
    struct {
        int useComma; // -1: missing
        int seperator;
        int separator;
    } const cases[] = {{0, 1, 1}, {1, 0, 0},  {1, -1, 1}, {-1, 1, 1}, {1, 7, 1}, {1, 5, 1},
                       {0, 5, 0}, {-1, 5, 0}, {2, 1, 1},  {2, -1, 0}, {7, 0, 0}, {-1, -1, 0}};
    for (const auto& row : cases) {
        SCOPED_TRACE(std::to_string(row.useComma) + "/" + std::to_string(row.seperator));
        TearDown();
        SetUp();
        m_store.DeleteKey(kKey);
        if (row.useComma >= 0) {
            PlantDword(L"UseComma", static_cast<uint32_t>(row.useComma));
        }
        if (row.seperator >= 0) {
            PlantDword(L"Seperator", static_cast<uint32_t>(row.seperator));
        }
        Load();
        EXPECT_EQ(m_calculator->GetFormatter().GetSeparator(), row.separator);
        ASSERT_EQ(Save(), 1);
        for (const wchar_t* name : {L"UseComma", L"Seperator"}) {
            uint32_t written = 99;
            ASSERT_EQ(m_store.ReadDword(kKey, name, &written), 1);
            EXPECT_EQ(written, static_cast<uint32_t>(row.separator)) << Narrow(name);
        }
    }
}

TEST_F(SettingsTest, OutOfRangeNumbersAreRefusedOneByOne) {
    struct {
        const wchar_t* name;
        uint32_t value;
    } const cases[] = {
        {L"Base", 1},          {L"Base", 40},
        {L"Base", 0x110},      {L"Base", 0xFFFFFFFF},
        {L"BaseBits", 3},      {L"BaseBits", 49},
        {L"BaseBits", 0x120},  {L"RpnStackSize", 2},
        {L"RpnStackSize", 50}, {L"RpnStackSize", 0x104},
        {L"CalcMode", 5},      {L"Notation", 4},
        {L"ClearType", 2},     {L"PlusMinus", 0x100},
        {L"UseComma", 2},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(Narrow(row.name) + " = " + std::to_string(row.value));
        TearDown();
        SetUp();
        m_store.DeleteKey(kKey);
        m_options = CNumoraOptions();
        // Every other value valid and not the default, so a refusal shows only where it belongs.
        PlantDword(L"CalcMode", 2);
        PlantDword(L"Notation", 1);
        PlantDword(L"Base", 16);
        PlantDword(L"BaseBits", 8);
        PlantDword(L"RpnStackSize", 10);
        PlantDword(L"ClearType", 0);
        PlantDword(L"PlusMinus", 1);
        PlantDword(row.name, row.value);
        EXPECT_EQ(Load(), 0);
        SSnapshot expected = {2, 1, 0, 16, 8, 10, 0, 1};
        const std::wstring name = row.name;
        if (name == L"Base") {
            expected.base = 10;
        } else if (name == L"BaseBits") {
            expected.bits = 32;
        } else if (name == L"RpnStackSize") {
            expected.depth = 4;
        } else if (name == L"CalcMode") {
            expected.mode = 0;
        } else if (name == L"Notation") {
            expected.notation = 0;
        } else if (name == L"ClearType") {
            expected.clearType = 1;
        } else if (name == L"PlusMinus") {
            expected.plusMinus = 0;
        }
        ExpectSnapshot(Snapshot(), expected);
    }
}

TEST_F(SettingsTest, DamagedValuesAreRefusedOneByOne) {
    const uint16_t shortValue = 2;
    const uint64_t longValue = 2;
    const wchar_t text[] = L"2";
    m_store.Plant(kKey, L"CalcMode", ZoqValueType::String, text, sizeof text);
    m_store.Plant(kKey, L"Notation", ZoqValueType::Dword, &shortValue, sizeof shortValue);
    m_store.Plant(kKey, L"Base", ZoqValueType::Binary, &longValue, sizeof longValue);
    m_store.Plant(kKey, L"BaseBits", ZoqValueType::Dword, &longValue, sizeof longValue);
    PlantDword(L"RpnStackSize", 10);
    // Registers: the wrong type, too long for 31 characters, not a number, a good one.
    const uint32_t number = 5;
    m_store.Plant(kKey, L"Memory1", ZoqValueType::Dword, &number, sizeof number);
    m_store.WriteString(kKey, L"Memory2", L"12345678901234567890123456789012345");
    m_store.WriteString(kKey, L"MemoryA", L"FF");
    m_store.WriteString(kKey, L"MemoryB", L"42.5");
    EXPECT_EQ(Load(), 0);
    ExpectSnapshot(Snapshot(), {0, 0, 0, 10, 32, 10, 1, 0});
    EXPECT_EQ(std::wstring(m_calculator->GetMemory(0)), L"");
    EXPECT_EQ(std::wstring(m_calculator->GetMemory(1)), L"");
    EXPECT_EQ(std::wstring(m_calculator->GetMemory(2)), L"");
    EXPECT_EQ(std::wstring(m_calculator->GetMemory(3)), L"42.5");
    for (int k = 0; k < kRegisterCount; ++k) {
        EXPECT_LT(std::wcslen(m_calculator->GetMemory(k)), static_cast<size_t>(kRegisterCapacity));
    }
}

// The dialogs' choices: each sets a value its holder accepts, and opening a dialog finds
// the choice of the current value.
TEST_F(SettingsTest, DialogChoicesMatchTheirHolders) {
    const int expectedDepths[] = {4, 10, 20};
    for (int i = 0; i < kRpnDepthChoiceCount; ++i) {
        SCOPED_TRACE(Narrow(kRpnDepthChoices[i].label));
        EXPECT_EQ(kRpnDepthChoices[i].value, expectedDepths[i]);
        EXPECT_EQ(m_calculator->SetRpnDepth(kRpnDepthChoices[i].value), 1);
        EXPECT_EQ(FindChoice(kRpnDepthChoices, kRpnDepthChoiceCount, m_calculator->GetRpnDepth()),
                  i);
    }
    const int expectedWidths[] = {8, 16, 32, 48};
    for (int i = 0; i < kWordSizeChoiceCount; ++i) {
        SCOPED_TRACE(Narrow(kWordSizeChoices[i].label));
        EXPECT_EQ(kWordSizeChoices[i].value, expectedWidths[i]);
        EXPECT_EQ(m_calculator->SetBaseBits(kWordSizeChoices[i].value), 1);
        EXPECT_EQ(FindChoice(kWordSizeChoices, kWordSizeChoiceCount, m_calculator->GetBaseBits()),
                  i);
    }
    EXPECT_EQ(std::wstring(kWordSizeChoices[1].label), L"Word (16 BIT)");
    EXPECT_EQ(FindChoice(kWordSizeChoices, kWordSizeChoiceCount, 18), -1);
    for (int i = 0; i < kCalcModeChoiceCount; ++i) {
        EXPECT_EQ(m_calculator->SetCalcMode(kCalcModeChoices[i].value), 1);
    }
    for (int i = 0; i < kNotationChoiceCount; ++i) {
        EXPECT_EQ(m_calculator->SetNotation(kNotationChoices[i].value), 1);
    }
    for (int i = 0; i < kSeparatorChoiceCount; ++i) {
        EXPECT_EQ(m_calculator->SetSeparator(kSeparatorChoices[i].value), 1);
    }
}

} // namespace
