#include "financial/models/MortgageModel.h"
#include "financial/models/PeriodicRate.h"

#include <vector>

CMortgageModel CMortgageModel::PlainLoan() const {
    CMortgageModel plain = *this;
    plain.m_extraPayment = 0;
    plain.m_lumpSum = 0;
    plain.m_lumpPeriod = 0;
    plain.Recalculate();
    return plain;
}

int CMortgageModel::Savings(SMortgageSavings* savings) const {
    *savings = SMortgageSavings();
    if (m_balances.empty()) {
        return 0;
    }
    const CMortgageModel plain = PlainLoan();
    savings->periods = PaidPeriods();
    savings->plainPeriods = plain.PaidPeriods();
    savings->periodsSaved = savings->plainPeriods - savings->periods;
    savings->interest = TotalInterest();
    savings->plainInterest = plain.TotalInterest();
    savings->interestSaved = savings->plainInterest - savings->interest;
    return 1;
}

int CMortgageModel::AnnualPercentageRate(double* apr) const {
    if (m_balances.empty()) {
        return 0;
    }
    // Extra payments are the borrower's choice, not a cost of the credit: the rate
    // is that of the loan as scheduled.
    const CMortgageModel plain = PlainLoan();
    const int periods = plain.PaidPeriods();
    std::vector<double> payments(static_cast<std::size_t>(periods));
    for (int k = 0; k < periods; ++k) {
        payments[k] = plain.m_portions[k] + plain.InterestAt(k);
    }
    const double fees = m_usePoints == 1 ? m_costOfPoints : 0;
    const double net = m_principal - m_downPayment - fees;
    double rate = 0;
    if (!SolvePeriodicRate(payments.data(), periods, net, &rate)) {
        return 0;
    }
    *apr = rate * PaymentsPerYear();
    return 1;
}
