#include "financial/models/CarLoanModel.h"

#include "financial/models/FinancialText.h"

#include "financial/models/Annuity.h"

#include <climits>
#include <cmath>

namespace {

double Report(double value, wchar_t* text, int capacity) {
    WriteFieldText(value, text, capacity);
    return value;
}

} // namespace

void CCarLoanModel::Clear() {
    m_months = 0;
    m_carPrice = 0;
    m_salesTaxRate = 0;
    m_salesTax = 0;
    m_registrationFees = 0;
    m_otherFees = 0;
    m_downPayment = 0;
    m_rebate = 0;
    m_tradeIn = 0;
    m_monthsValue = 0;
    m_interestRate = 0;
    m_amountBorrowed = 0;
    m_totalInterest = 0;
    m_totalCost = 0;
    m_monthlyPayment = 0;
    m_amountOwing = 0;
}

int CCarLoanModel::SetCarPrice(double price) {
    return StoreFieldValue(price, &m_carPrice);
}
int CCarLoanModel::SetSalesTaxRate(double percent) {
    return StoreFieldValue(percent, &m_salesTaxRate);
}
int CCarLoanModel::SetRegistrationFees(double fees) {
    return StoreFieldValue(fees, &m_registrationFees);
}
int CCarLoanModel::SetOtherFees(double fees) {
    return StoreFieldValue(fees, &m_otherFees);
}
int CCarLoanModel::SetRebate(double rebate) {
    return StoreFieldValue(rebate, &m_rebate);
}
int CCarLoanModel::SetTradeIn(double value) {
    return StoreFieldValue(value, &m_tradeIn);
}
int CCarLoanModel::SetInterestRate(double percent) {
    return StoreFieldValue(percent, &m_interestRate);
}

int CCarLoanModel::SetDownPayment(double amount) {
    return StoreDownPayment(amount, m_carPrice, &m_downPayment);
}

int CCarLoanModel::SetMonths(int months) {
    if (!ZoqStoreWithin(months, 1, INT_MAX, &m_months)) {
        return 0;
    }
    m_monthsValue = months;
    return 1;
}

void CCarLoanModel::Calculate() {
    const double netPrice = m_carPrice - m_tradeIn;
    m_salesTax = netPrice * m_salesTaxRate * 0.01;
    m_amountBorrowed = m_salesTax + m_carPrice + m_otherFees + m_registrationFees - m_downPayment -
                       m_rebate - m_tradeIn;
    if (m_monthsValue > 0 && m_interestRate > 0 && m_amountBorrowed > 0 && m_carPrice > 0) {
        const double i = m_interestRate * 0.0008333333333333334;
        const int months = static_cast<int>(m_monthsValue);
        m_totalCost = AnnuityPayment(m_amountBorrowed, i, months) * m_monthsValue;
        // The caps are display limits: results beyond them show as 0.
        if (m_amountBorrowed > 999999.0) {
            m_amountBorrowed = 0;
        }
        m_monthlyPayment = m_totalCost / m_monthsValue;
        if (m_monthlyPayment < 0 || m_monthlyPayment > 100000.0) {
            m_monthlyPayment = 0;
        }
        if (m_totalCost < 0 || m_totalCost > 999999.0) {
            m_totalCost = 0;
        }
        m_totalInterest = m_totalCost - m_amountBorrowed;
        if (m_totalInterest < 0 || m_totalInterest > 999999.0) {
            m_totalInterest = 0;
        }
        return;
    }
    m_monthlyPayment = m_monthsValue != 0 ? m_amountBorrowed / m_monthsValue : 0;
    m_totalInterest = 0;
    m_totalCost = m_amountBorrowed;
}

double CCarLoanModel::CarPrice(wchar_t* text, int capacity) const {
    return Report(m_carPrice, text, capacity);
}
double CCarLoanModel::SalesTaxRate(wchar_t* text, int capacity) const {
    return Report(m_salesTaxRate, text, capacity);
}
double CCarLoanModel::SalesTax(wchar_t* text, int capacity) const {
    return Report(m_salesTax, text, capacity);
}
double CCarLoanModel::RegistrationFees(wchar_t* text, int capacity) const {
    return Report(m_registrationFees, text, capacity);
}
double CCarLoanModel::OtherFees(wchar_t* text, int capacity) const {
    return Report(m_otherFees, text, capacity);
}
double CCarLoanModel::DownPayment(wchar_t* text, int capacity) const {
    return Report(m_downPayment, text, capacity);
}
double CCarLoanModel::Rebate(wchar_t* text, int capacity) const {
    return Report(m_rebate, text, capacity);
}
double CCarLoanModel::TradeIn(wchar_t* text, int capacity) const {
    return Report(m_tradeIn, text, capacity);
}
double CCarLoanModel::InterestRate(wchar_t* text, int capacity) const {
    return Report(m_interestRate, text, capacity);
}
double CCarLoanModel::AmountBorrowed(wchar_t* text, int capacity) const {
    return Report(m_amountBorrowed, text, capacity);
}
double CCarLoanModel::TotalInterest(wchar_t* text, int capacity) const {
    return Report(m_totalInterest, text, capacity);
}
double CCarLoanModel::TotalCost(wchar_t* text, int capacity) const {
    return Report(m_totalCost, text, capacity);
}
double CCarLoanModel::MonthlyPayment(wchar_t* text, int capacity) const {
    return Report(m_monthlyPayment, text, capacity);
}

int CCarLoanModel::Months(wchar_t* text, int capacity) const {
    WriteIntText(m_months, text, capacity);
    return m_months;
}
