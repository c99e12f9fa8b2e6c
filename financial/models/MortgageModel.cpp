#include "financial/models/MortgageModel.h"

#include "engine/ZoqStoreValue.h"
#include "financial/models/Annuity.h"

#include <climits>
#include <cmath>

namespace {

// Applied as a multiplier, as the bank tables do, rather than as a division by 12.
constexpr double kOneTwelfth = 0.08333333333333333;

bool IsAmount(double value) {
    return std::isfinite(value) && value >= 0;
}
bool IsPercent(double value) {
    return value >= 0 && value <= 100;
}

// What the extra payments accept: no more than the loan.
auto WithinLoan(double principal) {
    return [principal](double amount) { return IsAmount(amount) && amount <= principal; };
}

// A rate given in percent, kept as a fraction and as the monthly part of it.
int StoreRate(double percent, double* annualRate, double* monthlyRate) {
    if (!IsPercent(percent)) {
        return 0;
    }
    *annualRate = percent * 0.01;
    *monthlyRate = *annualRate * kOneTwelfth;
    return 1;
}

} // namespace

double CanadianMonthlyRate(double monthlyRate) {
    const double annualPercent = monthlyRate * 1200;
    return RatePerPart(annualPercent * 0.005, 6);
}

CMortgageModel::CMortgageModel() : CFinancialRecordOf(Calculator::Mortgage) {
    Reset(MortgageReset::Full);
}

void CMortgageModel::Reset(MortgageReset kind) {
    // The schedule belongs to the inputs being reset: its rows and totals go with them.
    FreeSchedule();
    m_usePoints = 0;
    m_principal = 250000.0;
    m_annualRate = 0.05;
    m_term = 25;
    m_downPayment = 0;
    m_propertyTax = 0;
    m_insurance = 0;
    m_recurringCosts = 0;
    m_points = 0;
    m_annualRateWithPoints = 0;
    m_costOfPoints = 0;
    m_paymentCount = 0;
    m_payment = 0;
    m_monthlyRate = 0;
    m_monthlyRateWithPoints = 0;
    m_extraPayment = 0;
    m_lumpSum = 0;
    m_lumpPeriod = 0;
    if (kind == MortgageReset::Full) {
        m_canadian = 0;
        m_schedule = 0;
        m_costPerPoint = 1.0;
    }
}

void CMortgageModel::FreeSchedule() {
    std::vector<double>().swap(m_portions);
    std::vector<double>().swap(m_balances);
}

void CMortgageModel::Clear() {
    Reset(MortgageReset::Partial);
}

int CMortgageModel::SetPrincipal(double principal) {
    return ZoqStoreIf(principal, IsAmount, &m_principal);
}

int CMortgageModel::SetTerm(int years) {
    return ZoqStoreWithin(years, 0, 30, &m_term);
}

int CMortgageModel::SetInterestRate(double percent) {
    return StoreRate(percent, &m_annualRate, &m_monthlyRate);
}

int CMortgageModel::SetInterestRateWithPoints(double percent) {
    return StoreRate(percent, &m_annualRateWithPoints, &m_monthlyRateWithPoints);
}

int CMortgageModel::SetCostPerPoint(double percent) {
    return ZoqStoreIf(percent, IsPercent, &m_costPerPoint);
}

int CMortgageModel::SetPoints(int points) {
    if (!ZoqStoreWithin(points, 1, INT_MAX, &m_points)) {
        return 0;
    }
    m_usePoints = 1;
    m_costOfPoints = m_costPerPoint * 0.01 * m_principal * points;
    return 1;
}

int CMortgageModel::SetDownPayment(double amount) {
    return ZoqStoreIf(
        amount, [this](double value) { return IsAmount(value) && value < m_principal; },
        &m_downPayment);
}

int CMortgageModel::SetExtraPayment(double amount) {
    return ZoqStoreIf(amount, WithinLoan(m_principal), &m_extraPayment);
}

int CMortgageModel::SetLumpSum(double amount) {
    return ZoqStoreIf(amount, WithinLoan(m_principal), &m_lumpSum);
}

