#include "financial/models/CarLoanModel.h"
#include "financial/models/FinancialKeys.h"
#include "financial/models/FinancialRecord.h"
#include "financial/models/FinancialText.h"

#include <climits>

namespace {

// The months live in the record once, as a double; only a whole number that an
// int holds can become the int copy.
bool IsStoredMonths(double months) {
    return months >= 0 && months <= INT_MAX &&
           months == static_cast<double>(static_cast<int>(months));
}

const wchar_t* ProfileKey(int profile) {
    return profile == 1 || profile == 2 ? FinancialRecordKey(FinancialCalculator::CarLoan, profile)
                                        : nullptr;
}

} // namespace

template <class Self, class Visitor> void CCarLoanModel::VisitRecord(Self& self, Visitor& v) {
    v.Double(L"CarPrice", self.m_carPrice, IsFieldValue);
    v.Double(L"SalesTaxRate", self.m_salesTaxRate, IsFieldValue);
    v.Double(L"SalesTax", self.m_salesTax, IsAnyValue);
    v.Double(L"RegistrationFees", self.m_registrationFees, IsFieldValue);
    v.Double(L"OtherFees", self.m_otherFees, IsFieldValue);
    v.Double(L"DownPayment", self.m_downPayment,
             [&self](double amount) { return IsFieldValue(amount) && amount <= self.m_carPrice; });
    v.Double(L"Rebate", self.m_rebate, IsFieldValue);
    v.Double(L"TradeIn", self.m_tradeIn, IsFieldValue);
    v.Double(L"NoOfMonths", self.m_monthsValue, IsStoredMonths);
    v.Double(L"InterestRate", self.m_interestRate, IsFieldValue);
    v.Double(L"AmountBorrowed", self.m_amountBorrowed, IsAnyValue);
    v.Double(L"TotalInterest", self.m_totalInterest, IsAnyValue);
    v.Double(L"TotalCostOfCar", self.m_totalCost, IsAnyValue);
    v.Double(L"MonthlyPayment", self.m_monthlyPayment, IsAnyValue);
    v.Double(L"AmountOwing", self.m_amountOwing, IsAnyValue);
}

int CCarLoanModel::SaveRecord(CZoqSettingsStore& store, const wchar_t* key) const {
    if (!key) {
        return 0;
    }
    CFinancialRecordWriter writer(store, key);
    VisitRecord(*this, writer);
    return writer.Succeeded();
}

int CCarLoanModel::LoadRecord(CZoqSettingsStore& store, const wchar_t* key) {
    if (!key) {
        return 0;
    }
    CFinancialRecordReader reader(store, key);
    VisitRecord(*this, reader);
    m_months = static_cast<int>(m_monthsValue);
    return 1;
}

int CCarLoanModel::SaveSettings(CZoqSettingsStore& store) const {
    return SaveRecord(store, FinancialRecordKey(FinancialCalculator::CarLoan, 0));
}

int CCarLoanModel::LoadSettings(CZoqSettingsStore& store) {
    return LoadRecord(store, FinancialRecordKey(FinancialCalculator::CarLoan, 0));
}

int CCarLoanModel::SaveProfile(CZoqSettingsStore& store, int profile) const {
    return SaveRecord(store, ProfileKey(profile));
}

int CCarLoanModel::LoadProfile(CZoqSettingsStore& store, int profile) {
    return LoadRecord(store, ProfileKey(profile));
}

int CCarLoanModel::ClearProfile(CZoqSettingsStore& store, int profile) {
    if (!ProfileKey(profile)) {
        return 0;
    }
    Clear();
    return SaveProfile(store, profile);
}
