#include "financial/models/FinancialOptions.h"
#include "financial/models/FinancialRecord.h"
#include "financial/tests/RecordSubjects.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {

std::vector<unsigned char> DoubleBytes(double value) {
    std::vector<unsigned char> bytes(8);
    EncodeRecordDouble(value, bytes.data());
    return bytes;
}

std::vector<unsigned char> IntBytes(int value) {
    std::vector<unsigned char> bytes(4);
    EncodeRecordInt(value, bytes.data());
    return bytes;
}

// Loads a record in which one value has been replaced and checks that exactly that
// value was refused: the model keeps its own value there and takes all others.
void ExpectRefused(const SRecordLayout& layout, const wchar_t* name, ZoqValueType type,
                   const std::vector<unsigned char>& bytes) {
    CZoqMemoryStore store;
    auto stored = MakeSubject(layout.calculator);
    stored->Sample(1);
    ASSERT_EQ(stored->Save(store, 1), 1);
    Record expected = Snapshot(*stored, layout);

    store.Plant(FinancialRecordKey(layout.calculator, 1), name, type, bytes.data(),
                static_cast<int>(bytes.size()));
    auto loading = MakeSubject(layout.calculator);
    loading->Sample(2);
    expected[name] = Snapshot(*loading, layout)[name];
    ASSERT_EQ(loading->Load(store, 1), 1);
    EXPECT_EQ(Snapshot(*loading, layout), expected);
}

// Remembers the order in which values are written.
class CRecordingStore : public CZoqMemoryStore {
public:
    int WriteBinary(const wchar_t* key, const wchar_t* name, const void* data, int size) override {
        written.push_back(name);
        return CZoqMemoryStore::WriteBinary(key, name, data, size);
    }
    std::vector<std::wstring> written;
};

} // namespace

TEST(FinancialRecord, ValuesAreWrittenInTheirListedOrder) {
    for (const SRecordLayout& layout : RecordLayouts()) {
        SCOPED_TRACE(layout.name);
        CRecordingStore store;
        auto subject = MakeSubject(layout.calculator);
        ASSERT_EQ(subject->Save(store, 1), 1);
        std::vector<std::wstring> listed;
        for (const SRecordValue& value : layout.values) {
            listed.push_back(value.name);
        }
        EXPECT_EQ(store.written, listed);
    }
}

TEST(FinancialRecord, BytesAreLittleEndian) {
    const unsigned char one[8] = {0, 0, 0, 0, 0, 0, 0xF0, 0x3F};
    EXPECT_EQ(DoubleBytes(1.0), std::vector<unsigned char>(one, one + 8));
    EXPECT_EQ(DecodeRecordDouble(one), 1.0);
    const unsigned char big[4] = {0x78, 0x56, 0x34, 0x12};
    EXPECT_EQ(IntBytes(0x12345678), std::vector<unsigned char>(big, big + 4));
    EXPECT_EQ(DecodeRecordInt(big), 0x12345678);
    EXPECT_EQ(DecodeRecordInt(IntBytes(-2).data()), -2);
}

TEST(FinancialRecord, EveryCalculatorWritesItsLayoutAndReadsItBack) {
    for (const SRecordLayout& layout : RecordLayouts()) {
        SCOPED_TRACE(layout.name);
        for (int profile : {0, 1, 2}) {
            SCOPED_TRACE(profile);
            CZoqMemoryStore store;
            auto saved = MakeSubject(layout.calculator);
            saved->Sample(1);
            ASSERT_EQ(saved->Save(store, profile), 1);
            const wchar_t* key = FinancialRecordKey(layout.calculator, profile);
            for (const SRecordValue& value : layout.values) {
                SCOPED_TRACE(testing::Message() << value.name);
                ZoqValueType type = ZoqValueType::Missing;
                int size = 0;
                ASSERT_EQ(store.QueryValue(key, value.name, &type, &size), 1);
                EXPECT_EQ(type, ZoqValueType::Binary);
                EXPECT_EQ(size, value.size);
            }
            auto loaded = MakeSubject(layout.calculator);
            loaded->Sample(2);
            ASSERT_EQ(loaded->Load(store, profile), 1);
            EXPECT_EQ(Snapshot(*loaded, layout), Snapshot(*saved, layout));
        }
    }
}

