#pragma once

#include "financial/models/CarLoanModel.h"
#include "financial/models/FinancialKeys.h"
#include "financial/models/LeaseModel.h"
#include "financial/models/MortgageModel.h"
#include "financial/models/TipModel.h"
#include "financial/tests/RecordLayout.h"
#include "ui/ZoqMemoryStore.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

// Sample inputs: variant 1 and 2 differ in every stored field, and each variant's
// down payment is accepted with the other's price.
inline void MakeSample(CCarLoanModel& m, int variant) {
    m.SetCarPrice(variant == 1 ? 20000 : 25000);
    m.SetSalesTaxRate(variant == 1 ? 7 : 8);
    m.SetRegistrationFees(variant == 1 ? 150 : 90);
    m.SetOtherFees(variant == 1 ? 300 : 45);
    m.SetDownPayment(variant == 1 ? 2000 : 3000);
    m.SetRebate(variant == 1 ? 500 : 250);
    m.SetTradeIn(variant == 1 ? 1000 : 4000);
    m.SetMonths(variant == 1 ? 60 : 48);
    m.SetInterestRate(variant == 1 ? 6 : 4.5);
    m.Calculate();
}

inline void MakeSample(CLeaseModel& m, int variant) {
    m.SetPrice(variant == 1 ? 30000 : 42000);
    m.SetTaxPercent(variant == 1 ? 8 : 6);
    m.SetFees(variant == 1 ? 600 : 400);
    m.SetResidual(variant == 1 ? 15000 : 21000);
    m.SetDownPayment(variant == 1 ? 2500 : 3500);
    m.SetTrade(variant == 1 ? 1200 : 800);
    m.SetMonths(variant == 1 ? 36 : 24);
    m.SetInterest(variant == 1 ? 6 : 3);
    m.SetPayTaxOnCapitalCost(variant == 1 ? 1 : 0);
    m.Calculate();
}

inline void MakeSample(CMortgageModel& m, int variant) {
    m.SetPrincipal(variant == 1 ? 300000 : 200000);
    m.SetTerm(variant == 1 ? 25 : 15);
    m.SetInterestRate(variant == 1 ? 6 : 4);
    m.SetInterestRateWithPoints(variant == 1 ? 5.5 : 3.75);
    m.SetCostPerPoint(variant == 1 ? 1.5 : 0.5);
    m.SetPoints(variant == 1 ? 2 : 3);
    m.SetDownPayment(variant == 1 ? 30000 : 10000);
    m.SetPropertyTax(variant == 1 ? 250 : 180);
    m.SetInsurance(variant == 1 ? 60 : 40);
    m.SetRecurringCosts(variant == 1 ? 25 : 15);
    m.SetSchedule(variant == 1 ? 2 : 7);
    m.SetCanadianMortgage(variant == 1 ? 1 : 0);
    m.SetUsePoints(variant == 1 ? 1 : 0);
    m.SetExtraPayment(variant == 1 ? 150 : 75);
    m.SetLumpSum(variant == 1 ? 10000 : 5000);
    m.SetLumpSumPeriod(variant == 1 ? 24 : 13);
    m.Recalculate();
}

inline void MakeSample(CTipModel& m, int variant) {
    m.SetAmountFromText(variant == 1 ? L"80" : L"45.5");
    m.SetPercentagePosition(variant == 1 ? 15 : 22);
    m.SetPeoplePosition(variant == 1 ? 2 : 5);
}

// One model of each calculator, all filled with the same sample variant.
struct SSampleModels {
    explicit SSampleModels(int variant) {
        MakeSample(mortgage, variant);
        MakeSample(carLoan, variant);
        MakeSample(lease, variant);
        MakeSample(tip, variant);
    }
    CMortgageModel mortgage;
    CCarLoanModel carLoan;
    CLeaseModel lease;
    CTipModel tip;
};

// One calculator's model seen through its record operations.
class CRecordSubject {
public:
    virtual ~CRecordSubject() = default;
    virtual void Sample(int variant) = 0;
    virtual int Save(CZoqSettingsStore& store, int profile) = 0;
    virtual int Load(CZoqSettingsStore& store, int profile) = 0;
    virtual int Clear(CZoqSettingsStore& store, int profile) = 0;
};

template <class Model> class CModelSubject : public CRecordSubject {
public:
    void Sample(int variant) override { MakeSample(m_model, variant); }
    // Profile 0 is the calculator's own key.
    int Save(CZoqSettingsStore& store, int profile) override {
        return profile == 0 ? m_model.SaveSettings(store) : m_model.SaveProfile(store, profile);
    }
    int Load(CZoqSettingsStore& store, int profile) override {
        return profile == 0 ? m_model.LoadSettings(store) : m_model.LoadProfile(store, profile);
    }
    int Clear(CZoqSettingsStore& store, int profile) override {
        return m_model.ClearProfile(store, profile);
    }

private:
    Model m_model;
};

inline std::unique_ptr<CRecordSubject> MakeSubject(Calculator calculator) {
    switch (calculator) {
    case Calculator::CarLoan:
        return std::make_unique<CModelSubject<CCarLoanModel>>();
    case Calculator::Lease:
        return std::make_unique<CModelSubject<CLeaseModel>>();
    case Calculator::Mortgage:
        return std::make_unique<CModelSubject<CMortgageModel>>();
    case Calculator::Tip:
        break;
    }
    return std::make_unique<CModelSubject<CTipModel>>();
}

using Record = std::map<std::wstring, std::vector<unsigned char>>;

// The loaded values of a stored record, as bytes.
inline Record ReadRecord(CZoqSettingsStore& store, const SRecordLayout& layout, int profile) {
    Record record;
    const wchar_t* key = FinancialRecordKey(layout.calculator, profile);
    for (const SRecordValue& value : layout.values) {
        std::vector<unsigned char> bytes(static_cast<size_t>(value.size));
        if (value.loaded && store.ReadBinary(key, value.name, bytes.data(), value.size)) {
            record[value.name] = bytes;
        }
    }
    return record;
}

// What a model holds, seen through the record it writes.
inline Record Snapshot(CRecordSubject& subject, const SRecordLayout& layout) {
    CZoqMemoryStore scratch;
    subject.Save(scratch, 0);
    return ReadRecord(scratch, layout, 0);
}
