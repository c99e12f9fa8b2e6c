#pragma once

#include "financial/models/FinancialFields.h"
#include "financial/models/FinancialRecordModel.h"
#include "financial/models/MortgageSchedule.h"

#include <vector>

// What the points page compares: the payment with and without the bought points.
struct SMortgagePointsComparison {
    double withPoints = 0;
    double withoutPoints = 0;
    double monthlySavings = 0;
    double timeToRecover = 0; // payments until the points have paid for themselves
    double costOfPoints = 0;
    int paymentCount = 0;
};

enum class MortgageTotal {
    Grand = 0,          // "Total:"
    InterestPaid = 1,   // "Interest Paid:"
    PropertyTax = 2,    // property tax over the term
    RecurringCosts = 3, // recurring costs over all payments
    Insurance = 4,      // insurance over all payments
    SumOfPayments = 5,  // "Sum of Payments:"
};

enum class MortgageReset { Full, Partial };

// The loan with its extra payments set against the same loan without them. Periods
// are payments of the current schedule (months for a monthly one, weeks for a
// weekly one), counted up to the payment that clears the balance.
struct SMortgageSavings {
    int periods = 0;      // payments with the extra payments
    int plainPeriods = 0; // payments without them
    int periodsSaved = 0;
    double interest = 0;
    double plainInterest = 0;
    double interestSaved = 0;
};

inline constexpr double kMortgageOutsideSchedule = -911.0;

inline constexpr const wchar_t* kInterestRatesErrorText =
    L"The Points Interest Rate must be lower than the Mortgage interest Rate and The Mortage "
    L"Interest Rate must be greater than 0.";
inline constexpr const wchar_t* kInterestRatesErrorCaption = L"Interest Rates Error";

// The mortgage calculator: inputs, the periodic payment of the ten schedules, the
// amortization schedule and the totals of the result pages. Rates are kept as
// fractions (5 % is 0.05); setters take percentages and return 1 when the value was
// accepted, 0 when it was refused and the field is unchanged.
class CMortgageModel : public CFinancialRecordOf<CMortgageModel>, public CFinancialFieldModel {
public:
    CMortgageModel();

    int SetPrincipal(double principal);
    int SetTerm(int years);
    int SetInterestRate(double percent);
    int SetInterestRateWithPoints(double percent);
    int SetCostPerPoint(double percent);
    int SetPoints(int points);
    int SetDownPayment(double amount);
    int SetPropertyTax(double perMonth);
    int SetInsurance(double perMonth);
    int SetRecurringCosts(double perMonth);
    int SetSchedule(int index);
    // The points page's "Points" / "NoPoints" buttons; the flag must be 0 or 1.
    int SetUsePoints(int flag);
    // Paid on top of every payment, and once with payment `period` (counted from 1;
    // 0 for none). Refused when negative or larger than the principal; a lump sum
    // past the end of the schedule is never paid.
    int SetExtraPayment(double amount);
    int SetLumpSum(double amount);
    int SetLumpSumPeriod(int period);
    // No control sets this; it comes with a loaded profile (and tests).
    int SetCanadianMortgage(int flag);

    // The periodic payment of the current schedule; also stored as the payment.
    // 0 for a term of 0 years; an interest-free loan is repaid in equal parts.
    // Returns 1.0 to 4.0 instead when a principal, rate or count is negative.
    double Payment();
    // Schedule, payment, balances and principal portions; 0 when the term gives
    // no payment: the schedule is then absent and the payment and totals are 0.
    int Recalculate();

    // Amortization schedule entry i (0-based), or kMortgageOutsideSchedule outside it.
    double BalanceAt(int i) const;
    double PrincipalPortionAt(int i) const;
    // Interest part of payment i for the amortization list: 0 where the schedule
    // has ended. Use this rather than payment - portion: the last payment repays
    // exactly what is left, so it differs from the regular payment.
    double InterestAt(int i) const;
    int ScheduleLength() const { return static_cast<int>(m_balances.size()); }
    // Payments up to the one that clears the balance: the schedule's length less
    // the entries left at 0 after an early payoff.
    int PaidPeriods() const;
    // What the extra payments save against the same loan without them; 0 when there
    // is no schedule (it needs a calculation first).
    int Savings(SMortgageSavings* savings) const;
    // The annual percentage rate: the periodic rate at which the scheduled payments
    // of the loan without extra payments are worth the amount financed less the
    // cost of the points used, times the payments a year. 0 when the schedule is
    // absent or the amount left is not positive.
    int AnnualPercentageRate(double* apr) const;