TEST(FinancialRecord, AbsentProfileChangesNothingAndBadProfileNumbersFail) {
    for (const SRecordLayout& layout : RecordLayouts()) {
        SCOPED_TRACE(layout.name);
        CZoqMemoryStore store;
        auto subject = MakeSubject(layout.calculator);
        subject->Sample(1);
        const Record before = Snapshot(*subject, layout);
        EXPECT_EQ(subject->Load(store, 2), 1);
        EXPECT_EQ(Snapshot(*subject, layout), before);
        for (int profile : {-1, 3}) {
            EXPECT_EQ(subject->Load(store, profile), 0);
            EXPECT_EQ(subject->Save(store, profile), 0);
            EXPECT_EQ(subject->Clear(store, profile), 0);
        }
        EXPECT_EQ(Snapshot(*subject, layout), before);
    }
}

TEST(FinancialRecord, DamagedValuesAreRefusedOneByOne) {
    for (const SRecordLayout& layout : RecordLayouts()) {
        for (const SRecordValue& value : layout.values) {
            if (!value.loaded) {
                continue;
            }
            SCOPED_TRACE(testing::Message() << layout.name << " " << value.name);
            const std::vector<unsigned char> sizes[] = {
                {},
                std::vector<unsigned char>(value.size - 1, 1),
                std::vector<unsigned char>(value.size + 1, 1)};
            for (const auto& bytes : sizes) {
                ExpectRefused(layout, value.name, ZoqValueType::Binary, bytes);
            }
            ExpectRefused(layout, value.name, ZoqValueType::Dword, IntBytes(1));
            if (value.size == 8) {
                for (double bad : {NAN, INFINITY, -INFINITY}) {
                    ExpectRefused(layout, value.name, ZoqValueType::Binary, DoubleBytes(bad));
                }
            }
        }
    }
}

