#include "financial/models/CarLoanModel.h"
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

} // namespace

template <class Self, class Visitor> void CCarLoanModel::VisitRecord(Self& self, Visitor& v) {
    const int priceTaken = v.Double(L"CarPrice", self.m_carPrice, IsFieldValue);
    v.Double(L"SalesTaxRate", self.m_salesTaxRate, IsFieldValue);
    v.Double(L"SalesTax", self.m_salesTax, IsAnyValue);
    v.Double(L"RegistrationFees", self.m_registrationFees, IsFieldValue);
    v.Double(L"OtherFees", self.m_otherFees, IsFieldValue);
    v.Double(L"DownPayment", self.m_downPayment,
             NotAboveNeighbour(IsFieldValue, self.m_carPrice, priceTaken));
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

template class CFinancialRecordOf<CCarLoanModel>;
