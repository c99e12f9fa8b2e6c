#include "financial/models/MortgageModel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

// The closed-form annuity payment, written independently of the model:
// A r (1 + r)^n / ((1 + r)^n - 1) with r the monthly rate and n the months.
double AnnuityPayment(double financed, double annualPercent, int years) {
    const double r = annualPercent / 1200;
    const int n = years * 12;
    if (r == 0) {
        return financed / n;
    }
    const double growth = std::pow(1 + r, n);
    return financed * r * growth / (growth - 1);
}

CMortgageModel MakeLoan(double principal, double percent, int years, int schedule) {
    CMortgageModel model;
    EXPECT_EQ(model.SetPrincipal(principal), 1);
    EXPECT_EQ(model.SetInterestRate(percent), 1);
    EXPECT_EQ(model.SetTerm(years), 1);
    EXPECT_EQ(model.SetSchedule(schedule), 1);
    return model;
}

} // namespace

TEST(MortgageModel, PaymentOfEverySchedule) {
    // 250000 at 5 % over 25 years: 1461.4751037699502 a month.
    const double monthly = 1461.4751037699502;
    const struct {
        int schedule;
        int count;
        double payment;
    } rows[] = {
        {0, 300, monthly},
        {1, 300, monthly * 1.0833333333333333},
        {2, 650, monthly * 0.46153846153846156},
        {3, 650, monthly * 0.5},
        {4, 1300, 337.26348548537317},
        {5, 1300, monthly * 0.25},
        {6, 600, monthly * 0.5},
        {7, 600, monthly * 0.5416666666666666},
        {8, 150, monthly * 2.0},
        {9, 150, monthly * 2.1666666666666665},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.schedule);
        CMortgageModel model = MakeLoan(250000, 5, 25, row.schedule);
        ASSERT_EQ(model.Recalculate(), 1);
        EXPECT_EQ(model.PaymentCount(), row.count);
        EXPECT_NEAR(model.PaymentAmount(), row.payment, 1e-9);
        EXPECT_EQ(model.ScheduleLength(), row.count);
    }
}

TEST(MortgageModel, PeriodInterestFollowsTheSchedule) {
    CMortgageModel model = MakeLoan(250000, 5, 25, 4);
    EXPECT_DOUBLE_EQ(model.PeriodInterest(52000), 52000 * 0.05 / 52);
    model.SetSchedule(8);
    EXPECT_DOUBLE_EQ(model.PeriodInterest(6000), 6000 * 0.05 / 6);
}

TEST(MortgageModel, SettersRefuseOutOfRangeValues) {
    CMortgageModel model;
    const double inf = INFINITY;
    EXPECT_EQ(model.SetPrincipal(-1), 0);
    EXPECT_EQ(model.SetPrincipal(inf), 0);
    EXPECT_EQ(model.SetPrincipal(NAN), 0);
    EXPECT_EQ(model.SetTerm(31), 0);
    EXPECT_EQ(model.SetTerm(-1), 0);
    EXPECT_EQ(model.SetInterestRate(100.5), 0);
    EXPECT_EQ(model.SetInterestRate(NAN), 0);
    EXPECT_EQ(model.SetInterestRateWithPoints(-0.1), 0);
    EXPECT_EQ(model.SetCostPerPoint(101), 0);
    EXPECT_EQ(model.SetSchedule(10), 0);
    EXPECT_EQ(model.SetSchedule(-1), 0);
    EXPECT_EQ(model.SetPropertyTax(-5), 0);
    EXPECT_EQ(model.SetInsurance(inf), 0);
    EXPECT_EQ(model.SetRecurringCosts(-0.01), 0);
    // A down payment must stay strictly below the principal.
    EXPECT_EQ(model.SetDownPayment(250000), 0);
    EXPECT_EQ(model.SetDownPayment(249999.99), 1);
    // Nothing refused has moved a field from its start value.
    EXPECT_EQ(model.Principal(), 250000.0);
    EXPECT_EQ(model.Term(), 25);
    EXPECT_EQ(model.AnnualRate(), 0.05);
    EXPECT_EQ(model.Schedule(), 0);
    EXPECT_EQ(model.CostPerPoint(), 1.0);
    EXPECT_EQ(model.PropertyTax(), 0.0);
}

TEST(MortgageModel, RatesUseTheTwelfthMultiplier) {
    CMortgageModel model;
    ASSERT_EQ(model.SetInterestRate(6), 1);
    EXPECT_EQ(model.AnnualRate(), 6 * 0.01);
    EXPECT_EQ(model.MonthlyRate(), 6 * 0.01 * 0.08333333333333333);
}