TEST(FinancialRecord, ValuesTheSettersWouldRefuseAreRefused) {
    const struct {
        Calculator calculator;
        const wchar_t* name;
        bool isInt;
        double bad;
    } rows[] = {
        {Calculator::CarLoan, L"CarPrice", false, -1},
        {Calculator::CarLoan, L"SalesTaxRate", false, 1e9},
        {Calculator::CarLoan, L"RegistrationFees", false, -0.01},
        {Calculator::CarLoan, L"DownPayment", false, 20000.01},
        {Calculator::CarLoan, L"NoOfMonths", false, 2.5},
        {Calculator::CarLoan, L"NoOfMonths", false, -12},
        {Calculator::CarLoan, L"NoOfMonths", false, 3e9},
        {Calculator::CarLoan, L"OtherFees", false, -3},
        {Calculator::CarLoan, L"Rebate", false, -1},
        {Calculator::CarLoan, L"TradeIn", false, 1e300},
        {Calculator::CarLoan, L"InterestRate", false, 100000001},
        {Calculator::Lease, L"Months", true, -1},
        {Calculator::Lease, L"Months", true, 100000001},
        {Calculator::Lease, L"Price", false, -1},
        {Calculator::Lease, L"DownPayment", false, 30000.5},
        {Calculator::Lease, L"TaxPercent", false, -8},
        {Calculator::Lease, L"Fees", false, -1},
        {Calculator::Lease, L"Residual", false, 1e9},
        {Calculator::Lease, L"Trade", false, -0.5},
        {Calculator::Lease, L"Interest", false, 2.4e11},
        {Calculator::Lease, L"MoneyFactor", false, 2e8},
        {Calculator::Lease, L"PayTaxOnCapCost", true, 2},
        {Calculator::Mortgage, L"UsePoints", true, -1},
        {Calculator::Mortgage, L"Principle", false, -1},
        {Calculator::Mortgage, L"InterestRate", false, 1.5},
        {Calculator::Mortgage, L"Term", true, 31},
        {Calculator::Mortgage, L"FractionalInterest", false, 0.1},
        {Calculator::Mortgage, L"Payments", true, 1561},
        {Calculator::Mortgage, L"Payments", true, -1},
        {Calculator::Mortgage, L"Payments", true, 2000000000},
        {Calculator::Mortgage, L"MonthlyPropertyTaxes", false, -5},
        {Calculator::Mortgage, L"MortgageInsurancePerMonth", false, -1},
        {Calculator::Mortgage, L"OtherRecurringCostsPerMonth", false, -1},
        {Calculator::Mortgage, L"InterestRateWithPoints", false, 1.01},
        {Calculator::Mortgage, L"CostForsPoint", false, -100},
        {Calculator::Mortgage, L"PointsPurchased", true, -2},
        {Calculator::Mortgage, L"AdjustedFractionalInterest", false, -0.001},
        {Calculator::Mortgage, L"DownPayment", false, 300000},
        {Calculator::Mortgage, L"CostForsPointPercent", false, 100.5},
        {Calculator::Mortgage, L"CanadianMortgage", true, 7},
        {Calculator::Mortgage, L"PaymentIndex", true, 10},
        {Calculator::Mortgage, L"PaymentIndex", true, -1},
        {Calculator::Mortgage, L"ExtraPaymentPerPeriod", false, -0.01},
        {Calculator::Mortgage, L"ExtraPaymentPerPeriod", false, 300000.01},
        {Calculator::Mortgage, L"LumpSum", false, 300000.01},
        {Calculator::Mortgage, L"LumpSumPeriod", true, -1},
        {Calculator::Mortgage, L"LumpSumPeriod", true, 1561},
        {Calculator::Tip, L"TipPercentage", true, 21},
        {Calculator::Tip, L"TipPercentage", true, 51},
        {Calculator::Tip, L"NumberOfPeople", true, 0},
        {Calculator::Tip, L"NumberOfPeople", true, 21},
    };
    for (const auto& row : rows) {
        const SRecordLayout& layout = RecordLayouts()[static_cast<int>(row.calculator)];
        SCOPED_TRACE(testing::Message() << layout.name << " " << row.name << " = " << row.bad);
        ExpectRefused(layout, row.name, ZoqValueType::Binary,
                      row.isInt ? IntBytes(static_cast<int>(row.bad)) : DoubleBytes(row.bad));
    }
}

TEST(FinancialRecord, LoadedMortgageDropsItsOldScheduleAndRebuildsFromTheRecord) {
    CZoqMemoryStore store;
    CMortgageModel saved;
    MakeSample(saved, 1);
    ASSERT_EQ(saved.SaveProfile(store, 1), 1);
    CMortgageModel loaded;
    MakeSample(loaded, 2);
    ASSERT_GT(loaded.ScheduleLength(), 0);
    ASSERT_EQ(loaded.LoadProfile(store, 1), 1);
    EXPECT_EQ(loaded.ScheduleLength(), 0);
    EXPECT_EQ(loaded.BalanceAt(0), -911.0);
    ASSERT_EQ(loaded.Recalculate(), 1);
    EXPECT_EQ(loaded.ScheduleLength(), saved.ScheduleLength());
    EXPECT_EQ(loaded.PaymentAmount(), saved.PaymentAmount());
    EXPECT_EQ(loaded.BalanceAt(649), saved.BalanceAt(649));
}

