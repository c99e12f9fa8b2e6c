#include "financial/models/CarLoanModel.h"
#include "financial/models/FinancialText.h"
#include "financial/models/LeaseModel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

TEST(CarLoanModel, PriceTaxAndSixtyMonthsAtSixPercent) {
    CCarLoanModel loan;
    loan.SetCarPrice(20000);
    loan.SetSalesTaxRate(7);
    loan.SetMonths(60);
    loan.SetInterestRate(6);
    loan.Calculate();
    EXPECT_DOUBLE_EQ(loan.SalesTax(), 1400);
    EXPECT_DOUBLE_EQ(loan.AmountBorrowed(), 21400);
    // i = 0.005: 21400 x 0.005 x 60 / (1 - 1.005^-60).
    EXPECT_NEAR(loan.TotalCost(), 24823.317163785905, 1e-8);
    EXPECT_NEAR(loan.MonthlyPayment(), 413.72195272976506, 1e-10);
    EXPECT_NEAR(loan.TotalInterest(), 3423.317163785905, 1e-8);

    wchar_t text[32] = L"untouched";
    EXPECT_DOUBLE_EQ(loan.AmountBorrowed(text, 32), 21400);
    EXPECT_STREQ(text, L"21400");
    loan.MonthlyPayment(text, 32);
    EXPECT_STREQ(text, L"413.72195273");
    EXPECT_EQ(loan.Months(text, 32), 60);
    EXPECT_STREQ(text, L"60");
}

TEST(CarLoanModel, RefusedAndAdjustedInputs) {
    CCarLoanModel loan;
    loan.SetCarPrice(30000);
    EXPECT_EQ(loan.SetCarPrice(-1), 0);
    EXPECT_EQ(loan.SetCarPrice(100000000.5), 0);
    EXPECT_EQ(loan.SetInterestRate(NAN), 0);
    EXPECT_EQ(loan.SetRebate(INFINITY), 0);
    EXPECT_EQ(loan.CarPrice(), 30000);
    EXPECT_EQ(loan.SetDownPayment(40000), 1);
    EXPECT_EQ(loan.DownPayment(), 0);
    EXPECT_EQ(loan.SetDownPayment(5000), 1);
    EXPECT_EQ(loan.DownPayment(), 5000);
    EXPECT_EQ(loan.SetMonths(48), 1);
    EXPECT_EQ(loan.SetMonths(0), 0);
    EXPECT_EQ(loan.Months(), 48);
}

TEST(CarLoanModel, CalculationsWithoutInterestMonthsOrLoan) {
    // Tax 10 % throughout; each of these falls back to repaying the amount borrowed.
    const struct {
        const char* name;
        double price, tradeIn, rate;
        int months;
        double tax, borrowed;
    } rows[] = {
        {"no interest", 24000, 0, 0, 48, 2400, 26400},
        // A trade-in above the price gives negative tax and nothing borrowed.
        {"trade-in above price", 10000, 12000, 5, 12, -200, -2200},
        {"no months", 10000, 0, 5, 0, 1000, 11000},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        CCarLoanModel loan;
        loan.SetCarPrice(row.price);
        loan.SetSalesTaxRate(10);
        loan.SetTradeIn(row.tradeIn);
        loan.SetInterestRate(row.rate);
        loan.SetMonths(row.months);
        loan.Calculate();
        EXPECT_DOUBLE_EQ(loan.SalesTax(), row.tax);
        EXPECT_DOUBLE_EQ(loan.AmountBorrowed(), row.borrowed);
        EXPECT_DOUBLE_EQ(loan.TotalCost(), row.borrowed);
        EXPECT_DOUBLE_EQ(loan.MonthlyPayment(), row.months ? row.borrowed / row.months : 0);
        EXPECT_EQ(loan.TotalInterest(), 0);
    }
}

TEST(CarLoanModel, ResultsBeyondTheCapsShowAsZero) {
    CCarLoanModel loan;
    loan.SetCarPrice(1000000);
    loan.SetMonths(60);
    loan.SetInterestRate(6);
    loan.Calculate();
    EXPECT_EQ(loan.AmountBorrowed(), 0);
    EXPECT_EQ(loan.TotalCost(), 0);
    EXPECT_EQ(loan.TotalInterest(), 0);
    EXPECT_NEAR(loan.MonthlyPayment(), 1000000 * 0.005 / (1 - std::pow(1.005, -60)), 1e-6);
}

TEST(CarLoanModel, GetterLeavesTheBufferForValuesOutsideTheFieldRange) {
    CCarLoanModel loan;
    loan.SetCarPrice(10000);
    loan.SetTradeIn(12000);
    loan.SetSalesTaxRate(5);
    loan.Calculate();
    wchar_t text[16] = L"kept";
    EXPECT_DOUBLE_EQ(loan.SalesTax(text, 16), -100);
    EXPECT_STREQ(text, L"kept");
    // A text that does not fit is not cut into a different number.
    loan.SetCarPrice(12345678.5);
    loan.CarPrice(text, 8);
    EXPECT_STREQ(text, L"kept");
}

