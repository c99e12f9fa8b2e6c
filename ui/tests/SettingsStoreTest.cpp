// The same contract holds for the in-memory store of the native tests and for the
// registry the programs use; under Wine both run against these tests.
#include "ui/ZoqMemoryStore.h"
#ifdef _WIN32
#include "ui/ZoqRegistryStore.h"
#endif

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>

namespace {

const wchar_t* const kKey = L"SOFTWARE\\Zoq\\StoreTest";

struct StoreFactory {
    const char* name;
    std::function<std::unique_ptr<CZoqSettingsStore>()> make;
};

class SettingsStoreTest : public ::testing::TestWithParam<StoreFactory> {
protected:
    void SetUp() override {
        store = GetParam().make();
        store->DeleteKey(kKey);
    }
    void TearDown() override { store->DeleteKey(kKey); }
    std::unique_ptr<CZoqSettingsStore> store;
};

TEST_P(SettingsStoreTest, DwordRoundTripsWithTypeAndSize) {
    ASSERT_EQ(1, store->WriteDword(kKey, L"Base", 16));
    uint32_t value = 0;
    EXPECT_EQ(1, store->ReadDword(kKey, L"Base", &value));
    EXPECT_EQ(16u, value);
    ZoqValueType type = ZoqValueType::Missing;
    int size = 0;
    ASSERT_EQ(1, store->QueryValue(kKey, L"Base", &type, &size));
    EXPECT_EQ(ZoqValueType::Dword, type);
    EXPECT_EQ(4, size);
}

TEST_P(SettingsStoreTest, StringSizeCountsTheTerminatorInUtf16Units) {
    ASSERT_EQ(1, store->WriteString(kKey, L"Memory1", L"3.25"));
    wchar_t text[32] = L"untouched";
    EXPECT_EQ(1, store->ReadString(kKey, L"Memory1", text, 32));
    EXPECT_STREQ(L"3.25", text);
    ZoqValueType type = ZoqValueType::Missing;
    int size = 0;
    ASSERT_EQ(1, store->QueryValue(kKey, L"Memory1", &type, &size));
    EXPECT_EQ(ZoqValueType::String, type);
    EXPECT_EQ(10, size);
}

TEST_P(SettingsStoreTest, ReadsRefuseWhatDoesNotMatchAndLeaveTheTargetAlone) {
    store->WriteString(kKey, L"Text", L"0123456789");
    store->WriteDword(kKey, L"Number", 7);
    store->WriteBinary(kKey, L"Record", "\x01\x02\x03", 3);

    uint32_t dword = 99;
    wchar_t text[8] = L"keep";
    unsigned char bytes[4] = {9, 9, 9, 9};
    struct Case {
        const char* what;
        std::function<int()> read;
    } cases[] = {
        {"dword read of a string", [&] { return store->ReadDword(kKey, L"Text", &dword); }},
        {"string read of a dword", [&] { return store->ReadString(kKey, L"Number", text, 8); }},
        {"string longer than the buffer",
         [&] { return store->ReadString(kKey, L"Text", text, 8); }},
        {"binary shorter than asked", [&] { return store->ReadBinary(kKey, L"Record", bytes, 4); }},
        {"binary longer than asked", [&] { return store->ReadBinary(kKey, L"Record", bytes, 2); }},
        {"binary read of a dword", [&] { return store->ReadBinary(kKey, L"Number", bytes, 4); }},
        {"missing value", [&] { return store->ReadDword(kKey, L"Nothing", &dword); }},
        {"missing key",
         [&] { return store->ReadDword(L"SOFTWARE\\Zoq\\NoSuchKey", L"X", &dword); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(0, c.read());
    }
    EXPECT_EQ(99u, dword);
    EXPECT_STREQ(L"keep", text);
    EXPECT_EQ(9, bytes[0]);
}

TEST_P(SettingsStoreTest, BinaryRecordsKeepTheirBytesExactly) {
    const double payment = 1461.48;
    ASSERT_EQ(1, store->WriteBinary(kKey, L"Payment", &payment, sizeof payment));
    double read = 0;
    ASSERT_EQ(1, store->ReadBinary(kKey, L"Payment", &read, sizeof read));
    EXPECT_EQ(0, std::memcmp(&payment, &read, sizeof read));
}

TEST_P(SettingsStoreTest, DeletingValuesAndKeysRemovesSubkeysToo) {
    const std::wstring sub = std::wstring(kKey) + L"\\Profile1";
    store->WriteDword(kKey, L"A", 1);
    store->WriteDword(sub.c_str(), L"B", 2);
    EXPECT_EQ(1, store->DeleteValue(kKey, L"A"));
    EXPECT_EQ(0, store->DeleteValue(kKey, L"A"));
    EXPECT_EQ(1, store->DeleteKey(kKey));
    uint32_t value = 0;
    EXPECT_EQ(0, store->ReadDword(sub.c_str(), L"B", &value));
    EXPECT_EQ(1, store->DeleteKey(kKey)) << "deleting a missing key is not a failure";
}

const StoreFactory kStores[] = {
    {"memory", [] { return std::make_unique<CZoqMemoryStore>(); }},
#ifdef _WIN32
    {"registry", [] { return std::make_unique<CZoqRegistryStore>(); }},
#endif
};

INSTANTIATE_TEST_SUITE_P(Stores, SettingsStoreTest, ::testing::ValuesIn(kStores),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