TEST(FinancialRecord, LeaseProfileKeepsPayTaxOnCapitalCost) {
    CZoqMemoryStore store;
    CLeaseModel lease;
    lease.SetPayTaxOnCapitalCost(1);
    ASSERT_EQ(lease.SaveProfile(store, 2), 1);
    lease.SetPayTaxOnCapitalCost(0);
    ASSERT_EQ(lease.LoadProfile(store, 2), 1);
    EXPECT_EQ(lease.PayTaxOnCapitalCost(), 1);
    // Clearing a profile zeroes the lease's values but keeps the option.
    MakeSample(lease, 1);
    ASSERT_EQ(lease.ClearProfile(store, 2), 1);
    EXPECT_EQ(lease.PayTaxOnCapitalCost(), 1);
    EXPECT_EQ(lease.Price(), 0);
    CLeaseModel reloaded;
    ASSERT_EQ(reloaded.LoadProfile(store, 2), 1);
    EXPECT_EQ(reloaded.PayTaxOnCapitalCost(), 1);
    EXPECT_EQ(reloaded.Months(), 0);
}

TEST(FinancialRecord, ResetAllClearsEveryCalculatorAndBothProfiles) {
    CZoqMemoryStore store;
    SSampleModels samples(1);
    auto& [mortgage, carLoan, lease, tip] = samples;
    ASSERT_EQ(ResetAllCalculators(store, mortgage, carLoan, lease, tip), 1);
    EXPECT_EQ(mortgage.Principal(), 250000.0);
    EXPECT_EQ(mortgage.ScheduleLength(), 0);
    EXPECT_EQ(mortgage.Schedule(), 2); // options belong to the user, not to a profile
    EXPECT_EQ(carLoan.CarPrice(), 0);
    EXPECT_EQ(lease.Price(), 0);
    EXPECT_EQ(tip.Amount(), 0);
    // Each profile now holds what clearing a model leaves.
    for (const SRecordLayout& layout : RecordLayouts()) {
        auto cleared = MakeSubject(layout.calculator);
        cleared->Sample(1);
        CZoqMemoryStore scratch;
        cleared->Clear(scratch, 1);
        for (int profile : {1, 2}) {
            SCOPED_TRACE(testing::Message() << layout.name << " profile " << profile);
            EXPECT_EQ(ReadRecord(store, layout, profile), Snapshot(*cleared, layout));
        }
    }
}

TEST(FinancialRecord, AutoSip) {
    CZoqMemoryStore store;
    EXPECT_EQ(LoadAutoSip(store), 1);
    ASSERT_EQ(SaveAutoSip(store, 0), 1);
    EXPECT_EQ(LoadAutoSip(store), 0);
    ZoqValueType type;
    int size = 0;
    ASSERT_EQ(store.QueryValue(L"SOFTWARE\\Zoq\\Financial", L"AutoSip", &type, &size), 1);
    EXPECT_EQ(type, ZoqValueType::Binary);
    EXPECT_EQ(size, 4);
    const auto two = IntBytes(2);
    store.Plant(L"SOFTWARE\\Zoq\\Financial", L"AutoSip", ZoqValueType::Binary, two.data(), 4);
    EXPECT_EQ(LoadAutoSip(store), 1);
}

TEST(FinancialOptions, CostOfPointsList) {
    wchar_t text[16];
    const struct {
        int position;
        const wchar_t* text;
    } rows[] = {{0, L"0"}, {1, L"0.1"}, {3, L"0.3"}, {29, L"2.9"}, {30, L"3"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.position);
        ASSERT_EQ(CostOfPointsEntryText(row.position, text, 16), 1);
        EXPECT_STREQ(text, row.text);
    }
    EXPECT_EQ(CostOfPointsEntryText(31, text, 16), 0);
    for (int position = 0; position < kCostOfPointsEntries; ++position) {
        EXPECT_EQ(CostOfPointsPosition(CostOfPointsAt(position)), position);
    }
    EXPECT_EQ(CostOfPointsPosition(0.25), 2);
    EXPECT_EQ(CostOfPointsPosition(5), -1);
}

