#include "NumorapadFixture.h"

#include "ui/ZoqRegistryStore.h"

using namespace keys;

namespace {

constexpr const wchar_t* kKey = L"SOFTWARE\\Zoq\\Numora";

// The real registry of the test prefix: Quit writes it, a new start reads it back.
class NumorapadRegistryTest : public NumorapadTest {
protected:
    void SetUp() override {
        m_registry.DeleteKey(kKey);
        Open(240, 320, 96, &m_registry);
    }
    void TearDown() override {
        CloseAll();
        m_registry.DeleteKey(kKey);
    }

    CZoqRegistryStore m_registry;
};

TEST_F(NumorapadRegistryTest, FirstRunShowsTheDefaults) {
    EXPECT_EQ(Core().GetCalcMode(), kModeExpression);
    EXPECT_EQ(Core().GetBase(), 10);
    EXPECT_EQ(Core().GetFormatter().GetNotation(), 0);
    EXPECT_EQ(m_dialog->Options().GetClearType(), 1);
    EXPECT_EQ(m_dialog->Options().GetPlusMinus(), 0);
    EXPECT_EQ(Number(), L"0.");
}

TEST_F(NumorapadRegistryTest, QuitWritesTheSettingsAndARestartReadsThemBack) {
    Core().SetNotation(2);
    TapAll({kSecond, kPower, kSecond});            // base 16
    TapAll({kPower, kPower, kEquals, kStore, 31}); // FF into register A
    TapAll({kAc, kOne, kEquals, kStore, kM1});     // 1 into register 1
    Core().SetCalcMode(kModeDal);
    Command(ID_FILE_QUIT);
    ASSERT_EQ(m_dialog->Handle(), nullptr);

    uint32_t value = 0;
    ASSERT_TRUE(m_registry.ReadDword(kKey, L"CalcMode", &value));
    EXPECT_EQ(value, uint32_t(kModeDal));
    ASSERT_TRUE(m_registry.ReadDword(kKey, L"Base", &value));
    EXPECT_EQ(value, 16u);
    wchar_t text[32] = {};
    ASSERT_TRUE(m_registry.ReadString(kKey, L"MemoryA", text, 32));
    EXPECT_EQ(std::wstring(text), L"255");

    CloseAll();
    Open(240, 320, 96, &m_registry);
    EXPECT_EQ(Core().GetCalcMode(), kModeDal);
    EXPECT_EQ(Core().GetFormatter().GetNotation(), 2);
    EXPECT_EQ(Core().GetBase(), 16);
    EXPECT_EQ(std::wstring(Core().GetMemory(2)), L"255");
    EXPECT_EQ(std::wstring(Core().GetMemory(0)), L"1");
    EXPECT_NE(m_dialog->Display().FindShown(L"HEX"), nullptr);
    EXPECT_NE(m_dialog->Display().FindShown(L"M1"), nullptr);
}

} // namespace
