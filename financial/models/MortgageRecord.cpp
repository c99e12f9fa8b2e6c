#include "financial/models/FinancialRecord.h"
#include "financial/models/MortgageModel.h"

namespace {

bool IsRateFraction(double value) {
    return value >= 0 && value <= 1;
}
bool IsMonthlyRateFraction(double value) {
    return value >= 0 && value <= 0.08333333333333333;
}
bool IsPercent(double value) {
    return value >= 0 && value <= 100;
}

} // namespace

// One listing of the record, in the stored order, for both writing and reading.
// The rules accept what the setters accept plus the reset values a cleared
// profile holds.
template <class Self, class Visitor> void CMortgageModel::VisitRecord(Self& self, Visitor& v) {
    // The schedule arrays are rebuilt by every calculation and never read back;
    // the record keeps the first payment's principal portion and balance.
    v.WriteOnlyDouble(L"PrinciplePerMonth", self.ScheduleLength() > 0 ? self.m_portions[0] : 0);
    v.WriteOnlyDouble(L"PrincipleRemaining", self.ScheduleLength() > 0 ? self.m_balances[0] : 0);
    int taken = v.Int(L"UsePoints", self.m_usePoints, IsFlag);
    const int principalTaken = v.Double(L"Principle", self.m_principal, IsNonNegative);
    v.Double(L"InterestRate", self.m_annualRate, IsRateFraction);
    taken += principalTaken;
    taken += v.Int(L"Term", self.m_term, [](int years) { return years >= 0 && years <= 30; });
    v.Double(L"FractionalInterest", self.m_monthlyRate, IsMonthlyRateFraction);
    v.Double(L"PaymentAmount", self.m_payment, IsAnyValue);
    v.Int(L"Payments", self.m_paymentCount,
          [](int count) { return count >= 0 && count <= kMaxMortgagePayments; });
    v.Double(L"MonthlyPropertyTaxes", self.m_propertyTax, IsNonNegative);
    v.Double(L"MortgageInsurancePerMonth", self.m_insurance, IsNonNegative);
    v.Double(L"OtherRecurringCostsPerMonth", self.m_recurringCosts, IsNonNegative);
    v.Int(L"PointsPurchased", self.m_points, [](int points) { return points >= 0; });
    v.Double(L"InterestRateWithPoints", self.m_annualRateWithPoints, IsRateFraction);
    v.Double(L"CostForsPoint", self.m_costOfPoints, IsNonNegative);
    v.Double(L"AdjustedFractionalInterest", self.m_monthlyRateWithPoints, IsMonthlyRateFraction);
    // The principal has been read by now, so a down payment is checked against the
    // principal it belongs with, when that was stored intact.
    v.Double(L"DownPayment", self.m_downPayment, [&self, principalTaken](double amount) {
        return amount == 0 || (amount > 0 && (!principalTaken || amount < self.m_principal));
    });
    v.Double(L"CostForsPointPercent", self.m_costPerPoint, IsPercent);
    taken += v.Int(L"CanadianMortgage", self.m_canadian, IsFlag);
    taken += v.Int(L"PaymentIndex", self.m_schedule, IsMortgageSchedule);
    // A record none of whose loan values could be taken, or one that is not there at
    // all, leaves the extra payments as they were.
    if (taken == 0) {
        return;
    }
    // Appended after the values older records end with, so those still load; a record
    // written before extra payments existed means none.
    const auto withinLoan = NotAboveNeighbour(IsNonNegative, self.m_principal, principalTaken);
    v.AppendedDouble(L"ExtraPaymentPerPeriod", self.m_extraPayment, 0.0, withinLoan);
    v.AppendedDouble(L"LumpSum", self.m_lumpSum, 0.0, withinLoan);
    v.AppendedInt(L"LumpSumPeriod", self.m_lumpPeriod, 0,
                  [](int period) { return period >= 0 && period <= kMaxMortgagePayments; });
}

template class CFinancialRecordOf<CMortgageModel>;
