#include "financial/models/LeaseModel.h"

#include "financial/models/FinancialText.h"

namespace {

double Report(double value, wchar_t* text, int capacity) {
    WriteExponentFreeFieldText(value, text, capacity);
    return value;
}

} // namespace

void CLeaseModel::Clear() {
    m_months = 0;
    m_price = 0;
    m_taxPercent = 0;
    m_totalTax = 0;
    m_fees = 0;
    m_residual = 0;
    m_downPayment = 0;
    m_trade = 0;
    m_interest = 0;
    m_moneyFactor = 0;
    m_monthlyPayment = 0;
    m_monthlyDepreciation = 0;
    m_monthlyInterest = 0;
    m_monthlyTax = 0;
    m_totalPayments = 0;
    m_totalDepreciation = 0;
    m_totalInterest = 0;
}

int CLeaseModel::SetPrice(double price) {
    return StoreFieldValue(price, &m_price);
}
int CLeaseModel::SetTaxPercent(double percent) {
    return StoreFieldValue(percent, &m_taxPercent);
}
int CLeaseModel::SetFees(double fees) {
    return StoreFieldValue(fees, &m_fees);
}
int CLeaseModel::SetResidual(double residual) {
    return StoreFieldValue(residual, &m_residual);
}
int CLeaseModel::SetTrade(double value) {
    return StoreFieldValue(value, &m_trade);
}
int CLeaseModel::SetInterest(double percent) {
    return StoreFieldValue(percent, &m_interest);
}
int CLeaseModel::SetMoneyFactor(double factor) {
    return StoreFieldValue(factor, &m_moneyFactor);
}

int CLeaseModel::SetDownPayment(double amount) {
    return StoreDownPayment(amount, m_price, &m_downPayment);
}

int CLeaseModel::SetMonths(int months) {
    return ZoqStoreIf(
        months, [](int count) { return IsFieldValue(static_cast<double>(count)); }, &m_months);
}

int CLeaseModel::SetPayTaxOnCapitalCost(int flag) {
    return ZoqStoreFlag(flag, &m_payTaxOnCapitalCost);
}

void CLeaseModel::SetInterestFromMoneyFactor() {
    m_interest = m_moneyFactor * 2400.0;
}

void CLeaseModel::Calculate() {
    const double n = m_months;
    m_totalDepreciation = m_price - m_residual - m_trade - m_downPayment + m_fees;
    m_monthlyDepreciation = (1 / n) * m_totalDepreciation;
    m_moneyFactor = m_interest * 0.0004166666666666667;
    m_monthlyInterest = (m_fees + m_price - m_trade - m_downPayment + m_residual) * m_moneyFactor;
    m_totalInterest = m_monthlyInterest * n;
    m_monthlyTax = (m_monthlyInterest + m_monthlyDepreciation) * m_taxPercent * 0.01;
    if (m_payTaxOnCapitalCost == 1) {
        // Tax on the whole capital cost: the residual is taxed too, spread over the term.
        m_monthlyTax = (1 / n) * m_residual * m_taxPercent * 0.01 + m_monthlyTax;
    }
    m_totalTax = m_monthlyTax * n;
    m_monthlyPayment = m_monthlyInterest + m_monthlyDepreciation + m_monthlyTax;
    m_totalPayments = m_monthlyPayment * n;
    if (m_months == 0) {
        m_totalTax = m_taxPercent * m_totalDepreciation * 0.01;
    }
}

int CLeaseModel::Months(wchar_t* text, int capacity) const {
    WriteIntText(m_months, text, capacity);
    return m_months;
}

double CLeaseModel::Price(wchar_t* text, int capacity) const {
    return Report(m_price, text, capacity);
}
double CLeaseModel::TaxPercent(wchar_t* text, int capacity) const {
    return Report(m_taxPercent, text, capacity);
}
double CLeaseModel::TotalTax(wchar_t* text, int capacity) const {
    return Report(m_totalTax, text, capacity);
}
double CLeaseModel::Fees(wchar_t* text, int capacity) const {
    return Report(m_fees, text, capacity);
}
double CLeaseModel::Residual(wchar_t* text, int capacity) const {
    return Report(m_residual, text, capacity);
}
double CLeaseModel::DownPayment(wchar_t* text, int capacity) const {
    return Report(m_downPayment, text, capacity);
}
double CLeaseModel::Trade(wchar_t* text, int capacity) const {
    return Report(m_trade, text, capacity);
}
double CLeaseModel::Interest(wchar_t* text, int capacity) const {
    return Report(m_interest, text, capacity);
}
double CLeaseModel::MoneyFactor(wchar_t* text, int capacity) const {
    return Report(m_moneyFactor, text, capacity);
}
double CLeaseModel::MonthlyPayment(wchar_t* text, int capacity) const {
    return Report(m_monthlyPayment, text, capacity);
}
double CLeaseModel::MonthlyDepreciation(wchar_t* text, int capacity) const {
    return Report(m_monthlyDepreciation, text, capacity);
}
double CLeaseModel::MonthlyInterest(wchar_t* text, int capacity) const {
    return Report(m_monthlyInterest, text, capacity);
}
double CLeaseModel::MonthlyTax(wchar_t* text, int capacity) const {
    return Report(m_monthlyTax, text, capacity);
}
double CLeaseModel::TotalPayments(wchar_t* text, int capacity) const {
    return Report(m_totalPayments, text, capacity);
}
double CLeaseModel::TotalDepreciation(wchar_t* text, int capacity) const {
    return Report(m_totalDepreciation, text, capacity);
}
double CLeaseModel::TotalInterest(wchar_t* text, int capacity) const {
    return Report(m_totalInterest, text, capacity);
}