TEST(LeaseModel, ThirtySixMonthsOfDepreciationInterestAndTax) {
    const struct {
        int payTaxOnCapitalCost;
        double monthlyTax;
    } rows[] = {
        {0, (112.5 + 15000.0 / 36) * 8 * 0.01},
        {1, (112.5 + 15000.0 / 36) * 8 * 0.01 + 15000.0 / 36 * 0.08},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.payTaxOnCapitalCost);
        CLeaseModel lease;
        lease.SetPrice(30000);
        lease.SetResidual(15000);
        lease.SetMonths(36);
        lease.SetInterest(6);
        lease.SetTaxPercent(8);
        lease.SetPayTaxOnCapitalCost(row.payTaxOnCapitalCost);
        lease.Calculate();
        EXPECT_DOUBLE_EQ(lease.MoneyFactor(), 0.0025);
        EXPECT_DOUBLE_EQ(lease.TotalDepreciation(), 15000);
        EXPECT_NEAR(lease.MonthlyDepreciation(), 416.6666666666667, 1e-12);
        EXPECT_DOUBLE_EQ(lease.MonthlyInterest(), 112.5);
        EXPECT_NEAR(lease.MonthlyTax(), row.monthlyTax, 1e-12);
        EXPECT_NEAR(lease.TotalTax(), row.monthlyTax * 36, 1e-9);
        const double monthly = 112.5 + 15000.0 / 36 + row.monthlyTax;
        EXPECT_NEAR(lease.MonthlyPayment(), monthly, 1e-9);
        EXPECT_NEAR(lease.TotalPayments(), monthly * 36, 1e-8);
        EXPECT_DOUBLE_EQ(lease.TotalInterest(), 112.5 * 36);
    }
}

TEST(LeaseModel, MoneyFactorAndDownPayment) {
    CLeaseModel lease;
    lease.SetPrice(30000);
    EXPECT_EQ(lease.SetMoneyFactor(0.00125), 1);
    lease.SetInterestFromMoneyFactor();
    EXPECT_DOUBLE_EQ(lease.Interest(), 3.0);
    EXPECT_EQ(lease.SetDownPayment(40000), 1);
    EXPECT_EQ(lease.DownPayment(), 0);
    EXPECT_EQ(lease.SetMonths(0), 1);
    EXPECT_EQ(lease.SetMonths(-1), 0);
    EXPECT_EQ(lease.SetMonths(100000001), 0);
    EXPECT_EQ(lease.Months(), 0);
}

TEST(LeaseModel, ZeroMonthsTaxesTheWholeDepreciationAndShowsNoMonthlyValues) {
    CLeaseModel lease;
    lease.SetPrice(30000);
    lease.SetResidual(10000);
    lease.SetTaxPercent(5);
    lease.SetInterest(6);
    lease.Calculate();
    EXPECT_DOUBLE_EQ(lease.TotalTax(), 5 * 20000 * 0.01);
    wchar_t text[32] = L"empty";
    lease.MonthlyDepreciation(text, 32);
    EXPECT_STREQ(text, L"empty");
    lease.MonthlyPayment(text, 32);
    EXPECT_STREQ(text, L"empty");
    lease.TotalTax(text, 32);
    EXPECT_STREQ(text, L"1000");
}

TEST(FinancialText, LeaseTextsHaveNoExponent) {
    const struct {
        double value;
        const wchar_t* text;
    } rows[] = {
        {12.0, L"12"},
        {1234.5, L"1234.5"},
        {0.0025, L"0.0025"},
        {0.000012345, L"0.000012345"},
        {0.00001234567891, L"0.00001234567891"},
        {1e-20, L"0.00000000000000000001"},
        {2.0 / 3, L"0.666666666667"},
        {100000000, L"100000000"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.value);
        wchar_t text[64] = L"";
        EXPECT_EQ(WriteExponentFreeFieldText(row.value, text, 64), 1);
        EXPECT_STREQ(text, row.text);
    }
    // The smallest double written out in full needs 337 characters.
    wchar_t wide[400];
    ASSERT_EQ(WriteExponentFreeFieldText(5e-324, wide, 400), 1);
    EXPECT_EQ(std::wstring(wide), L"0." + std::wstring(323, L'0') + L"494065645841");
    wchar_t narrow[40] = L"kept";
    EXPECT_EQ(WriteExponentFreeFieldText(5e-324, narrow, 40), 0);
    EXPECT_STREQ(narrow, L"kept");
}

TEST(FinancialText, IntegersAndFieldTexts) {
    wchar_t text[16];
    const struct {
        int value;
        const wchar_t* text;
    } ints[] = {{0, L"0"}, {60, L"60"}, {-7, L"-7"}, {-2147483647 - 1, L"-2147483648"}};
    for (const auto& row : ints) {
        SCOPED_TRACE(row.value);
        ASSERT_EQ(WriteIntText(row.value, text, 16), 1);
        EXPECT_STREQ(text, row.text);
    }
    EXPECT_EQ(WriteIntText(12345, text, 5), 0);
    ASSERT_EQ(WriteFieldText(13.3333, text, 16), 1);
    EXPECT_STREQ(text, L"13.3333");
    EXPECT_EQ(WriteFieldText(NAN, text, 16), 0);
    EXPECT_EQ(WriteFieldText(-0.5, text, 16), 0);
}
