#include "financial/models/MortgageModel.h"
#include "financial/models/PeriodicRate.h"
#include "financial/tests/RecordLayout.h"
#include "financial/tests/RecordSubjects.h"
#include "ui/ZoqMemoryStore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cwchar>
#include <vector>

namespace {

// The loan simulated payment by payment in long double, written apart from the
// model: each payment pays the period's interest and the rest off the balance,
// extra and lump sum included, never more than is owed; the last scheduled payment
// settles what is left.
struct SReference {
    int periods = 0;
    long double interest = 0;
    std::vector<long double> payments; // what is paid at each period
};

SReference Simulate(long double financed, long double payment, long double rate, int count,
                    long double extra, long double lumpSum, int lumpPeriod) {
    SReference result;
    long double balance = financed;
    for (int k = 0; k < count && balance > 0; ++k) {
        const long double interest = balance * rate;
        long double principal = payment + extra + (k + 1 == lumpPeriod ? lumpSum : 0) - interest;
        if (principal >= balance || k == count - 1) {
            principal = balance;
        }
        balance -= principal;
        result.interest += interest;
        result.payments.push_back(principal + interest);
        ++result.periods;
    }
    return result;
}

// Present value less the amount, and the rate found by plain bisection to 1e-12.
long double ReferenceRate(const std::vector<long double>& payments, long double amount) {
    auto excess = [&](long double rate) {
        long double value = 0;
        for (std::size_t k = 0; k < payments.size(); ++k) {
            value += payments[k] / std::pow(1 + rate, static_cast<long double>(k + 1));
        }
        return value - amount;
    };
    long double low = 0;
    long double high = 1;
    while (high - low > 1e-12L) {
        const long double middle = (low + high) / 2;
        (excess(middle) > 0 ? low : high) = middle;
    }
    return (low + high) / 2;
}

CMortgageModel MakeLoan(double principal, double percent, int years, int schedule) {
    CMortgageModel model;
    EXPECT_EQ(model.SetPrincipal(principal), 1);
    EXPECT_EQ(model.SetInterestRate(percent), 1);
    EXPECT_EQ(model.SetTerm(years), 1);
    EXPECT_EQ(model.SetSchedule(schedule), 1);
    return model;
}

long double PeriodRate(const CMortgageModel& model) {
    return static_cast<long double>(model.SelectedAnnualRate()) / model.PaymentsPerYear();
}

} // namespace

TEST(MortgageExtra, ScheduleWithExtraPaymentsFollowsTheReference) {
    const struct {
        double principal;
        double percent;
        int years;
        int schedule;
        double down;
        double extra;
        double lumpSum;
        int lumpPeriod;
    } rows[] = {
        {250000, 5, 25, 0, 0, 200, 0, 0},          {250000, 5, 25, 0, 0, 0, 40000, 12},
        {250000, 5, 25, 0, 25000, 150, 20000, 60}, {180000, 3.25, 30, 2, 0, 50, 10000, 100},
        {400000, 7.5, 20, 4, 40000, 25, 0, 0},     {120000, 4, 15, 6, 0, 100, 5000, 1},
        {90000, 6, 10, 8, 0, 500, 0, 0},           {300000, 0, 20, 0, 0, 300, 1000, 3},
        {250000, 5, 25, 1, 0, 120, 15000, 300}, // lump sum after an early payoff
        {250000, 5, 25, 0, 0, 100, 50000, 301}, // lump sum past the end
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message()
                     << row.principal << " at " << row.percent << "% over " << row.years
                     << " schedule " << row.schedule << " extra " << row.extra << " lump "
                     << row.lumpSum << " at " << row.lumpPeriod);
        CMortgageModel model = MakeLoan(row.principal, row.percent, row.years, row.schedule);
        ASSERT_EQ(model.SetDownPayment(row.down), 1);
        ASSERT_EQ(model.SetExtraPayment(row.extra), 1);
        ASSERT_EQ(model.SetLumpSum(row.lumpSum), 1);
        ASSERT_EQ(model.SetLumpSumPeriod(row.lumpPeriod), 1);
        ASSERT_EQ(model.Recalculate(), 1);
        const long double financed = row.principal - row.down;
        const int count = model.PaymentCount();
        const SReference with = Simulate(financed, model.PaymentAmount(), PeriodRate(model), count,
                                         row.extra, row.lumpSum, row.lumpPeriod);
        const SReference plain =
            Simulate(financed, model.PaymentAmount(), PeriodRate(model), count, 0, 0, 0);

        EXPECT_EQ(model.PaidPeriods(), with.periods);
        double paid = 0;
        for (int k = 0; k < model.ScheduleLength(); ++k) {
            EXPECT_GE(model.BalanceAt(k), 0) << "payment " << k;
            paid += model.PrincipalPortionAt(k);
        }
        EXPECT_NEAR(paid, static_cast<double>(financed), 1e-6) << "the loan is repaid exactly";
        EXPECT_NEAR(model.Total(MortgageTotal::InterestPaid), static_cast<double>(with.interest),
                    1e-6 * row.principal);

        SMortgageSavings savings;
        ASSERT_EQ(model.Savings(&savings), 1);
        EXPECT_EQ(savings.periods, with.periods);
        EXPECT_EQ(savings.plainPeriods, plain.periods);
        EXPECT_EQ(savings.periodsSaved, plain.periods - with.periods);
        EXPECT_NEAR(savings.interestSaved, static_cast<double>(plain.interest - with.interest),
                    1e-6 * row.principal);
        EXPECT_GE(savings.interestSaved, 0);
    }
}

