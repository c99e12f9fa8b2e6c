#include "financial/models/Annuity.h"
#include "financial/models/CarLoanModel.h"
#include "financial/models/MortgageModel.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The annuity written without (1 + i)^n: with S = (1 + i)^n - 1 expanded by the
// binomial theorem, S / i = sum of C(n, k) i^(k-1) has only positive terms, and the
// payment P i (1 + i)^n / S = P (1 + S) / (S / i) loses nothing however small i is.
long double ReferencePayment(long double principal, long double i, int n) {
    long double term = n; // C(n, 1) i^0
    long double sum = 0;
    for (int k = 1; k <= n; ++k) {
        sum += term;
        if (term < sum * 1e-24L) {
            break;
        }
        term = term * (n - k) / (k + 1) * i;
    }
    return principal * (1 + i * sum) / sum;
}

// (1 + r)^(1/m) - 1 by the binomial series, for 0 <= r < 1.
long double ReferenceRatePerPart(long double r, int m) {
    const long double a = 1.0L / m;
    long double term = a * r; // C(a, 1) r
    long double sum = 0;
    for (int k = 1; k < 400 && term != 0; ++k) {
        sum += term;
        term = term * (a - k) / (k + 1) * r;
    }
    return sum;
}

// Annual percentages from far below a cent's worth of interest to the highest rate.
const double kPercents[] = {1e-14, 3e-14, 1e-13, 1e-12, 5e-12, 1e-11, 1e-10, 1e-9, 1e-8, 1e-7,
                            1e-6,  1e-5,  1e-4,  1e-3,  0.01,  0.125, 0.5,   1,    2.75, 3.25,
                            5,     6.5,   7.9,   12,    18.99, 25,    49.5,  75,   100};
const int kCounts[] = {1, 2, 3, 12, 36, 60, 84, 120, 180, 240, 300, 360, 600, 1200};

} // namespace

TEST(Annuity, EveryRateIsWithinACentOfTheExactPayment) {
    for (double percent : kPercents) {
        const double i = percent / 1200;
        for (int n : kCounts) {
            for (double principal : {250000.0, 1.0, 99999999.0}) {
                SCOPED_TRACE(testing::Message()
                             << percent << " % over " << n << " payments of " << principal);
                const long double exact = ReferencePayment(principal, i, n);
                const double payment = AnnuityPayment(principal, i, n);
                ASSERT_TRUE(std::isfinite(payment));
                EXPECT_NEAR(payment, static_cast<double>(exact), 0.005);
                EXPECT_LE(std::fabs(payment - exact), 1e-13L * exact);
                // Interest never makes the payment smaller than an equal part.
                EXPECT_GE(payment, principal / n);
            }
        }
    }
}

TEST(Annuity, NoInterestIsEqualPartsAndNoPaymentsPayNothing) {
    for (int n : kCounts) {
        SCOPED_TRACE(n);
        EXPECT_EQ(AnnuityPayment(120000, 0, n), 120000.0 / n);
    }
    EXPECT_EQ(AnnuityPayment(120000, 0.005, 0), 0.0);
    EXPECT_EQ(AnnuityPayment(120000, 0, -3), 0.0);
}

TEST(Annuity, RatePerPartHasNoCancellation) {
    for (double percent : kPercents) {
        const double r = percent * 0.005;
        for (int parts : {2, 6, 12}) {
            SCOPED_TRACE(testing::Message() << percent << " % in " << parts << " parts");
            const long double exact = ReferenceRatePerPart(r, parts);
            EXPECT_LE(std::fabs(RatePerPart(r, parts) - exact), 1e-15L * exact);
        }
    }
}

// The mortgage's payment over every term and rate, plain and Canadian, is the exact
// annuity of its monthly rate (a tiny rate once gave infinity, or 651.56 for 694.44).
TEST(Annuity, MortgagePaymentOfEveryRateAndTerm) {
    for (double percent : kPercents) {
        for (int years : {1, 5, 10, 15, 25, 30}) {
            for (int canadian : {0, 1}) {
                SCOPED_TRACE(testing::Message() << percent << " % over " << years << " years"
                                                << (canadian ? ", Canadian" : ""));
                CMortgageModel model;
                ASSERT_EQ(model.SetPrincipal(250000), 1);
                ASSERT_EQ(model.SetInterestRate(percent), 1);
                ASSERT_EQ(model.SetTerm(years), 1);
                ASSERT_EQ(model.SetCanadianMortgage(canadian), 1);
                ASSERT_EQ(model.Recalculate(), 1);
                long double i = model.MonthlyRate();
                if (canadian) {
                    i = ReferenceRatePerPart(i * 1200 * 0.005L, 6);
                }
                const long double exact = ReferencePayment(250000, i, years * 12);
                EXPECT_NEAR(model.PaymentAmount(), static_cast<double>(exact), 0.005);
            }
        }
    }
    CMortgageModel model;
    model.SetInterestRate(1e-12);
    model.SetTerm(30);
    model.Recalculate();
    EXPECT_NEAR(model.PaymentAmount(), 694.44, 0.005);
}

TEST(Annuity, CarLoanOfEveryRateAndTerm) {
    for (double percent : kPercents) {
        for (int months : {1, 12, 36, 60, 72, 84, 120}) {
            SCOPED_TRACE(testing::Message() << percent << " % over " << months << " months");
            CCarLoanModel loan;
            loan.SetCarPrice(21400);
            loan.SetMonths(months);
            loan.SetInterestRate(percent);
            loan.Calculate();
            const long double i = percent * 0.0008333333333333334;
            const long double exact = ReferencePayment(21400, i, months);
            EXPECT_NEAR(loan.MonthlyPayment(), static_cast<double>(exact), 0.005);
            EXPECT_NEAR(loan.TotalCost(), static_cast<double>(exact * months), 0.005 * months);
            EXPECT_NEAR(loan.TotalInterest(), static_cast<double>(exact * months - 21400),
                        0.005 * months);
            EXPECT_EQ(loan.AmountBorrowed(), 21400);
        }
    }
}
