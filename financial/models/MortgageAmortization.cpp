#include "financial/models/MortgageModel.h"

#include <cstddef>

void CMortgageModel::BuildBalances() {
    m_balances.assign(static_cast<std::size_t>(m_paymentCount), 0.0);
    m_balances[0] = m_principal - m_downPayment;
    for (int k = 1; k < m_paymentCount; ++k) {
        const double previous = m_balances[k - 1];
        // An extra of 0 leaves the arithmetic, and so every balance, as without it.
        const double balance = previous - m_payment - ExtraAt(k - 1) + PeriodInterest(previous);
        if (balance < 0) {
            break; // paid off early (also by extra payments, which never overpay): the rest of the
                   // schedule stays 0
        }
        m_balances[k] = balance;
    }
}

void CMortgageModel::BuildPrincipalPortions() {
    m_portions.assign(static_cast<std::size_t>(m_paymentCount), 0.0);
    for (int k = 0; k < m_paymentCount; ++k) {
        const double balance = m_balances[k];
        // The schedule ends at the first payment with nothing owing. (Testing the
        // interest for 0 instead would also end an interest-free loan at once.)
        if (balance == 0) {
            break;
        }
        double portion = m_payment + ExtraAt(k) - PeriodInterest(balance);
        // No payment repays more than is owed, and the last one settles what is
        // left: the rescaled payments of the faster schedules clear the loan early,
        // those of the bi-monthly one fall slightly short of it.
        if (portion > balance || k == m_paymentCount - 1) {
            portion = balance;
        }
        m_portions[k] = portion;
    }
}

double CMortgageModel::ExtraAt(int k) const {
    return k == m_lumpPeriod - 1 ? m_extraPayment + m_lumpSum : m_extraPayment;
}

int CMortgageModel::PaidPeriods() const {
    int periods = 0;
    while (periods < ScheduleLength() && m_balances[periods] != 0) {
        ++periods;
    }
    return periods;
}

double CMortgageModel::BalanceAt(int i) const {
    if (i < 0 || i >= ScheduleLength()) {
        return kMortgageOutsideSchedule;
    }
    return m_balances[i];
}

double CMortgageModel::PrincipalPortionAt(int i) const {
    if (i < 0 || i >= static_cast<int>(m_portions.size())) {
        return kMortgageOutsideSchedule;
    }
    return m_portions[i];
}

double CMortgageModel::InterestAt(int i) const {
    if (i < 0 || i >= static_cast<int>(m_portions.size())) {
        return kMortgageOutsideSchedule;
    }
    return m_portions[i] == 0 ? 0 : PeriodInterest(m_balances[i]);
}

double CMortgageModel::TotalInterest() const {
    double interest = 0;
    for (double balance : m_balances) {
        interest += PeriodInterest(balance);
    }
    return interest;
}

double CMortgageModel::Total(int kind) const {
    if (m_balances.empty() && kind >= 0 && kind <= 5) {
        return 0; // no calculation, or one without payments
    }
    switch (kind) {
    case 0:
        return m_principal + TotalInterest() + m_term * m_propertyTax * 12 +
               m_paymentCount * m_recurringCosts + m_paymentCount * m_insurance;
    case 1:
        return TotalInterest();
    case 2:
        return m_term * m_propertyTax * 12;
    case 3:
        return m_paymentCount * m_recurringCosts;
    case 4:
        return m_paymentCount * m_insurance;
    case 5:
        return m_downPayment == 0 ? Total(0) : (m_principal - m_downPayment) + TotalInterest();
    default:
        return -1.0;
    }
}