int CMortgageModel::SetLumpSumPeriod(int period) {
    return ZoqStoreWithin(period, 0, kMaxMortgagePayments, &m_lumpPeriod);
}

int CMortgageModel::SetPropertyTax(double perMonth) {
    return ZoqStoreIf(perMonth, IsAmount, &m_propertyTax);
}

int CMortgageModel::SetInsurance(double perMonth) {
    return ZoqStoreIf(perMonth, IsAmount, &m_insurance);
}

int CMortgageModel::SetRecurringCosts(double perMonth) {
    return ZoqStoreIf(perMonth, IsAmount, &m_recurringCosts);
}

int CMortgageModel::SetSchedule(int index) {
    if (!ZoqStoreIf(index, IsMortgageSchedule, &m_schedule)) {
        return 0;
    }
    m_paymentCount = m_term * kMortgageSchedules[index].paymentsPerYear;
    return 1;
}

int CMortgageModel::SetUsePoints(int flag) {
    return ZoqStoreFlag(flag, &m_usePoints);
}

int CMortgageModel::SetCanadianMortgage(int flag) {
    return ZoqStoreFlag(flag, &m_canadian);
}

double CMortgageModel::SelectedAnnualRate() const {
    return m_usePoints == 1 ? m_annualRateWithPoints : m_annualRate;
}

double CMortgageModel::SelectedMonthlyRate() const {
    return m_usePoints == 1 ? m_monthlyRateWithPoints : m_monthlyRate;
}

int CMortgageModel::PaymentsPerYear() const {
    return IsMortgageSchedule(m_schedule) ? kMortgageSchedules[m_schedule].paymentsPerYear : 12;
}

double CMortgageModel::Payment() {
    if (m_principal < 0) {
        return 1.0;
    }
    if (SelectedAnnualRate() < 0) {
        return 2.0;
    }
    if (SelectedMonthlyRate() < 0) {
        return 3.0;
    }
    if (m_paymentCount < 0) {
        return 4.0;
    }
    double i = SelectedMonthlyRate();
    const double financed = m_principal - m_downPayment;
    if (m_canadian) {
        i = CanadianMonthlyRate(i);
    }
    // The monthly payment is always worked out over the term in months; the
    // schedule only rescales it.
    const double monthly = AnnuityPayment(financed, i, m_term * 12);
    m_payment =
        IsMortgageSchedule(m_schedule) ? monthly * kMortgageSchedules[m_schedule].factor : monthly;
    return m_payment;
}

int CMortgageModel::Recalculate() {
    SetSchedule(m_schedule);
    if (m_paymentCount < 1 || m_paymentCount > kMaxMortgagePayments) {
        // No payments: nothing of an earlier loan may stay on the result page.
        FreeSchedule();
        m_payment = 0;
        return 0;
    }
    Payment();
    BuildBalances();
    BuildPrincipalPortions();
    return 1;
}

double CMortgageModel::PeriodInterest(double balance) const {
    return balance * SelectedAnnualRate() / PaymentsPerYear();
}

double CMortgageModel::TimeToRecover(double savings) const {
    // Without savings the points never pay for themselves; say 0 rather than show
    // an infinite or negative time.
    if (m_usePoints == 1 && m_costOfPoints > 0 && savings > 0) {
        return m_costOfPoints / savings;
    }
    return 0;
}

void CMortgageModel::ComparePoints(SMortgagePointsComparison* comparison) {
    comparison->withPoints = Payment();
    m_usePoints = m_usePoints ? 0 : 1;
    Recalculate();
    comparison->withoutPoints = Payment();
    comparison->monthlySavings = comparison->withoutPoints - comparison->withPoints;
    m_usePoints = m_usePoints ? 0 : 1;
    Recalculate();
    comparison->timeToRecover = TimeToRecover(comparison->monthlySavings);
    comparison->costOfPoints = m_costOfPoints;
    comparison->paymentCount = m_paymentCount;
}

int CMortgageModel::InterestRatesAreValid() const {
    return m_annualRate * 100 <= m_annualRateWithPoints * 100 ? 0 : 1;
}
