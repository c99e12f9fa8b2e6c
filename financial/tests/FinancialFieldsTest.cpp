#include "financial/models/CarLoanModel.h"
#include "financial/models/FinancialFields.h"
#include "financial/models/LeaseModel.h"
#include "financial/models/MortgageModel.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <set>
#include <string>
#include <vector>

namespace {

using F = EFinancialField;

// A field the user types into: the value typed, what the model keeps of it, and the
// named getter that must agree (with its text, where the model writes one).
template <class Model> struct SInputRow {
    F field;
    double typed;
    double kept;
    double (*get)(const Model&, wchar_t*, int);
};

// A field the model works out: a step writes nothing into it.
template <class Model> struct SResultRow {
    F field;
    double (*get)(const Model&, wchar_t*, int);
};

constexpr int kLastField = static_cast<int>(F::MortgageLumpSumPeriod);

// Writes every input in order, then checks each field through both ways of reading
// it, and that the model answers for its own fields and no others.
template <class Model, int I>
void ExpectFieldsResolve(Model& model, const SInputRow<Model> (&inputs)[I],
                         const std::vector<SResultRow<Model>>& results) {
    std::set<int> own;
    for (const SInputRow<Model>& row : inputs) {
        SCOPED_TRACE(testing::Message() << "input field " << static_cast<int>(row.field));
        EXPECT_EQ(1, model.WriteField(row.field, row.typed));
        double value = -1;
        wchar_t text[64] = L"", named[64] = L"";
        ASSERT_EQ(1, model.ReadField(row.field, &value, text, 64));
        EXPECT_DOUBLE_EQ(row.kept, value);
        EXPECT_DOUBLE_EQ(row.get(model, named, 64), value);
        EXPECT_EQ(std::wstring(named), std::wstring(text));
        own.insert(static_cast<int>(row.field));
    }
    for (const SResultRow<Model>& row : results) {
        SCOPED_TRACE(testing::Message() << "result field " << static_cast<int>(row.field));
        EXPECT_EQ(0, model.WriteField(row.field, 1234));
        double value = -1;
        wchar_t text[64] = L"", named[64] = L"";
        ASSERT_EQ(1, model.ReadField(row.field, &value, text, 64));
        EXPECT_DOUBLE_EQ(row.get(model, named, 64), value);
        EXPECT_EQ(std::wstring(named), std::wstring(text));
        own.insert(static_cast<int>(row.field));
    }
    for (int f = 0; f <= kLastField; ++f) {
        SCOPED_TRACE(testing::Message() << "field " << f);
        double value = -1;
        EXPECT_EQ(own.count(f) ? 1 : 0, model.ReadField(static_cast<F>(f), &value));
        if (!own.count(f)) {
            EXPECT_EQ(-1, value);
            EXPECT_EQ(0, model.WriteField(static_cast<F>(f), 1));
        }
    }
}

TEST(FinancialFields, CarLoanFieldsResolveToItsValues) {
    using M = CCarLoanModel;
    const SInputRow<M> inputs[] = {
        {F::CarPrice, 20000, 20000, [](const M& m, wchar_t* t, int c) { return m.CarPrice(t, c); }},
        {F::CarSalesTaxRate, 7.5, 7.5,
         [](const M& m, wchar_t* t, int c) { return m.SalesTaxRate(t, c); }},
        {F::CarRegistrationFees, 150, 150,
         [](const M& m, wchar_t* t, int c) { return m.RegistrationFees(t, c); }},
        {F::CarOtherFees, 80, 80, [](const M& m, wchar_t* t, int c) { return m.OtherFees(t, c); }},
        {F::CarDownPayment, 2000, 2000,
         [](const M& m, wchar_t* t, int c) { return m.DownPayment(t, c); }},
        {F::CarRebate, 500, 500, [](const M& m, wchar_t* t, int c) { return m.Rebate(t, c); }},
        {F::CarTradeIn, 3000, 3000, [](const M& m, wchar_t* t, int c) { return m.TradeIn(t, c); }},
        {F::CarMonths, 48.9, 48,
         [](const M& m, wchar_t* t, int c) { return static_cast<double>(m.Months(t, c)); }},
        {F::CarInterestRate, 6.25, 6.25,
         [](const M& m, wchar_t* t, int c) { return m.InterestRate(t, c); }},
    };
    const std::vector<SResultRow<M>> results = {
        {F::CarSalesTax, [](const M& m, wchar_t* t, int c) { return m.SalesTax(t, c); }},
        {F::CarAmountBorrowed,
         [](const M& m, wchar_t* t, int c) { return m.AmountBorrowed(t, c); }},
        {F::CarTotalInterest, [](const M& m, wchar_t* t, int c) { return m.TotalInterest(t, c); }},
        {F::CarTotalCost, [](const M& m, wchar_t* t, int c) { return m.TotalCost(t, c); }},
        {F::CarMonthlyPayment,
         [](const M& m, wchar_t* t, int c) { return m.MonthlyPayment(t, c); }},
    };
    M model;
    ExpectFieldsResolve(model, inputs, results);
    model.Calculate();
    ExpectFieldsResolve(model, inputs, results);
    double tax = 0;
    model.ReadField(F::CarSalesTax, &tax);
    // 7.5 % of the price less the trade-in.
    EXPECT_DOUBLE_EQ(1275, tax);
    // A refused value leaves the field as it was.
    EXPECT_EQ(0, model.WriteField(F::CarPrice, -1));
    EXPECT_DOUBLE_EQ(20000, model.CarPrice());
}

TEST(FinancialFields, LeaseFieldsResolveToItsValues) {
    using M = CLeaseModel;
    const SInputRow<M> inputs[] = {
        {F::LeasePrice, 30000, 30000, [](const M& m, wchar_t* t, int c) { return m.Price(t, c); }},
        {F::LeaseTaxPercent, 8, 8,
         [](const M& m, wchar_t* t, int c) { return m.TaxPercent(t, c); }},
        {F::LeaseFees, 500, 500, [](const M& m, wchar_t* t, int c) { return m.Fees(t, c); }},
        {F::LeaseResidual, 15000, 15000,
         [](const M& m, wchar_t* t, int c) { return m.Residual(t, c); }},
        {F::LeaseDownPayment, 2000, 2000,
         [](const M& m, wchar_t* t, int c) { return m.DownPayment(t, c); }},
        {F::LeaseTrade, 1000, 1000, [](const M& m, wchar_t* t, int c) { return m.Trade(t, c); }},
        {F::LeaseMonths, 36.5, 36,
         [](const M& m, wchar_t* t, int c) { return static_cast<double>(m.Months(t, c)); }},
        {F::LeaseInterest, 6, 6, [](const M& m, wchar_t* t, int c) { return m.Interest(t, c); }},
        {F::LeaseMoneyFactor, 0.0025, 0.0025,
         [](const M& m, wchar_t* t, int c) { return m.MoneyFactor(t, c); }},
    };
    const std::vector<SResultRow<M>> results = {
        {F::LeaseTotalTax, [](const M& m, wchar_t* t, int c) { return m.TotalTax(t, c); }},
        {F::LeaseTotalPayments,
         [](const M& m, wchar_t* t, int c) { return m.TotalPayments(t, c); }},
        {F::LeaseMonthlyPayment,
         [](const M& m, wchar_t* t, int c) { return m.MonthlyPayment(t, c); }},
        {F::LeaseMonthlyDepreciation,
         [](const M& m, wchar_t* t, int c) { return m.MonthlyDepreciation(t, c); }},
        {F::LeaseMonthlyInterest,
         [](const M& m, wchar_t* t, int c) { return m.MonthlyInterest(t, c); }},
        {F::LeaseMonthlyTax, [](const M& m, wchar_t* t, int c) { return m.MonthlyTax(t, c); }},
        {F::LeaseTotalDepreciation,
         [](const M& m, wchar_t* t, int c) { return m.TotalDepreciation(t, c); }},
        {F::LeaseTotalInterest,
         [](const M& m, wchar_t* t, int c) { return m.TotalInterest(t, c); }},
    };
    M model;
    ExpectFieldsResolve(model, inputs, results);
    model.Calculate();
    ExpectFieldsResolve(model, inputs, results);
}

// The mortgage keeps rates as fractions; its fields read and take percentages.
TEST(FinancialFields, MortgageFieldsResolveToItsValues) {
    using M = CMortgageModel;
    const SInputRow<M> inputs[] = {
        {F::MortgagePrincipal, 250000, 250000,
         [](const M& m, wchar_t*, int) { return m.Principal(); }},
        {F::MortgageTerm, 30.7, 30,
         [](const M& m, wchar_t*, int) { return static_cast<double>(m.Term()); }},
        {F::MortgageInterestRate, 6.5, 6.5,
         [](const M& m, wchar_t*, int) { return m.AnnualRate() * 100; }},
        {F::MortgagePoints, 2, 2,
         [](const M& m, wchar_t*, int) { return static_cast<double>(m.Points()); }},
        {F::MortgageRateWithPoints, 6, 6,
         [](const M& m, wchar_t*, int) { return m.AnnualRateWithPoints() * 100; }},
        {F::MortgageDownPayment, 10000, 10000,
         [](const M& m, wchar_t*, int) { return m.DownPayment(); }},
        {F::MortgageInsurance, 80, 80, [](const M& m, wchar_t*, int) { return m.Insurance(); }},
        {F::MortgageRecurringCosts, 40, 40,
         [](const M& m, wchar_t*, int) { return m.RecurringCosts(); }},
        {F::MortgagePropertyTax, 200, 200,
         [](const M& m, wchar_t*, int) { return m.PropertyTax(); }},
        {F::MortgageExtraPayment, 100, 100,
         [](const M& m, wchar_t*, int) { return m.ExtraPayment(); }},
        {F::MortgageLumpSum, 5000, 5000, [](const M& m, wchar_t*, int) { return m.LumpSum(); }},
        {F::MortgageLumpSumPeriod, 12, 12,
         [](const M& m, wchar_t*, int) { return static_cast<double>(m.LumpSumPeriod()); }},
    };
    // The mortgage shows its results on a drawn step, not in fields.
    M model;
    ExpectFieldsResolve(model, inputs, {});
}

TEST(FinancialFields, WholeNumbersAreCutAndKeptInRange) {
    const struct {
        double value;
        int whole;
    } rows[] = {
        {2.9, 2},
        {-2.9, -2},
        {0, 0},
        {NAN, 0},
        {1e300, INT_MAX},
        {-1e300, INT_MIN},
        {INFINITY, INT_MAX},
        {2147483647.5, INT_MAX},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.value);
        EXPECT_EQ(row.whole, WholeFieldValue(row.value));
    }
}

} // namespace
