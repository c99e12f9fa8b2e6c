#pragma once

#include "financial/models/FinancialKeys.h"

#include <vector>

// The stored layout of each calculator's record, written out by hand from the
// registry layout the programs share with their saved profiles.
struct SRecordValue {
    const wchar_t* name;
    int size;    // 8 for a double, 4 for an int
    bool loaded; // false for values kept for other readers only
};

struct SRecordLayout {
    const char* name;
    Calculator calculator;
    std::vector<SRecordValue> values;
};

inline const std::vector<SRecordLayout>& RecordLayouts() {
    static const std::vector<SRecordLayout> layouts = {
        {"car loan",
         Calculator::CarLoan,
         {{L"CarPrice", 8, true},
          {L"SalesTaxRate", 8, true},
          {L"SalesTax", 8, true},
          {L"RegistrationFees", 8, true},
          {L"OtherFees", 8, true},
          {L"DownPayment", 8, true},
          {L"Rebate", 8, true},
          {L"TradeIn", 8, true},
          {L"NoOfMonths", 8, true},
          {L"InterestRate", 8, true},
          {L"AmountBorrowed", 8, true},
          {L"TotalInterest", 8, true},
          {L"TotalCostOfCar", 8, true},
          {L"MonthlyPayment", 8, true},
          {L"AmountOwing", 8, true}}},
        {"lease",
         Calculator::Lease,
         {{L"Months", 4, true},
          {L"Price", 8, true},
          {L"TaxPercent", 8, true},
          {L"TotalTax", 8, true},
          {L"Fees", 8, true},
          {L"Residual", 8, true},
          {L"DownPayment", 8, true},
          {L"Trade", 8, true},
          {L"Interest", 8, true},
          {L"MoneyFactor", 8, true},
          {L"MonthlyPayment", 8, true},
          {L"MonthlyDep", 8, true},
          {L"MonthlyInterest", 8, true},
          {L"MonthlyTax", 8, true},
          {L"TotalPayments", 8, true},
          {L"TotalDepreciation", 8, true},
          {L"TotalInterest", 8, true},
          {L"PayTaxOnCapCost", 4, true}}},
        {"mortgage",
         Calculator::Mortgage,
         {{L"PrinciplePerMonth", 8, false},
          {L"PrincipleRemaining", 8, false},
          {L"UsePoints", 4, true},
          {L"Principle", 8, true},
          {L"InterestRate", 8, true},
          {L"Term", 4, true},
          {L"FractionalInterest", 8, true},
          {L"PaymentAmount", 8, true},
          {L"Payments", 4, true},
          {L"MonthlyPropertyTaxes", 8, true},
          {L"MortgageInsurancePerMonth", 8, true},
          {L"OtherRecurringCostsPerMonth", 8, true},
          {L"PointsPurchased", 4, true},
          {L"InterestRateWithPoints", 8, true},
          {L"CostForsPoint", 8, true},
          {L"AdjustedFractionalInterest", 8, true},
          {L"DownPayment", 8, true},
          {L"CostForsPointPercent", 8, true},
          {L"CanadianMortgage", 4, true},
          {L"PaymentIndex", 4, true},
          {L"ExtraPaymentPerPeriod", 8, true},
          {L"LumpSum", 8, true},
          {L"LumpSumPeriod", 4, true}}},
        {"tip",
         Calculator::Tip,
         {{L"Amount", 8, true},
          {L"TipAmount", 8, true},
          {L"Total", 8, true},
          {L"TotalSplit", 8, true},
          {L"TipPercentage", 4, true},
          {L"NumberOfPeople", 4, true}}},
    };
    return layouts;
}
