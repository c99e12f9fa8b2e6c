#pragma once

#include "financial/models/FinancialFields.h"
#include "financial/models/FinancialRecordModel.h"

// The car loan calculator: sales tax, amount borrowed, monthly payment, total cost
// and interest. Money and rate setters accept 0 .. 1e8 and return 1; a refused
// value returns 0 and leaves the field unchanged.
//
// Each value getter returns the value and, given a buffer, writes it as text with
// 12 significant digits; a value outside 0 .. 1e8, or a text that does not fit
// `capacity` characters with its terminator, leaves the buffer as it was.
class CCarLoanModel : public CFinancialRecordOf<CCarLoanModel>, public CFinancialFieldModel {
public:
    CCarLoanModel() : CFinancialRecordOf(Calculator::CarLoan) { Clear(); }

    int SetCarPrice(double price);
    int SetSalesTaxRate(double percent);
    int SetRegistrationFees(double fees);
    int SetOtherFees(double fees);
    // A down payment above the price becomes 0 (and is still accepted).
    int SetDownPayment(double amount);
    int SetRebate(double rebate);
    int SetTradeIn(double value);
    int SetInterestRate(double percent);
    int SetMonths(int months);

    void Calculate();
    // Every field to 0.
    void Clear();

    double CarPrice(wchar_t* text = nullptr, int capacity = 0) const;
    double SalesTaxRate(wchar_t* text = nullptr, int capacity = 0) const;
    double SalesTax(wchar_t* text = nullptr, int capacity = 0) const;
    double RegistrationFees(wchar_t* text = nullptr, int capacity = 0) const;
    double OtherFees(wchar_t* text = nullptr, int capacity = 0) const;
    double DownPayment(wchar_t* text = nullptr, int capacity = 0) const;
    double Rebate(wchar_t* text = nullptr, int capacity = 0) const;
    double TradeIn(wchar_t* text = nullptr, int capacity = 0) const;
    double InterestRate(wchar_t* text = nullptr, int capacity = 0) const;
    double AmountBorrowed(wchar_t* text = nullptr, int capacity = 0) const;
    double TotalInterest(wchar_t* text = nullptr, int capacity = 0) const;
    double TotalCost(wchar_t* text = nullptr, int capacity = 0) const;
    double MonthlyPayment(wchar_t* text = nullptr, int capacity = 0) const;
    // The months as a plain integer text.
    int Months(wchar_t* text = nullptr, int capacity = 0) const;
    double AmountOwing() const { return m_amountOwing; }

    // The car loan fields of the wizard steps.
    int ReadField(EFinancialField field, double* value, wchar_t* text = nullptr,
                  int capacity = 0) const override;
    int WriteField(EFinancialField field, double value) override;

private:
    friend class CFinancialRecordOf<CCarLoanModel>;
    template <class Self, class Visitor> static void VisitRecord(Self& self, Visitor& visitor);
    // The record keeps the months once, as a double.
    void DeriveFromRecord() { m_months = static_cast<int>(m_monthsValue); }
    void ClearForProfile() override { Clear(); }

    int m_months;
    double m_carPrice;
    double m_salesTaxRate;
    double m_salesTax;
    double m_registrationFees;
    double m_otherFees;
    double m_downPayment;
    double m_rebate;
    double m_tradeIn;
    double m_monthsValue;
    double m_interestRate;
    double m_amountBorrowed;
    double m_totalInterest;
    double m_totalCost;
    double m_monthlyPayment;
    double m_amountOwing; // nothing sets it; kept only because profiles carry it
};

extern template class CFinancialRecordOf<CCarLoanModel>;
