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

// ---------------------------------------------------------------- car loan and lease

namespace {

// A money or rate field of a model whose getters also write the value's text; no
// setter for a result.
template <class Model> struct SModelField {
    F field;
    double (Model::*get)(wchar_t* text, int capacity) const;
    int (Model::*set)(double value);
};

template <class Model, int N>
int ReadFrom(const SModelField<Model> (&fields)[N], const Model& model, F field, double* value,
             wchar_t* text, int capacity) {
    for (const SModelField<Model>& row : fields) {
        if (row.field == field) {
            *value = (model.*row.get)(text, capacity);
            return 1;
        }
    }
    return 0;
}

template <class Model, int N>
int WriteTo(const SModelField<Model> (&fields)[N], Model& model, F field, double value) {
    for (const SModelField<Model>& row : fields) {
        if (row.field == field) {
            return row.set ? (model.*row.set)(value) : 0;
        }
    }
    return 0;
}

using CCar = CCarLoanModel;
const SModelField<CCar> kCarLoanFields[] = {
    {F::CarPrice, &CCar::CarPrice, &CCar::SetCarPrice},
    {F::CarSalesTaxRate, &CCar::SalesTaxRate, &CCar::SetSalesTaxRate},
    {F::CarSalesTax, &CCar::SalesTax, nullptr},
    {F::CarRegistrationFees, &CCar::RegistrationFees, &CCar::SetRegistrationFees},
    {F::CarOtherFees, &CCar::OtherFees, &CCar::SetOtherFees},
    {F::CarDownPayment, &CCar::DownPayment, &CCar::SetDownPayment},
    {F::CarRebate, &CCar::Rebate, &CCar::SetRebate},
    {F::CarTradeIn, &CCar::TradeIn, &CCar::SetTradeIn},
    {F::CarInterestRate, &CCar::InterestRate, &CCar::SetInterestRate},
    {F::CarAmountBorrowed, &CCar::AmountBorrowed, nullptr},
    {F::CarTotalInterest, &CCar::TotalInterest, nullptr},
    {F::CarTotalCost, &CCar::TotalCost, nullptr},
    {F::CarMonthlyPayment, &CCar::MonthlyPayment, nullptr},
};

using CLease = CLeaseModel;
const SModelField<CLease> kLeaseFields[] = {
    {F::LeasePrice, &CLease::Price, &CLease::SetPrice},
    {F::LeaseTaxPercent, &CLease::TaxPercent, &CLease::SetTaxPercent},
    {F::LeaseTotalTax, &CLease::TotalTax, nullptr},
    {F::LeaseFees, &CLease::Fees, &CLease::SetFees},
    {F::LeaseResidual, &CLease::Residual, &CLease::SetResidual},
    {F::LeaseDownPayment, &CLease::DownPayment, &CLease::SetDownPayment},
    {F::LeaseTrade, &CLease::Trade, &CLease::SetTrade},
    {F::LeaseInterest, &CLease::Interest, &CLease::SetInterest},
    {F::LeaseMoneyFactor, &CLease::MoneyFactor, &CLease::SetMoneyFactor},
    {F::LeaseTotalPayments, &CLease::TotalPayments, nullptr},
    {F::LeaseMonthlyPayment, &CLease::MonthlyPayment, nullptr},
    {F::LeaseMonthlyDepreciation, &CLease::MonthlyDepreciation, nullptr},
    {F::LeaseMonthlyInterest, &CLease::MonthlyInterest, nullptr},
    {F::LeaseMonthlyTax, &CLease::MonthlyTax, nullptr},
    {F::LeaseTotalDepreciation, &CLease::TotalDepreciation, nullptr},
    {F::LeaseTotalInterest, &CLease::TotalInterest, nullptr},
};

} // namespace

// The months are the one whole number of each: they sit outside the tables.
int CCarLoanModel::ReadField(F field, double* value, wchar_t* text, int capacity) const {
    if (field == F::CarMonths) {
        *value = Months(text, capacity);
        return 1;
    }
    return ReadFrom(kCarLoanFields, *this, field, value, text, capacity);
}

int CCarLoanModel::WriteField(F field, double value) {
    if (field == F::CarMonths) {
        return SetMonths(WholeFieldValue(value));
    }
    return WriteTo(kCarLoanFields, *this, field, value);
}

int CLeaseModel::ReadField(F field, double* value, wchar_t* text, int capacity) const {
    if (field == F::LeaseMonths) {
        *value = Months(text, capacity);
        return 1;
    }
    return ReadFrom(kLeaseFields, *this, field, value, text, capacity);
}

int CLeaseModel::WriteField(F field, double value) {
    if (field == F::LeaseMonths) {
        return SetMonths(WholeFieldValue(value));
    }
    return WriteTo(kLeaseFields, *this, field, value);
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
