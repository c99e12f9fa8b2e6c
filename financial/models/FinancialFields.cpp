#include "financial/models/FinancialFields.h"

#include "financial/models/CarLoanModel.h"
#include "financial/models/LeaseModel.h"
#include "financial/models/MortgageModel.h"

#include <climits>
#include <cmath>

using F = EFinancialField;

int WholeFieldValue(double value) {
    value = std::trunc(value);
    // A cast of a double beyond the int range is undefined.
    if (!(value > INT_MIN)) {
        return std::isnan(value) ? 0 : INT_MIN;
    }
    if (value > INT_MAX) {
        return INT_MAX;
    }
    return static_cast<int>(value);
}

// ---------------------------------------------------------------- car loan

int CCarLoanModel::ReadField(F field, double* value, wchar_t* text, int capacity) const {
    double read = 0;
    switch (field) {
    case F::CarPrice:
        read = CarPrice(text, capacity);
        break;
    case F::CarSalesTaxRate:
        read = SalesTaxRate(text, capacity);
        break;
    case F::CarSalesTax:
        read = SalesTax(text, capacity);
        break;
    case F::CarRegistrationFees:
        read = RegistrationFees(text, capacity);
        break;
    case F::CarOtherFees:
        read = OtherFees(text, capacity);
        break;
    case F::CarDownPayment:
        read = DownPayment(text, capacity);
        break;
    case F::CarRebate:
        read = Rebate(text, capacity);
        break;
    case F::CarTradeIn:
        read = TradeIn(text, capacity);
        break;
    case F::CarMonths:
        read = Months(text, capacity);
        break;
    case F::CarInterestRate:
        read = InterestRate(text, capacity);
        break;
    case F::CarAmountBorrowed:
        read = AmountBorrowed(text, capacity);
        break;
    case F::CarTotalInterest:
        read = TotalInterest(text, capacity);
        break;
    case F::CarTotalCost:
        read = TotalCost(text, capacity);
        break;
    case F::CarMonthlyPayment:
        read = MonthlyPayment(text, capacity);
        break;
    default:
        return 0;
    }
    *value = read;
    return 1;
}

int CCarLoanModel::WriteField(F field, double value) {
    switch (field) {
    case F::CarPrice:
        return SetCarPrice(value);
    case F::CarSalesTaxRate:
        return SetSalesTaxRate(value);
    case F::CarRegistrationFees:
        return SetRegistrationFees(value);
    case F::CarOtherFees:
        return SetOtherFees(value);
    case F::CarDownPayment:
        return SetDownPayment(value);
    case F::CarRebate:
        return SetRebate(value);
    case F::CarTradeIn:
        return SetTradeIn(value);
    case F::CarMonths:
        return SetMonths(WholeFieldValue(value));
    case F::CarInterestRate:
        return SetInterestRate(value);
    default:
        return 0;
    }
}

// ---------------------------------------------------------------- lease

int CLeaseModel::ReadField(F field, double* value, wchar_t* text, int capacity) const {
    double read = 0;
    switch (field) {
    case F::LeasePrice:
        read = Price(text, capacity);
        break;
    case F::LeaseTaxPercent:
        read = TaxPercent(text, capacity);
        break;
    case F::LeaseTotalTax:
        read = TotalTax(text, capacity);
        break;
    case F::LeaseFees:
        read = Fees(text, capacity);
        break;
    case F::LeaseResidual:
        read = Residual(text, capacity);
        break;
    case F::LeaseDownPayment:
        read = DownPayment(text, capacity);
        break;
    case F::LeaseTrade:
        read = Trade(text, capacity);
        break;
    case F::LeaseMonths:
        read = Months(text, capacity);
        break;
    case F::LeaseInterest:
        read = Interest(text, capacity);
        break;
    case F::LeaseMoneyFactor:
        read = MoneyFactor(text, capacity);
        break;
    case F::LeaseTotalPayments:
        read = TotalPayments(text, capacity);
        break;
    case F::LeaseMonthlyPayment:
        read = MonthlyPayment(text, capacity);
        break;
    case F::LeaseMonthlyDepreciation:
        read = MonthlyDepreciation(text, capacity);
        break;
    case F::LeaseMonthlyInterest:
        read = MonthlyInterest(text, capacity);
        break;
    case F::LeaseMonthlyTax:
        read = MonthlyTax(text, capacity);
        break;
    case F::LeaseTotalDepreciation:
        read = TotalDepreciation(text, capacity);
        break;
    case F::LeaseTotalInterest:
        read = TotalInterest(text, capacity);
        break;
    default:
        return 0;
    }
    *value = read;
    return 1;
}

int CLeaseModel::WriteField(F field, double value) {
    switch (field) {
    case F::LeasePrice:
        return SetPrice(value);
    case F::LeaseTaxPercent:
        return SetTaxPercent(value);
    case F::LeaseFees:
        return SetFees(value);
    case F::LeaseResidual:
        return SetResidual(value);
    case F::LeaseDownPayment:
        return SetDownPayment(value);
    case F::LeaseTrade:
        return SetTrade(value);
    case F::LeaseMonths:
        return SetMonths(WholeFieldValue(value));
    case F::LeaseInterest:
        return SetInterest(value);
    case F::LeaseMoneyFactor:
        return SetMoneyFactor(value);
    default:
        return 0;
    }
}

// ---------------------------------------------------------------- mortgage

// The mortgage writes no texts of its own: the buffer is left as it is.
int CMortgageModel::ReadField(F field, double* value, wchar_t*, int) const {
    switch (field) {
    case F::MortgagePrincipal:
        *value = Principal();
        return 1;
    case F::MortgageTerm:
        *value = Term();
        return 1;
    case F::MortgageInterestRate:
        *value = AnnualRate() * 100;
        return 1;
    case F::MortgagePoints:
        *value = Points();
        return 1;
    case F::MortgageRateWithPoints:
        *value = AnnualRateWithPoints() * 100;
        return 1;
    case F::MortgageDownPayment:
        *value = DownPayment();
        return 1;
    case F::MortgageInsurance:
        *value = Insurance();
        return 1;
    case F::MortgageRecurringCosts:
        *value = RecurringCosts();
        return 1;
    case F::MortgagePropertyTax:
        *value = PropertyTax();
        return 1;
    case F::MortgageExtraPayment:
        *value = ExtraPayment();
        return 1;
    case F::MortgageLumpSum:
        *value = LumpSum();
        return 1;
    case F::MortgageLumpSumPeriod:
        *value = LumpSumPeriod();
        return 1;
    default:
        return 0;
    }
}

int CMortgageModel::WriteField(F field, double value) {
    switch (field) {
    case F::MortgagePrincipal:
        return SetPrincipal(value);
    case F::MortgageTerm:
        return SetTerm(WholeFieldValue(value));
    case F::MortgageInterestRate:
        return SetInterestRate(value);
    case F::MortgagePoints:
        return SetPoints(WholeFieldValue(value));
    case F::MortgageRateWithPoints:
        return SetInterestRateWithPoints(value);
    case F::MortgageDownPayment:
        return SetDownPayment(value);
    case F::MortgageInsurance:
        return SetInsurance(value);
    case F::MortgageRecurringCosts:
        return SetRecurringCosts(value);
    case F::MortgagePropertyTax:
        return SetPropertyTax(value);
    case F::MortgageExtraPayment:
        return SetExtraPayment(value);
    case F::MortgageLumpSum:
        return SetLumpSum(value);
    case F::MortgageLumpSumPeriod:
        return SetLumpSumPeriod(WholeFieldValue(value));
    default:
        return 0;
    }
}