    double PeriodInterest(double balance) const;
    // 0 for every kind while there is no schedule (after a reset, or a calculation
    // without payments); -1.0 for an unknown kind.
    double Total(int kind) const;
    double Total(MortgageTotal kind) const { return Total(static_cast<int>(kind)); }
    double TimeToRecover(double savings) const;
    // Payment with points, then without, and what the points save; leaves the
    // flag and the schedule as they were.
    void ComparePoints(SMortgagePointsComparison* comparison);
    // 1 when the mortgage rate is above the rate with points (and so above 0).
    int InterestRatesAreValid() const;

    // Both kinds also free the schedule.
    void Reset(MortgageReset kind);
    // A partial reset.
    void Clear();

    int UsePoints() const { return m_usePoints; }
    int CanadianMortgage() const { return m_canadian; }
    double Principal() const { return m_principal; }
    double AnnualRate() const { return m_annualRate; }
    int Term() const { return m_term; }
    double DownPayment() const { return m_downPayment; }
    double PropertyTax() const { return m_propertyTax; }
    double Insurance() const { return m_insurance; }
    double RecurringCosts() const { return m_recurringCosts; }
    int Points() const { return m_points; }
    double AnnualRateWithPoints() const { return m_annualRateWithPoints; }
    double CostOfPoints() const { return m_costOfPoints; }
    int Schedule() const { return m_schedule; }
    int PaymentCount() const { return m_paymentCount; }
    double PaymentAmount() const { return m_payment; }
    double MonthlyRate() const { return m_monthlyRate; }
    double CostPerPoint() const { return m_costPerPoint; }
    double ExtraPayment() const { return m_extraPayment; }
    double LumpSum() const { return m_lumpSum; }
    int LumpSumPeriod() const { return m_lumpPeriod; }
    // 1 when anything is paid beyond the scheduled payments.
    int HasExtraPayments() const {
        return m_extraPayment > 0 || (m_lumpSum > 0 && m_lumpPeriod > 0) ? 1 : 0;
    }
    double MonthlyRateWithPoints() const { return m_monthlyRateWithPoints; }
    double SelectedAnnualRate() const;
    double SelectedMonthlyRate() const;
    int PaymentsPerYear() const;

    // The mortgage fields of the wizard steps, rates in percent; the mortgage writes no
    // texts, a buffer given is left as it is.
    int ReadField(EFinancialField field, double* value, wchar_t* text = nullptr,
                  int capacity = 0) const override;
    int WriteField(EFinancialField field, double value) override;

private:
    friend class CFinancialRecordOf<CMortgageModel>;
    template <class Self, class Visitor> static void VisitRecord(Self& self, Visitor& visitor);
    // A schedule built from the inputs before a load no longer belongs to them.
    void DeriveFromRecord() { FreeSchedule(); }
    void ClearForProfile() override { Clear(); }

    void BuildBalances();
    void BuildPrincipalPortions();
    double TotalInterest() const;
    void FreeSchedule();
    // What is paid on top of payment k (0-based).
    double ExtraAt(int k) const;
    // The same loan, calculated without extra payments.
    CMortgageModel PlainLoan() const;

    int m_usePoints;
    int m_canadian;
    double m_principal;
    double m_annualRate;
    int m_term;
    double m_downPayment;
    double m_propertyTax;
    double m_insurance;
    double m_recurringCosts;
    int m_points;
    double m_annualRateWithPoints;
    double m_costOfPoints;
    int m_schedule;
    int m_paymentCount;
    double m_payment;
    double m_monthlyRate;
    double m_costPerPoint;
    double m_monthlyRateWithPoints;
    double m_extraPayment;
    double m_lumpSum;
    int m_lumpPeriod;
    std::vector<double> m_portions;
    std::vector<double> m_balances;
};

extern template class CFinancialRecordOf<CMortgageModel>;

// The monthly rate a Canadian mortgage pays on a nominal monthly rate: the annual
// rate is compounded twice a year, not in advance, and turned into the monthly
// rate that compounds to the same effective rate.
double CanadianMonthlyRate(double monthlyRate);