TEST(MortgageModel, PointsCostAndSelectTheirRate) {
    CMortgageModel model = MakeLoan(200000, 6, 30, 0);
    EXPECT_EQ(model.SetPoints(0), 0);
    EXPECT_EQ(model.UsePoints(), 0);
    ASSERT_EQ(model.SetInterestRateWithPoints(5.5), 1);
    ASSERT_EQ(model.SetPoints(2), 1);
    EXPECT_EQ(model.UsePoints(), 1);
    EXPECT_DOUBLE_EQ(model.CostOfPoints(), 4000);
    EXPECT_DOUBLE_EQ(model.SelectedAnnualRate(), 0.055);
    ASSERT_EQ(model.Recalculate(), 1);
    EXPECT_NEAR(model.PaymentAmount(), AnnuityPayment(200000, 5.5, 30), 1e-8);

    SMortgagePointsComparison comparison;
    model.ComparePoints(&comparison);
    EXPECT_NEAR(comparison.withPoints, AnnuityPayment(200000, 5.5, 30), 1e-8);
    EXPECT_NEAR(comparison.withoutPoints, AnnuityPayment(200000, 6, 30), 1e-8);
    EXPECT_NEAR(comparison.monthlySavings, comparison.withoutPoints - comparison.withPoints, 1e-12);
    EXPECT_NEAR(comparison.timeToRecover, 4000 / comparison.monthlySavings, 1e-9);
    EXPECT_EQ(comparison.paymentCount, 360);
    // The comparison leaves the points selected and the schedule built with them.
    EXPECT_EQ(model.UsePoints(), 1);
    EXPECT_NEAR(model.BalanceAt(1), 200000 - comparison.withPoints + model.PeriodInterest(200000),
                1e-9);
    // Savings that never pay the points back give no time rather than infinity.
    EXPECT_EQ(model.TimeToRecover(0), 0.0);
    EXPECT_EQ(model.TimeToRecover(-3), 0.0);
}

TEST(MortgageModel, InterestRatesCheck) {
    const struct {
        double rate, pointsRate;
        int valid;
    } rows[] = {{6, 6, 0}, {6, 5.5, 1}, {6, 7, 0}, {0, 0, 0}, {0.01, 0, 1}};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.rate << " / " << row.pointsRate);
        CMortgageModel model;
        model.SetInterestRate(row.rate);
        model.SetInterestRateWithPoints(row.pointsRate);
        EXPECT_EQ(model.InterestRatesAreValid(), row.valid);
    }
}

// After a calculation without payments and after every kind of reset nothing of the
// previous loan is left: no schedule, no payment, every total 0.
TEST(MortgageModel, NoPaymentsAndResetsLeaveNothingOfTheLastLoan) {
    const struct {
        const char* name;
        void (*act)(CMortgageModel&);
    } rows[] = {
        {"term of 0 years",
         [](CMortgageModel& m) {
             ASSERT_EQ(m.SetTerm(0), 1);
             EXPECT_EQ(m.Recalculate(), 0);
         }},
        {"term of 0 years, payment asked again",
         [](CMortgageModel& m) {
             ASSERT_EQ(m.SetTerm(0), 1);
             m.Recalculate();
             EXPECT_EQ(m.Payment(), 0.0);
         }},
        {"full reset", [](CMortgageModel& m) { m.Reset(MortgageReset::Full); }},
        {"partial reset", [](CMortgageModel& m) { m.Reset(MortgageReset::Partial); }},
        {"clear", [](CMortgageModel& m) { m.Clear(); }},
    };
    for (const auto& row : rows) {
        for (int schedule : {0, 4, 8}) {
            SCOPED_TRACE(testing::Message() << row.name << ", schedule " << schedule);
            CMortgageModel model = MakeLoan(250000, 5, 25, schedule);
            model.SetPropertyTax(200);
            model.SetInsurance(50);
            model.SetRecurringCosts(10);
            ASSERT_EQ(model.SetDownPayment(10000), 1);
            ASSERT_EQ(model.Recalculate(), 1);
            ASSERT_GT(model.ScheduleLength(), 0);
            ASSERT_GT(model.Total(MortgageTotal::Grand), 0);
            row.act(model);
            EXPECT_EQ(model.ScheduleLength(), 0);
            EXPECT_EQ(model.PaymentCount(), 0);
            EXPECT_EQ(model.PaymentAmount(), 0.0);
            for (int i : {0, 1, 299}) {
                EXPECT_EQ(model.BalanceAt(i), kMortgageOutsideSchedule);
                EXPECT_EQ(model.PrincipalPortionAt(i), kMortgageOutsideSchedule);
                EXPECT_EQ(model.InterestAt(i), kMortgageOutsideSchedule);
            }
            for (int kind = 0; kind <= 5; ++kind) {
                EXPECT_EQ(model.Total(kind), 0.0) << "total " << kind;
            }
            EXPECT_EQ(model.Total(6), -1.0);
            // A new calculation builds a whole new schedule.
            model.SetTerm(10);
            ASSERT_EQ(model.Recalculate(), 1);
            EXPECT_EQ(model.ScheduleLength(), model.PaymentCount());
            EXPECT_GT(model.Total(MortgageTotal::InterestPaid), 0);
        }
    }
}

