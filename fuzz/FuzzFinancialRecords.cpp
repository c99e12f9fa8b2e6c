// Arbitrary stored records for every loader of the financial calculator: whatever
// the registry holds, loading must never crash, size an array from a damaged count,
// or leave a model that misbehaves when it calculates and writes its texts.
#include "financial/models/CarLoanModel.h"
#include "financial/models/FinancialOptions.h"
#include "financial/models/LeaseModel.h"
#include "financial/models/MortgageModel.h"
#include "financial/models/TipModel.h"
#include "financial/tests/RecordLayout.h"
#include "ui/ZoqMemoryStore.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

class CInput {
public:
    CInput(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}
    bool Empty() const { return m_at >= m_size; }
    uint8_t Byte() { return m_at < m_size ? m_data[m_at++] : 0; }
    const uint8_t* Take(int count) {
        static const uint8_t zeros[16] = {};
        if (m_at + static_cast<size_t>(count) > m_size) {
            m_at = m_size;
            return zeros;
        }
        const uint8_t* taken = m_data + m_at;
        m_at += static_cast<size_t>(count);
        return taken;
    }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_at = 0;
};

void PlantValues(CInput& input, CZoqMemoryStore& store) {
    const auto& layouts = RecordLayouts();
    while (!input.Empty()) {
        const uint8_t selector = input.Byte();
        const int type = input.Byte() % 5;
        const int sizeChoice = input.Byte() % 16;
        if (selector == 0xFF) {
            const int size = sizeChoice < 12 ? 4 : sizeChoice - 10;
            store.Plant(kFinancialKey, L"AutoSip", static_cast<ZoqValueType>(type),
                        input.Take(size), size);
            continue;
        }
        const SRecordLayout& layout = layouts[selector % layouts.size()];
        const int profile = (selector / 4) % 3;
        const SRecordValue& value = layout.values[input.Byte() % layout.values.size()];
        // Mostly the right size and type, so that the value checks are reached.
        const int size = sizeChoice < 12 ? value.size : sizeChoice - 6;
        const ZoqValueType stored =
            type < 3 ? ZoqValueType::Binary : static_cast<ZoqValueType>(type);
        store.Plant(FinancialRecordKey(layout.calculator, profile), value.name, stored,
                    input.Take(size), size);
    }
}

void Exercise(CMortgageModel& mortgage) {
    mortgage.Payment();
    mortgage.Recalculate();
    const int length = mortgage.ScheduleLength();
    if (length > kMaxMortgagePayments) {
        std::abort();
    }
    for (int i : {-1, 0, length / 2, length - 1, length}) {
        mortgage.BalanceAt(i);
        mortgage.PrincipalPortionAt(i);
        mortgage.InterestAt(i);
    }
    for (int kind = -1; kind <= 6; ++kind) {
        mortgage.Total(kind);
    }
    // Whatever a record holds, the savings and the rate search end.
    SMortgageSavings savings;
    mortgage.Savings(&savings);
    double apr = 0;
    mortgage.AnnualPercentageRate(&apr);
    SMortgagePointsComparison comparison;
    mortgage.ComparePoints(&comparison);
    mortgage.InterestRatesAreValid();
}

void Exercise(CCarLoanModel& loan) {
    loan.Calculate();
    wchar_t text[64];
    loan.Months(text, 64);
    loan.AmountBorrowed(text, 64);
    loan.MonthlyPayment(text, 8);
    loan.TotalCost(text, 64);
    loan.TotalInterest(text, 64);
}

void Exercise(CLeaseModel& lease) {
    lease.Calculate();
    wchar_t text[64];
    lease.Months(text, 64);
    lease.MonthlyPayment(text, 64);
    lease.MoneyFactor(text, 64);
    lease.TotalTax(text, 16);
    lease.SetInterestFromMoneyFactor();
    lease.Interest(text, 64);
}

void Exercise(CTipModel& tip) {
    tip.Calculate();
    wchar_t text[64];
    tip.CurrentPercentageText(text, 64);
    tip.CurrentPeopleText(text, 64);
    const int position = tip.PercentagePosition();
    tip.PercentageEntryText(position, text, 64);
    tip.PeopleEntryText(tip.PeoplePosition(), text, 64, L"Person", L"People");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CInput input(data, size);
    CZoqMemoryStore store;
    PlantValues(input, store);

    CMortgageModel mortgage;
    CCarLoanModel loan;
    CLeaseModel lease;
    CTipModel tip;
    mortgage.LoadSettings(store);
    loan.LoadSettings(store);
    lease.LoadSettings(store);
    tip.LoadSettings(store);
    for (int profile = 1; profile <= 2; ++profile) {
        Exercise(mortgage);
        Exercise(loan);
        Exercise(lease);
        Exercise(tip);
        mortgage.LoadProfile(store, profile);
        loan.LoadProfile(store, profile);
        lease.LoadProfile(store, profile);
        tip.LoadProfile(store, profile);
    }
    Exercise(mortgage);
    Exercise(loan);
    Exercise(lease);
    Exercise(tip);
    LoadAutoSip(store);
    return 0;
}
