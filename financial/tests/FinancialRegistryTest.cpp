#include "financial/models/FinancialOptions.h"
#include "financial/models/FinancialRecord.h"
#include "financial/tests/RecordSubjects.h"
#include "ui/ZoqRegistryStore.h"

#include <gtest/gtest.h>
#include <windows.h>

// The records through the real registry of the test prefix: value names, types
// and sizes are checked with the registry API itself, not through the store.
namespace {

struct SRawValue {
    DWORD type = REG_NONE;
    std::vector<unsigned char> bytes;
};

int ReadRaw(const wchar_t* key, const wchar_t* name, SRawValue* value) {
    HKEY handle = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, key, 0, KEY_QUERY_VALUE, &handle) != ERROR_SUCCESS) {
        return 0;
    }
    DWORD size = 0;
    LONG status = RegQueryValueExW(handle, name, nullptr, &value->type, nullptr, &size);
    if (status == ERROR_SUCCESS) {
        value->bytes.resize(size);
        status = RegQueryValueExW(handle, name, nullptr, &value->type,
                                  size ? value->bytes.data() : nullptr, &size);
    }
    RegCloseKey(handle);
    return status == ERROR_SUCCESS ? 1 : 0;
}

class FinancialRegistry : public testing::Test {
protected:
    void SetUp() override { m_store.DeleteKey(kFinancialKey); }
    void TearDown() override { m_store.DeleteKey(kFinancialKey); }

    CZoqRegistryStore m_store;
};

} // namespace

TEST_F(FinancialRegistry, RecordsRoundTripWithTheirLayout) {
    for (const SRecordLayout& layout : RecordLayouts()) {
        SCOPED_TRACE(layout.name);
        for (int profile : {0, 1, 2}) {
            SCOPED_TRACE(profile);
            auto saved = MakeSubject(layout.calculator);
            saved->Sample(1);
            ASSERT_EQ(saved->Save(m_store, profile), 1);
            const Record memory = Snapshot(*saved, layout);
            const wchar_t* key = FinancialRecordKey(layout.calculator, profile);
            for (const SRecordValue& value : layout.values) {
                SCOPED_TRACE(testing::Message() << value.name);
                SRawValue raw;
                ASSERT_EQ(ReadRaw(key, value.name, &raw), 1);
                EXPECT_EQ(raw.type, static_cast<DWORD>(REG_BINARY));
                ASSERT_EQ(raw.bytes.size(), static_cast<size_t>(value.size));
                if (value.loaded) {
                    EXPECT_EQ(raw.bytes, memory.at(value.name));
                }
            }
            auto loaded = MakeSubject(layout.calculator);
            loaded->Sample(2);
            ASSERT_EQ(loaded->Load(m_store, profile), 1);
            EXPECT_EQ(Snapshot(*loaded, layout), memory);
        }
    }
}

TEST_F(FinancialRegistry, ClearedProfilesLoadAsCleared) {
    for (const SRecordLayout& layout : RecordLayouts()) {
        SCOPED_TRACE(layout.name);
        auto subject = MakeSubject(layout.calculator);
        subject->Sample(1);
        ASSERT_EQ(subject->Save(m_store, 1), 1);
        ASSERT_EQ(subject->Clear(m_store, 1), 1);
        const Record cleared = Snapshot(*subject, layout);
        auto loaded = MakeSubject(layout.calculator);
        loaded->Sample(2);
        ASSERT_EQ(loaded->Load(m_store, 1), 1);
        EXPECT_EQ(Snapshot(*loaded, layout), cleared);
    }
}

TEST_F(FinancialRegistry, ValueOfAnotherTypeIsRefused) {
    CCarLoanModel loan;
    MakeSample(loan, 1);
    ASSERT_EQ(loan.SaveProfile(m_store, 1), 1);
    const wchar_t* key = FinancialRecordKey(Calculator::CarLoan, 1);
    ASSERT_EQ(m_store.WriteDword(key, L"CarPrice", 99), 1);
    ASSERT_EQ(m_store.WriteString(key, L"InterestRate", L"6"), 1);
    CCarLoanModel loaded;
    MakeSample(loaded, 2);
    ASSERT_EQ(loaded.LoadProfile(m_store, 1), 1);
    EXPECT_EQ(loaded.CarPrice(), 25000);
    EXPECT_EQ(loaded.InterestRate(), 4.5);
    EXPECT_EQ(loaded.Months(), 60);
}

TEST_F(FinancialRegistry, LeaseProfileKeepsPayTaxOnCapitalCost) {
    CLeaseModel lease;
    MakeSample(lease, 1);
    ASSERT_EQ(lease.PayTaxOnCapitalCost(), 1);
    ASSERT_EQ(lease.SaveProfile(m_store, 1), 1);
    lease.SetPayTaxOnCapitalCost(0);
    ASSERT_EQ(lease.LoadProfile(m_store, 1), 1);
    EXPECT_EQ(lease.PayTaxOnCapitalCost(), 1);
}

TEST_F(FinancialRegistry, ResetAllClearsBothProfilesOfEveryCalculator) {
    SSampleModels samples(1);
    auto& [mortgage, carLoan, lease, tip] = samples;
    for (int profile : {1, 2}) {
        ASSERT_EQ(mortgage.SaveProfile(m_store, profile), 1);
        ASSERT_EQ(carLoan.SaveProfile(m_store, profile), 1);
        ASSERT_EQ(lease.SaveProfile(m_store, profile), 1);
        ASSERT_EQ(tip.SaveProfile(m_store, profile), 1);
    }
    ASSERT_EQ(ResetAllCalculators(m_store, mortgage, carLoan, lease, tip), 1);
    for (int profile : {1, 2}) {
        SCOPED_TRACE(profile);
        SRawValue raw;
        ASSERT_EQ(ReadRaw(FinancialRecordKey(Calculator::CarLoan, profile), L"CarPrice", &raw), 1);
        ASSERT_EQ(raw.bytes.size(), 8u);
        EXPECT_EQ(DecodeRecordDouble(raw.bytes.data()), 0.0);
        ASSERT_EQ(ReadRaw(FinancialRecordKey(Calculator::Mortgage, profile), L"Principle", &raw),
                  1);
        EXPECT_EQ(DecodeRecordDouble(raw.bytes.data()), 250000.0);
        ASSERT_EQ(ReadRaw(FinancialRecordKey(Calculator::Lease, profile), L"Price", &raw), 1);
        EXPECT_EQ(DecodeRecordDouble(raw.bytes.data()), 0.0);
        ASSERT_EQ(ReadRaw(FinancialRecordKey(Calculator::Tip, profile), L"Amount", &raw), 1);
        EXPECT_EQ(DecodeRecordDouble(raw.bytes.data()), 0.0);
    }
}

TEST_F(FinancialRegistry, AutoSipIsFourBinaryBytes) {
    EXPECT_EQ(LoadAutoSip(m_store), 1);
    ASSERT_EQ(SaveAutoSip(m_store, 0), 1);
    SRawValue raw;
    ASSERT_EQ(ReadRaw(kFinancialKey, L"AutoSip", &raw), 1);
    EXPECT_EQ(raw.type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(raw.bytes, std::vector<unsigned char>({0, 0, 0, 0}));
    EXPECT_EQ(LoadAutoSip(m_store), 0);
}
