#pragma once

// The values the wizard steps of the car loan, lease and mortgage calculators show in
// their fields, named across the three so that one step table type serves them all.
enum class EFinancialField {
    None,
    CarPrice,
    CarSalesTaxRate,
    CarSalesTax,
    CarRegistrationFees,
    CarOtherFees,
    CarDownPayment,
    CarRebate,
    CarTradeIn,
    CarMonths,
    CarInterestRate,
    CarAmountBorrowed,
    CarTotalInterest,
    CarTotalCost,
    CarMonthlyPayment,
    LeasePrice,
    LeaseTaxPercent,
    LeaseTotalTax,
    LeaseFees,
    LeaseResidual,
    LeaseDownPayment,
    LeaseTrade,
    LeaseMonths,
    LeaseInterest,
    LeaseMoneyFactor,
    LeaseTotalPayments,
    LeaseMonthlyPayment,
    LeaseMonthlyDepreciation,
    LeaseMonthlyInterest,
    LeaseMonthlyTax,
    LeaseTotalDepreciation,
    LeaseTotalInterest,
    MortgagePrincipal,
    MortgageTerm,
    MortgageInterestRate, // in percent, as the user types it
    MortgagePoints,
    MortgageRateWithPoints, // in percent
    MortgageDownPayment,
    MortgageInsurance,
    MortgageRecurringCosts,
    MortgagePropertyTax,
    MortgageExtraPayment,
    MortgageLumpSum,
    MortgageLumpSumPeriod,
};

// A model whose values the steps read and write field by field.
class CFinancialFieldModel {
public:
    // 1 with the value of `field` (and, given a buffer, its text as the model's getter
    // writes it) when the field is one of this model's; 0 otherwise.
    virtual int ReadField(EFinancialField field, double* value, wchar_t* text = nullptr,
                          int capacity = 0) const = 0;
    // 1 when the model took the value; 0 when its setter refused it, or the field is a
    // result or another model's. Whole-number fields take the value cut to an int.
    virtual int WriteField(EFinancialField field, double value) = 0;

protected:
    // Not deleted through this class, so no virtual destructor is needed.
    ~CFinancialFieldModel() = default;
};

// `value` cut towards 0 to an int; NaN is 0, values beyond the int range the nearest int.
int WholeFieldValue(double value);