TEST(MortgageModel, AccessorsAnswerTheSentinelOutsideTheSchedule) {
    CMortgageModel model;
    EXPECT_EQ(model.BalanceAt(0), -911.0);
    EXPECT_EQ(model.PrincipalPortionAt(0), -911.0);
    model = MakeLoan(250000, 5, 30, 4);
    ASSERT_EQ(model.Recalculate(), 1);
    ASSERT_EQ(model.ScheduleLength(), kMaxMortgagePayments);
    for (int i : {-1, kMaxMortgagePayments, 1 << 30}) {
        SCOPED_TRACE(i);
        EXPECT_EQ(model.BalanceAt(i), -911.0);
        EXPECT_EQ(model.PrincipalPortionAt(i), -911.0);
        EXPECT_EQ(model.InterestAt(i), -911.0);
    }
    model.Clear();
    EXPECT_EQ(model.BalanceAt(0), -911.0);
}

TEST(MortgageModel, Totals) {
    CMortgageModel model = MakeLoan(250000, 5, 25, 0);
    model.SetPropertyTax(200);
    model.SetInsurance(50);
    model.SetRecurringCosts(10);
    ASSERT_EQ(model.Recalculate(), 1);
    double interest = 0;
    for (int k = 0; k < 300; ++k) {
        interest += model.BalanceAt(k) * 0.05 / 12;
    }
    EXPECT_NEAR(model.Total(MortgageTotal::InterestPaid), interest, 1e-6);
    // Over the whole loan the interest is what the payments add to the principal.
    EXPECT_NEAR(interest, 300 * 1461.4751037699502 - 250000, 0.01);
    EXPECT_DOUBLE_EQ(model.Total(MortgageTotal::PropertyTax), 25 * 200 * 12);
    EXPECT_DOUBLE_EQ(model.Total(MortgageTotal::RecurringCosts), 300 * 10);
    EXPECT_DOUBLE_EQ(model.Total(MortgageTotal::Insurance), 300 * 50);
    const double grand = 250000 + interest + 60000 + 3000 + 15000;
    EXPECT_NEAR(model.Total(MortgageTotal::Grand), grand, 1e-6);
    EXPECT_EQ(model.Total(MortgageTotal::SumOfPayments), model.Total(MortgageTotal::Grand));
    EXPECT_EQ(model.Total(6), -1.0);
    EXPECT_EQ(model.Total(-1), -1.0);

    ASSERT_EQ(model.SetDownPayment(50000), 1);
    ASSERT_EQ(model.Recalculate(), 1);
    EXPECT_NEAR(model.Total(MortgageTotal::SumOfPayments),
                200000 + model.Total(MortgageTotal::InterestPaid), 1e-9);
}

TEST(MortgageModel, CanadianMortgageCompoundsTwiceAYear) {
    // 100000 at 5 % over 25 years, compounded semi-annually: 581.60 a month.
    CMortgageModel model = MakeLoan(100000, 5, 25, 0);
    ASSERT_EQ(model.SetCanadianMortgage(1), 1);
    EXPECT_NEAR(model.Payment(), 581.6049850370156, 1e-6);
    EXPECT_NEAR(CanadianMonthlyRate(0.05 / 12), std::pow(1.025, 1.0 / 6) - 1, 1e-15);
    // A rate given twice a year compounds to the same effective annual rate.
    EXPECT_NEAR(std::pow(1 + CanadianMonthlyRate(0.08 / 12), 12), 1.04 * 1.04, 1e-12);
}

