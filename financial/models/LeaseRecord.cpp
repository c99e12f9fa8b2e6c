#include "financial/models/FinancialRecord.h"
#include "financial/models/FinancialText.h"
#include "financial/models/LeaseModel.h"

template <class Self, class Visitor> void CLeaseModel::VisitRecord(Self& self, Visitor& v) {
    v.Int(L"Months", self.m_months, [](int months) { return months >= 0 && months <= 100000000; });
    const int priceTaken = v.Double(L"Price", self.m_price, IsFieldValue);
    v.Double(L"TaxPercent", self.m_taxPercent, IsFieldValue);
    v.Double(L"TotalTax", self.m_totalTax, IsAnyValue);
    v.Double(L"Fees", self.m_fees, IsFieldValue);
    v.Double(L"Residual", self.m_residual, IsFieldValue);
    v.Double(L"DownPayment", self.m_downPayment,
             NotAboveNeighbour(IsFieldValue, self.m_price, priceTaken));
    v.Double(L"Trade", self.m_trade, IsFieldValue);
    v.Double(L"Interest", self.m_interest, IsFieldValue);
    v.Double(L"MoneyFactor", self.m_moneyFactor, IsFieldValue);
    v.Double(L"MonthlyPayment", self.m_monthlyPayment, IsAnyValue);
    v.Double(L"MonthlyDep", self.m_monthlyDepreciation, IsAnyValue);
    v.Double(L"MonthlyInterest", self.m_monthlyInterest, IsAnyValue);
    v.Double(L"MonthlyTax", self.m_monthlyTax, IsAnyValue);
    v.Double(L"TotalPayments", self.m_totalPayments, IsAnyValue);
    v.Double(L"TotalDepreciation", self.m_totalDepreciation, IsAnyValue);
    v.Double(L"TotalInterest", self.m_totalInterest, IsAnyValue);
    v.Int(L"PayTaxOnCapCost", self.m_payTaxOnCapitalCost, IsFlag);
}

template class CFinancialRecordOf<CLeaseModel>;