TEST(MortgageExtra, NoExtraIsThePlainLoanExactly) {
    for (int schedule = 0; schedule < kMortgageScheduleCount; ++schedule) {
        SCOPED_TRACE(testing::Message() << "schedule " << schedule);
        CMortgageModel plain = MakeLoan(260000, 4.75, 30, schedule);
        ASSERT_EQ(plain.Recalculate(), 1);
        // Extras set and taken back, and a lump sum of 0 at a period.
        CMortgageModel extra = MakeLoan(260000, 4.75, 30, schedule);
        ASSERT_EQ(extra.SetExtraPayment(500), 1);
        ASSERT_EQ(extra.Recalculate(), 1);
        ASSERT_EQ(extra.SetExtraPayment(0), 1);
        ASSERT_EQ(extra.SetLumpSumPeriod(7), 1);
        ASSERT_EQ(extra.Recalculate(), 1);
        ASSERT_EQ(extra.ScheduleLength(), plain.ScheduleLength());
        for (int k = 0; k < plain.ScheduleLength(); ++k) {
            ASSERT_EQ(extra.BalanceAt(k), plain.BalanceAt(k)) << "payment " << k;
            ASSERT_EQ(extra.PrincipalPortionAt(k), plain.PrincipalPortionAt(k)) << "payment " << k;
        }
        SMortgageSavings savings;
        ASSERT_EQ(extra.Savings(&savings), 1);
        EXPECT_EQ(savings.periodsSaved, 0);
        EXPECT_EQ(savings.interestSaved, 0.0);
        EXPECT_EQ(savings.interest, plain.Total(MortgageTotal::InterestPaid));
    }
}