// A down payment is checked against its price only when that price was stored intact:
// a damaged or missing price leaves a good down payment loaded, and it is what the
// next save writes back. A good price still refuses a down payment above it.
namespace {

double DownPaymentOf(CCarLoanModel& model) {
    return model.DownPayment(nullptr, 0);
}
double DownPaymentOf(CLeaseModel& model) {
    return model.DownPayment(nullptr, 0);
}
double DownPaymentOf(CMortgageModel& model) {
    return model.DownPayment();
}
void SetPrice(CCarLoanModel& model, double price) {
    model.SetCarPrice(price);
}
void SetPrice(CLeaseModel& model, double price) {
    model.SetPrice(price);
}
void SetPrice(CMortgageModel& model, double price) {
    model.SetPrincipal(price);
}

struct SDownPaymentCase {
    double price;
    double down;
    int damage; // 0 none: the price is replaced by `replacedPrice`
    double replacedPrice;
    double expected;
};

// Saves price and down payment, damages the stored price, loads a fresh model from
// the record, and saves that into `again` as the program does at exit.
template <class Model>
double LoadAfterDamage(const SDownPaymentCase& row, Calculator calculator, const wchar_t* priceName,
                       CZoqMemoryStore& again) {
    CZoqMemoryStore store;
    {
        Model saved;
        SetPrice(saved, row.price);
        saved.SetDownPayment(row.down);
        EXPECT_EQ(saved.SaveSettings(store), 1);
    }
    const wchar_t* key = FinancialRecordKey(calculator, 0);
    switch (row.damage) {
    case 0:
        store.WriteBinary(key, priceName, DoubleBytes(row.replacedPrice).data(), 8);
        break;
    case 1:
        EXPECT_EQ(store.DeleteValue(key, priceName), 1);
        break;
    case 2:
        store.WriteBinary(key, priceName, DoubleBytes(NAN).data(), 8);
        break;
    case 3:
        store.WriteBinary(key, priceName, DoubleBytes(-1).data(), 8);
        break;
    case 4:
        store.WriteBinary(key, priceName, DoubleBytes(row.price).data(), 7);
        break;
    default:
        store.WriteDword(key, priceName, 5);
        break;
    }
    Model loaded;
    loaded.LoadSettings(store);
    EXPECT_EQ(loaded.SaveSettings(again), 1);
    return DownPaymentOf(loaded);
}

} // namespace

TEST(FinancialRecord, GoodDownPaymentSurvivesADamagedPrice) {
    const SDownPaymentCase rows[] = {
        {400000, 300000, 1, 0, 300000},
        {400000, 300000, 2, 0, 300000},
        {400000, 300000, 3, 0, 300000},
        {400000, 300000, 4, 0, 300000},
        {400000, 300000, 5, 0, 300000},
        {20000, 2000, 1, 0, 2000},
        {20000, 2000, 2, 0, 2000},
        {400000, 300000, 0, 400000, 300000},
        {400000, 300000, 0, 350000, 300000},
        {400000, 300000, 0, 200000, 0},
        {400000, 0, 1, 0, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message()
                     << "price " << row.price << " down " << row.down << " damage " << row.damage
                     << " replaced by " << row.replacedPrice);
        struct {
            const char* name;
            Calculator calculator;
            double (*load)(const SDownPaymentCase&, Calculator, const wchar_t*, CZoqMemoryStore&);
            const wchar_t* price;
        } const calculators[] = {
            {"car loan", Calculator::CarLoan, LoadAfterDamage<CCarLoanModel>, L"CarPrice"},
            {"lease", Calculator::Lease, LoadAfterDamage<CLeaseModel>, L"Price"},
            {"mortgage", Calculator::Mortgage, LoadAfterDamage<CMortgageModel>, L"Principle"},
        };
        for (const auto& calculator : calculators) {
            SCOPED_TRACE(calculator.name);
            CZoqMemoryStore again;
            EXPECT_EQ(calculator.load(row, calculator.calculator, calculator.price, again),
                      row.expected);
            unsigned char written[8];
            ASSERT_EQ(again.ReadBinary(FinancialRecordKey(calculator.calculator, 0), L"DownPayment",
                                       written, 8),
                      1);
            EXPECT_EQ(DecodeRecordDouble(written), row.expected);
        }
    }
}
