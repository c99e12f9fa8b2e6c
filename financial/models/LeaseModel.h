#pragma once

#include "financial/models/FinancialFields.h"
#include "financial/models/FinancialRecordModel.h"

// The lease calculator: depreciation, interest from a rate or a money factor, sales
// tax with or without tax on the capital cost, the monthly payment and the totals.
// Setters accept 0 .. 1e8 and return 1; a refused value returns 0 and leaves the
// field unchanged.
//
// Each value getter returns the value and, given a buffer, writes it as text with
// 12 significant digits and no exponent; a value outside 0 .. 1e8 (the per-month
// values of a lease of 0 months are not finite), or a text that does not fit
// `capacity` characters with its terminator, leaves the buffer as it was.
class CLeaseModel : public CFinancialRecordOf<CLeaseModel>, public CFinancialFieldModel {
public:
    CLeaseModel() : CFinancialRecordOf(Calculator::Lease), m_payTaxOnCapitalCost(0) { Clear(); }

    int SetPrice(double price);
    int SetTaxPercent(double percent);
    int SetFees(double fees);
    int SetResidual(double residual);
    // A down payment above the price becomes 0 (and is still accepted).
    int SetDownPayment(double amount);
    int SetTrade(double value);
    int SetInterest(double percent);
    int SetMoneyFactor(double factor);
    // 0 is accepted: the totals still come out, the per-month values do not.
    int SetMonths(int months);
    // The "Pay Tax on Capital Cost" option; the flag must be 0 or 1.
    int SetPayTaxOnCapitalCost(int flag);
    // For when the money factor field loses the focus: interest = factor x 2400.
    void SetInterestFromMoneyFactor();

    void Calculate();
    // Every field but the option to 0.
    void Clear();

    int PayTaxOnCapitalCost() const { return m_payTaxOnCapitalCost; }
    int Months(wchar_t* text = nullptr, int capacity = 0) const;
    double Price(wchar_t* text = nullptr, int capacity = 0) const;
    double TaxPercent(wchar_t* text = nullptr, int capacity = 0) const;
    double TotalTax(wchar_t* text = nullptr, int capacity = 0) const;
    double Fees(wchar_t* text = nullptr, int capacity = 0) const;
    double Residual(wchar_t* text = nullptr, int capacity = 0) const;
    double DownPayment(wchar_t* text = nullptr, int capacity = 0) const;
    double Trade(wchar_t* text = nullptr, int capacity = 0) const;
    double Interest(wchar_t* text = nullptr, int capacity = 0) const;
    double MoneyFactor(wchar_t* text = nullptr, int capacity = 0) const;
    double MonthlyPayment(wchar_t* text = nullptr, int capacity = 0) const;
    double MonthlyDepreciation(wchar_t* text = nullptr, int capacity = 0) const;
    double MonthlyInterest(wchar_t* text = nullptr, int capacity = 0) const;
    double MonthlyTax(wchar_t* text = nullptr, int capacity = 0) const;
    double TotalPayments(wchar_t* text = nullptr, int capacity = 0) const;
    double TotalDepreciation(wchar_t* text = nullptr, int capacity = 0) const;
    double TotalInterest(wchar_t* text = nullptr, int capacity = 0) const;

    // The lease fields of the wizard steps.
    int ReadField(EFinancialField field, double* value, wchar_t* text = nullptr,
                  int capacity = 0) const override;
    int WriteField(EFinancialField field, double value) override;

private:
    friend class CFinancialRecordOf<CLeaseModel>;
    template <class Self, class Visitor> static void VisitRecord(Self& self, Visitor& visitor);
    void ClearForProfile() override { Clear(); }

    int m_payTaxOnCapitalCost;
    int m_months;
    double m_price;
    double m_taxPercent;
    double m_totalTax;
    double m_fees;
    double m_residual;
    double m_downPayment;
    double m_trade;
    double m_interest;
    double m_moneyFactor;
    double m_monthlyPayment;
    double m_monthlyDepreciation;
    double m_monthlyInterest;
    double m_monthlyTax;
    double m_totalPayments;
    double m_totalDepreciation;
    double m_totalInterest;
};

extern template class CFinancialRecordOf<CLeaseModel>;