TEST(MortgageExtra, PaymentsBeyondWhatIsOwedEndTheLoanWithAPartialPayment) {
    const struct {
        const char* name;
        double extra;
        double lumpSum;
        int lumpPeriod;
        int periods;
    } rows[] = {
        {"lump sum of the whole loan with the first payment", 0, 200000, 1, 1},
        {"lump sum of the whole loan with the fifth payment", 0, 200000, 5, 5},
        {"extra of the whole loan", 200000, 0, 0, 1},
        {"extra and lump sum together beyond the loan", 150000, 150000, 2, 2},
        {"extra of half the loan", 100000, 0, 0, 2},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        CMortgageModel model = MakeLoan(200000, 6, 25, 0);
        ASSERT_EQ(model.SetExtraPayment(row.extra), 1);
        ASSERT_EQ(model.SetLumpSum(row.lumpSum), 1);
        ASSERT_EQ(model.SetLumpSumPeriod(row.lumpPeriod), 1);
        ASSERT_EQ(model.Recalculate(), 1);
        EXPECT_EQ(model.PaidPeriods(), row.periods);
        const int last = row.periods - 1;
        // The last payment takes exactly what is owed, and nothing is owed after it.
        EXPECT_EQ(model.PrincipalPortionAt(last), model.BalanceAt(last));
        EXPECT_LT(model.PrincipalPortionAt(last),
                  model.PaymentAmount() + row.extra + row.lumpSum - model.InterestAt(last));
        for (int k = row.periods; k < model.ScheduleLength(); ++k) {
            ASSERT_EQ(model.BalanceAt(k), 0) << "payment " << k;
            ASSERT_EQ(model.PrincipalPortionAt(k), 0) << "payment " << k;
            ASSERT_EQ(model.InterestAt(k), 0) << "payment " << k;
        }
        SMortgageSavings savings;
        ASSERT_EQ(model.Savings(&savings), 1);
        EXPECT_EQ(savings.plainPeriods, 300);
        EXPECT_EQ(savings.periodsSaved, 300 - row.periods);
    }
}

TEST(MortgageExtra, ExtraPaymentsAreRefusedWhenNegativeOrLargerThanTheLoan) {
    const struct {
        double amount;
        int accepted;
    } rows[] = {{0, 1},         {0.01, 1}, {200000, 1},  {-0.01, 0},
                {200000.01, 0}, {NAN, 0},  {INFINITY, 0}};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.amount);
        CMortgageModel model = MakeLoan(200000, 6, 25, 0);
        ASSERT_EQ(model.SetExtraPayment(50), 1);
        ASSERT_EQ(model.SetLumpSum(70), 1);
        EXPECT_EQ(model.SetExtraPayment(row.amount), row.accepted);
        EXPECT_EQ(model.SetLumpSum(row.amount), row.accepted);
        EXPECT_EQ(model.ExtraPayment(), row.accepted ? row.amount : 50);
        EXPECT_EQ(model.LumpSum(), row.accepted ? row.amount : 70);
    }
    CMortgageModel model = MakeLoan(200000, 6, 25, 0);
    for (int period : {-1, kMaxMortgagePayments + 1}) {
        EXPECT_EQ(model.SetLumpSumPeriod(period), 0) << period;
    }
    EXPECT_EQ(model.SetLumpSumPeriod(kMaxMortgagePayments), 1);
    model.Clear();
    EXPECT_EQ(model.LumpSumPeriod(), 0) << "a reset drops the extra payments";
}