TEST(MortgageModel, ResetsKeepWhatAPartialResetMustKeep) {
    CMortgageModel model = MakeLoan(100000, 7, 10, 5);
    model.SetCostPerPoint(2.5);
    model.SetCanadianMortgage(1);
    model.SetPoints(3);
    ASSERT_EQ(model.Recalculate(), 1);
    model.Clear();
    EXPECT_EQ(model.Principal(), 250000.0);
    EXPECT_EQ(model.Term(), 25);
    EXPECT_EQ(model.UsePoints(), 0);
    EXPECT_EQ(model.Points(), 0);
    EXPECT_EQ(model.PaymentCount(), 0);
    EXPECT_EQ(model.ScheduleLength(), 0);
    EXPECT_EQ(model.Schedule(), 5);
    EXPECT_EQ(model.CostPerPoint(), 2.5);
    EXPECT_EQ(model.CanadianMortgage(), 1);
    model.Reset(MortgageReset::Full);
    EXPECT_EQ(model.Schedule(), 0);
    EXPECT_EQ(model.CostPerPoint(), 1.0);
    EXPECT_EQ(model.CanadianMortgage(), 0);
}

TEST(MortgageModel, InterestFreeLoanIsRepaidInEqualParts) {
    CMortgageModel model = MakeLoan(120000, 0, 10, 0);
    ASSERT_EQ(model.Recalculate(), 1);
    EXPECT_DOUBLE_EQ(model.PaymentAmount(), 1000);
    EXPECT_DOUBLE_EQ(model.PrincipalPortionAt(0), 1000);
    EXPECT_DOUBLE_EQ(model.PrincipalPortionAt(119), 1000);
    EXPECT_DOUBLE_EQ(model.BalanceAt(119), 1000);
}

TEST(MortgageModel, BiMonthlyScheduleSettlesItsShortfallInTheLastPayment) {
    // Twice the monthly payment every two months, with two months' interest at a
    // time, falls short of the loan: the last payment repays what is left.
    CMortgageModel model = MakeLoan(250000, 5, 25, 8);
    ASSERT_EQ(model.Recalculate(), 1);
    const double last = model.BalanceAt(149);
    EXPECT_GT(last, model.PaymentAmount());
    EXPECT_DOUBLE_EQ(model.PrincipalPortionAt(149), last);
    EXPECT_DOUBLE_EQ(model.InterestAt(149), last * 0.05 / 6);
}

// Independent checks over random loans: the payment is the annuity payment scaled
// by the schedule, the principal portions repay exactly the financed amount, and
// every balance is the previous one less its principal portion.
TEST(MortgageModel, RandomLoansAmortizeOverEverySchedule) {
    std::mt19937 random(20240611);
    std::uniform_real_distribution<double> principal(1000, 2000000);
    std::uniform_real_distribution<double> rate(0.25, 15);
    std::uniform_real_distribution<double> downShare(0, 0.5);
    std::uniform_int_distribution<int> term(1, 30);
    for (int loan = 0; loan < 300; ++loan) {
        const int schedule = loan % kMortgageScheduleCount;
        const double amount = std::round(principal(random) * 100) / 100;
        const double percent = loan % 37 == 0 ? 0 : std::round(rate(random) * 1000) / 1000;
        const int years = term(random);
        const double down = std::round(amount * downShare(random) * 100) / 100;
        SCOPED_TRACE(testing::Message()
                     << "loan " << loan << ": " << amount << " - " << down << " at " << percent
                     << "% over " << years << " years, schedule " << schedule);
        CMortgageModel model = MakeLoan(amount, percent, years, schedule);
        ASSERT_EQ(model.SetDownPayment(down), 1);
        ASSERT_EQ(model.Recalculate(), 1);
        const double financed = amount - down;
        const double factor = kMortgageSchedules[schedule].factor;
        EXPECT_NEAR(model.PaymentAmount() / factor, AnnuityPayment(financed, percent, years),
                    1e-9 * financed);

        double repaid = 0;
        int lastOwing = 0;
        for (int k = 0; k < model.ScheduleLength(); ++k) {
            repaid += model.PrincipalPortionAt(k);
            if (model.BalanceAt(k) > 0) {
                lastOwing = k;
            }
            if (k > 0 && model.BalanceAt(k) > 0) {
                ASSERT_NEAR(model.BalanceAt(k),
                            model.BalanceAt(k - 1) - model.PrincipalPortionAt(k - 1),
                            1e-6 * financed);
            }
        }
        EXPECT_NEAR(repaid, financed, 0.01);
        if (schedule != 8) {
            EXPECT_LE(model.BalanceAt(lastOwing), model.PaymentAmount() + 1e-9);
        }
    }
}
