// Numorapad's settings in the real registry (HKEY_CURRENT_USER of the test prefix),
// under a key of its own so that no other test's values are touched.
#include "CoreFixture.h"

#include "scientific/NumoraSettings.h"
#include "ui/ZoqUserLocale.h"
#include "ui/ZoqRegistryStore.h"

#include <windows.h>

namespace {

const wchar_t* const kKey = L"SOFTWARE\\Zoq\\ScientificCoreTest\\Numora";

struct SRegistryValue {
    DWORD type = REG_NONE;
    DWORD size = 0;
    BYTE data[256] = {};
};

int QueryRaw(const wchar_t* name, SRegistryValue* value) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return 0;
    }
    value->size = sizeof value->data;
    const LONG status =
        RegQueryValueExW(key, name, nullptr, &value->type, value->data, &value->size);
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

void SetRaw(const wchar_t* name, DWORD type, const void* data, DWORD size) {
    HKEY key = nullptr;
    ASSERT_EQ(
        RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
        ERROR_SUCCESS);
    RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
}

class RegistrySettingsTest : public CoreFixture {
protected:
    void SetUp() override {
        CoreFixture::SetUp();
        m_store.DeleteKey(kKey);
    }
    void TearDown() override {
        m_store.DeleteKey(kKey);
        CoreFixture::TearDown();
    }
    // A program restart: new engine and calculator, the registry as it was left.
    void TearDownCalculatorOnly() {
        CoreFixture::TearDown();
        CoreFixture::SetUp();
        m_options = CNumoraOptions();
    }
    int Load() { return CNumoraSettings(m_store).Load(kKey, *m_calculator, m_options); }
    int Save() { return CNumoraSettings(m_store).Save(kKey, *m_calculator, m_options); }

    CZoqRegistryStore m_store;
    CNumoraOptions m_options;
};

TEST_F(RegistrySettingsTest, FirstRunWithoutKeyGivesTheDefaults) {
    EXPECT_EQ(Load(), 0);
    EXPECT_EQ(m_calculator->GetCalcMode(), kModeExpression);
    EXPECT_EQ(m_calculator->GetFormatter().GetNotation(), 0);
    EXPECT_EQ(m_calculator->GetFormatter().GetSeparator(), 0);
    EXPECT_EQ(m_calculator->GetBase(), 10);
    EXPECT_EQ(m_calculator->GetBaseBits(), 32);
    EXPECT_EQ(m_calculator->GetRpnDepth(), 4);
    EXPECT_EQ(m_options.GetClearType(), 1);
    EXPECT_EQ(m_options.GetPlusMinus(), 0);
    for (int k = 0; k < kRegisterCount; ++k) {
        EXPECT_EQ(std::wstring(m_calculator->GetMemory(k)), L"");
    }
}

TEST_F(RegistrySettingsTest, WritesDwordsAndStringsOfTheListedSizes) {
    m_calculator->SetCalcMode(kModeRpn);
    m_calculator->SetRpnDepth(10);
    m_calculator->SetBaseBits(16);
    m_calculator->BaseKey(16);
    m_calculator->SetSeparator(1);
    m_calculator->SetMemory(2, L"255");
    ASSERT_EQ(Save(), 1);
    struct {
        const wchar_t* name;
        DWORD value;
    } const dwords[] = {{L"UseComma", 1}, {L"ClearType", 1}, {L"PlusMinus", 0},
                        {L"CalcMode", 4}, {L"Notation", 0},  {L"Seperator", 1},
                        {L"Base", 16},    {L"BaseBits", 16}, {L"RpnStackSize", 10}};
    for (const auto& row : dwords) {
        SCOPED_TRACE(Narrow(row.name));
        SRegistryValue value;
        ASSERT_EQ(QueryRaw(row.name, &value), 1);
        EXPECT_EQ(value.type, static_cast<DWORD>(REG_DWORD));
        ASSERT_EQ(value.size, 4u);
        DWORD stored = 0;
        memcpy(&stored, value.data, 4);
        EXPECT_EQ(stored, row.value);
    }
    for (int k = 0; k < kRegisterCount; ++k) {
        SCOPED_TRACE(k);
        SRegistryValue value;
        ASSERT_EQ(QueryRaw(MemoryValueName(k), &value), 1);
        EXPECT_EQ(value.type, static_cast<DWORD>(REG_SZ));
        // Decimal text and its terminator, whatever base is in use: "255" or "0".
        const std::wstring expected = k == 2 ? L"255" : L"0";
        EXPECT_EQ(value.size, (expected.size() + 1) * sizeof(wchar_t));
        EXPECT_EQ(std::wstring(reinterpret_cast<const wchar_t*>(value.data)), expected);
    }
}

TEST_F(RegistrySettingsTest, RoundTripsThroughTheRegistry) {
    m_calculator->SetCalcMode(kModeExpression);
    Keys(L"base:16 F F = sto A");
    m_calculator->SetNotation(2);
    m_options.SetClearType(0);
    m_options.SetPlusMinus(1);
    ASSERT_EQ(Save(), 1);

    TearDownCalculatorOnly();
    EXPECT_EQ(Load(), 1);
    EXPECT_EQ(m_calculator->GetBase(), 16);
    EXPECT_EQ(m_calculator->GetFormatter().GetNotation(), 2);
    EXPECT_EQ(m_options.GetClearType(), 0);
    EXPECT_EQ(m_options.GetPlusMinus(), 1);
    EXPECT_EQ(std::wstring(m_calculator->GetMemory(2)), L"255");
    Keys(L"rcl A");
    EXPECT_EQ(Line(), L"FF");
}

TEST_F(RegistrySettingsTest, RefusesABaseOf40AndDamagedValues) {
    const DWORD base = 40;
    SetRaw(L"Base", REG_DWORD, &base, sizeof base);
    const DWORD mode = 4;
    SetRaw(L"CalcMode", REG_DWORD, &mode, sizeof mode);
    const wchar_t notation[] = L"2";
    SetRaw(L"Notation", REG_SZ, notation, sizeof notation);
    const wchar_t tooLong[] = L"12345678901234567890123456789012345";
    SetRaw(L"Memory1", REG_SZ, tooLong, sizeof tooLong);
    const wchar_t good[] = L"42.5";
    SetRaw(L"Memory2", REG_SZ, good, sizeof good);
    EXPECT_EQ(Load(), 0);
    EXPECT_EQ(m_calculator->GetBase(), 10);
    EXPECT_EQ(m_calculator->GetCalcMode(), kModeRpn);
    EXPECT_EQ(m_calculator->GetFormatter().GetNotation(), 0);
    EXPECT_EQ(std::wstring(m_calculator->GetMemory(0)), L"");
    EXPECT_EQ(std::wstring(m_calculator->GetMemory(1)), L"42.5");
}

TEST(SystemLocaleTest, FormatterTakesTheRegionalThousandsSeparator) {
    wchar_t thousands[16] = {};
    ASSERT_GT(GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, thousands, 16), 0);
    CZoqUserLocale locale;
    CDisplayFormatter formatter(locale);
    EXPECT_EQ(std::wstring(formatter.GetThousandsSeparator()), thousands);
    wchar_t tooSmall[1];
    EXPECT_EQ(locale.GetCurrencySymbol(tooSmall, 1), 0);
}

} // namespace