TEST(MortgageExtra, AnnualPercentageRateAgainstTheReference) {
    const struct {
        double principal;
        double percent;
        double percentWithPoints;
        int points;
        double costPerPoint;
        int years;
        int schedule;
        double down;
    } rows[] = {
        {250000, 5, 0, 0, 1, 25, 0, 0},        // no points: the note rate
        {250000, 5, 0, 0, 1, 25, 4, 0},        // weekly, no points
        {180000, 6.5, 0, 0, 1, 30, 9, 20000},  // accelerated bi-monthly, no points
        {250000, 5, 4.5, 2, 1, 25, 0, 0},      // points
        {250000, 5, 4.75, 1, 2, 30, 2, 50000}, // points, bi-weekly, down payment
        {100000, 4, 3.5, 3, 1, 10, 6, 0},      // points, semi-monthly
        {100000, 4, 0.5, 5, 1, 15, 0, 0},      // points on a nearly interest-free loan
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message()
                     << row.principal << " at " << row.percent << "%, " << row.points
                     << " points to " << row.percentWithPoints << "%, schedule " << row.schedule);
        CMortgageModel model = MakeLoan(row.principal, row.percent, row.years, row.schedule);
        ASSERT_EQ(model.SetDownPayment(row.down), 1);
        ASSERT_EQ(model.SetCostPerPoint(row.costPerPoint), 1);
        if (row.points > 0) {
            ASSERT_EQ(model.SetInterestRateWithPoints(row.percentWithPoints), 1);
            ASSERT_EQ(model.SetPoints(row.points), 1);
        }
        // Extra payments do not change the rate of the credit.
        ASSERT_EQ(model.SetExtraPayment(300), 1);
        ASSERT_EQ(model.Recalculate(), 1);
        double apr = -1;
        ASSERT_EQ(model.AnnualPercentageRate(&apr), 1);

        const long double financed = row.principal - row.down;
        const long double fees = row.points * row.costPerPoint / 100.0L * row.principal;
        const SReference plain = Simulate(financed, model.PaymentAmount(), PeriodRate(model),
                                          model.PaymentCount(), 0, 0, 0);
        const long double expected =
            ReferenceRate(plain.payments, financed - fees) * model.PaymentsPerYear();
        EXPECT_NEAR(apr, static_cast<double>(expected), 1e-9);
        if (row.points == 0) {
            EXPECT_NEAR(apr, row.percent / 100, 1e-10) << "no points: the note rate";
        } else {
            EXPECT_GT(apr, row.percentWithPoints / 100) << "points raise the rate";
        }
    }
}

TEST(MortgageExtra, AnnualPercentageRateNeedsASchedule) {
    CMortgageModel model = MakeLoan(250000, 5, 25, 0);
    double apr = 7;
    EXPECT_EQ(model.AnnualPercentageRate(&apr), 0) << "no calculation yet";
    EXPECT_EQ(apr, 7);
    ASSERT_EQ(model.SetTerm(0), 1);
    model.Recalculate();
    EXPECT_EQ(model.AnnualPercentageRate(&apr), 0) << "no payments";
    // Points costing the whole loan leave nothing financed.
    CMortgageModel costly = MakeLoan(100000, 5, 10, 0);
    ASSERT_EQ(costly.SetCostPerPoint(50), 1);
    ASSERT_EQ(costly.SetInterestRateWithPoints(4), 1);
    ASSERT_EQ(costly.SetPoints(2), 1);
    ASSERT_EQ(costly.Recalculate(), 1);
    EXPECT_EQ(costly.AnnualPercentageRate(&apr), 0);
}

TEST(MortgageExtra, PeriodicRateSolver) {
    const struct {
        const char* name;
        std::vector<double> payments;
        double amount;
        int solved;
    } rows[] = {
        {"one payment", {110}, 100, 1},
        {"level payments", std::vector<double>(360, 1500), 200000, 1},
        {"uneven payments", {10, 0, 500, 1, 700}, 1000, 1},
        {"no interest", {50, 50}, 100, 1},
        {"payments short of the amount", {40, 50}, 100, 0},
        {"nothing financed", {40, 50}, 0, 0},
        {"no payments", {}, 100, 0},
        {"a rate beyond any loan", {1e30}, 1, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        double rate = -1;
        ASSERT_EQ(SolvePeriodicRate(row.payments.data(), static_cast<int>(row.payments.size()),
                                    row.amount, &rate),
                  row.solved);
        if (!row.solved) {
            EXPECT_EQ(rate, -1);
            continue;
        }
        std::vector<long double> payments(row.payments.begin(), row.payments.end());
        EXPECT_NEAR(rate, static_cast<double>(ReferenceRate(payments, row.amount)), 1e-11);
    }
}

TEST(MortgageExtra, OldRecordsLoadWithoutExtraPayments) {
    CMortgageModel saved = MakeLoan(300000, 6, 25, 0);
    ASSERT_EQ(saved.SetExtraPayment(250), 1);
    ASSERT_EQ(saved.SetLumpSum(20000), 1);
    ASSERT_EQ(saved.SetLumpSumPeriod(36), 1);
    CZoqMemoryStore store;
    ASSERT_EQ(saved.SaveProfile(store, 1), 1);

    CMortgageModel loaded;
    ASSERT_EQ(loaded.LoadProfile(store, 1), 1);
    EXPECT_EQ(loaded.ExtraPayment(), 250);
    EXPECT_EQ(loaded.LumpSum(), 20000);
    EXPECT_EQ(loaded.LumpSumPeriod(), 36);

    // The same record as written before the extra payments were appended to it.
    const wchar_t* key = FinancialRecordKey(Calculator::Mortgage, 1);
    for (const wchar_t* name : {L"ExtraPaymentPerPeriod", L"LumpSum", L"LumpSumPeriod"}) {
        ASSERT_EQ(store.DeleteValue(key, name), 1);
    }
    CMortgageModel old;
    ASSERT_EQ(old.SetExtraPayment(99), 1);
    ASSERT_EQ(old.SetLumpSum(999), 1);
    ASSERT_EQ(old.SetLumpSumPeriod(9), 1);
    ASSERT_EQ(old.LoadProfile(store, 1), 1);
    EXPECT_EQ(old.Principal(), 300000) << "the older values load";
    EXPECT_EQ(old.ExtraPayment(), 0);
    EXPECT_EQ(old.LumpSum(), 0);
    EXPECT_EQ(old.LumpSumPeriod(), 0);

    // An extra payment larger than the loan it is stored with is refused (the
    // principal changed after the extra payment was accepted).
    ASSERT_EQ(saved.SetExtraPayment(300000), 1);
    ASSERT_EQ(saved.SetPrincipal(200000), 1);
    CZoqMemoryStore smaller;
    ASSERT_EQ(saved.SaveProfile(smaller, 2), 1);
    CMortgageModel refused;
    ASSERT_EQ(refused.SetExtraPayment(10), 1);
    ASSERT_EQ(refused.LoadProfile(smaller, 2), 1);
    EXPECT_EQ(refused.Principal(), 200000);
    EXPECT_EQ(refused.ExtraPayment(), 10) << "a refused value leaves the field as it was";
}

// A record counts as holding a loan when at least one of its five loan values (points
// flag, principal, term, Canadian flag, schedule) is taken; only then do its extra
// payments load. Damaged loan values are planted with a size no reader accepts.
TEST(MortgageExtra, ExtraPaymentsLoadOnlyWithALoan) {
    const wchar_t* const kLoanValues[] = {L"UsePoints", L"Principle", L"Term", L"CanadianMortgage",
                                          L"PaymentIndex"};
    struct SRow {
        const wchar_t* intact; // the one loan value left as written, or none
        int extrasOf;          // the sample whose extra payments the loaded model then has
    };
    // The record holds sample 1; the model it is loaded into starts as sample 2.
    const SRow rows[] = {{nullptr, 2}, {L"UsePoints", 1}, {L"Term", 1}, {L"PaymentIndex", 1}};
    for (const SRow& row : rows) {
        SCOPED_TRACE(testing::Message() << "intact: " << (row.intact ? row.intact : L"none"));
        CMortgageModel saved;
        MakeSample(saved, 1);
        CZoqMemoryStore store;
        ASSERT_EQ(saved.SaveProfile(store, 2), 1);
        const wchar_t* key = FinancialRecordKey(Calculator::Mortgage, 2);
        const unsigned char damaged[3] = {1, 2, 3};
        for (const wchar_t* name : kLoanValues) {
            if (!row.intact || std::wcscmp(name, row.intact) != 0) {
                store.Plant(key, name, ZoqValueType::Binary, damaged, sizeof damaged);
            }
        }

        CMortgageModel loaded;
        MakeSample(loaded, 2);
        ASSERT_EQ(loaded.LoadProfile(store, 2), 1);
        CMortgageModel expected;
        MakeSample(expected, row.extrasOf);
        EXPECT_EQ(loaded.ExtraPayment(), expected.ExtraPayment());
        EXPECT_EQ(loaded.LumpSum(), expected.LumpSum());
        EXPECT_EQ(loaded.LumpSumPeriod(), expected.LumpSumPeriod());
    }
}
