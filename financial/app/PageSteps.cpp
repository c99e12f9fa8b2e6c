#include "financial/app/PageSteps.h"

#include "financial/app/resource.h"

namespace {

using F = EFinancialField;
constexpr FieldUnit kMoney = FieldUnit::Currency;
constexpr FieldUnit kPercent = FieldUnit::Percent;
constexpr FieldUnit kCount = FieldUnit::Count;
constexpr EFieldForm kMoneyText = EFieldForm::MoneyText;
constexpr EFieldForm kModelText = EFieldForm::ModelText;
constexpr EFieldForm kNumber = EFieldForm::Number;
constexpr EFieldForm kMoneyValue = EFieldForm::MoneyValue;
constexpr EFieldForm kWhole = EFieldForm::Whole;

const SStepInfo kCarLoanSteps[] = {
    {L"PRICING",
     1,
     {{L"Car Price", kMoney, 1, 0, F::CarPrice, kMoneyText},
      {L"Sale Tax %", kPercent, 0, 0, F::CarSalesTaxRate, kNumber},
      {L"Tax", kMoney, 0, 1, F::CarSalesTax, kMoneyText},
      {L"Registration Fees", kMoney, 0, 0, F::CarRegistrationFees, kMoneyText},
      {L"Other Fees", kMoney, 0, 0, F::CarOtherFees, kMoneyText}}},
    {L"FINANCING",
     1,
     {{L"Down Payment", kMoney, 0, 0, F::CarDownPayment, kMoneyText},
      {L"Rebate", kMoney, 0, 0, F::CarRebate, kMoneyText},
      {L"Trade In", kMoney, 0, 0, F::CarTradeIn, kMoneyText},
      {L"# of Months", kCount, 1, 0, F::CarMonths, kWhole},
      {L"Interest Rate", kPercent, 1, 0, F::CarInterestRate, kNumber}}},
    {L"TOTALS",
     1,
     {{L"Amount Borrowed", kMoney, 0, 1, F::CarAmountBorrowed, kMoneyText},
      {L"Total Interest", kMoney, 0, 1, F::CarTotalInterest, kMoneyText},
      {L"Total Cost", kMoney, 0, 1, F::CarTotalCost, kMoneyText},
      {L"Monthly Payments", kMoney, 0, 1, F::CarMonthlyPayment, kMoneyText},
      {L"Orig. Car Price", kMoney, 0, 1, F::CarPrice, kMoneyText}}},
};

// The money factor is a plain ratio (interest / 2400), so it carries the count mark.
// Rates and the money factor show every digit the model has.
const SStepInfo kLeaseSteps[] = {
    {L"PRICING",
     1,
     {{L"Price", kMoney, 1, 0, F::LeasePrice, kMoneyText},
      {L"Sale Tax %", kPercent, 0, 0, F::LeaseTaxPercent, kModelText},
      {L"Tax", kMoney, 0, 1, F::LeaseTotalTax, kMoneyText},
      {L"Additional Fees", kMoney, 0, 0, F::LeaseFees, kMoneyText},
      {L"Residual Price", kMoney, 0, 0, F::LeaseResidual, kMoneyText}}},
    {L"LEASING",
     1,
     {{L"Down Payment", kMoney, 0, 0, F::LeaseDownPayment, kMoneyText},
      {L"Trade In", kMoney, 0, 0, F::LeaseTrade, kMoneyText},
      {L"# of Months", kCount, 1, 0, F::LeaseMonths, kWhole},
      {L"Interest Rate", kPercent, 1, 0, F::LeaseInterest, kModelText},
      {L"Money Factor", kCount, 1, 0, F::LeaseMoneyFactor, kModelText}}},
    {L"PAYMENTS",
     1,
     {{L"Total Payments", kMoney, 0, 1, F::LeaseTotalPayments, kMoneyText},
      {L"Monthly (Inc Tax)", kMoney, 0, 1, F::LeaseMonthlyPayment, kMoneyText},
      {L"Depreciation", kMoney, 0, 1, F::LeaseMonthlyDepreciation, kMoneyText},
      {L"Interest", kMoney, 0, 1, F::LeaseMonthlyInterest, kMoneyText},
      {L"Tax", kMoney, 0, 1, F::LeaseMonthlyTax, kMoneyText}}},
    {L"TOTALS",
     1,
     {{L"Total Payments", kMoney, 0, 1, F::LeaseTotalPayments, kMoneyText},
      {L"Depreciation", kMoney, 0, 1, F::LeaseTotalDepreciation, kMoneyText},
      {L"Interest", kMoney, 0, 1, F::LeaseTotalInterest, kMoneyText},
      {L"Tax", kMoney, 0, 1, F::LeaseTotalTax, kMoneyText},
      {L"Residual Amount", kMoney, 0, 1, F::LeaseResidual, kMoneyText}}},
};

// The model's rates are fractions; the fields show percentages.
const SStepInfo kMortgageSteps[] = {
    {L"MORTGAGE",
     1,
     {{L"Principle", kMoney, 1, 0, F::MortgagePrincipal, kMoneyValue},
      {L"Term (Years)", kCount, 1, 0, F::MortgageTerm, kWhole},
      {L"Interest", kPercent, 1, 0, F::MortgageInterestRate, kNumber},
      {L"Points Purchased", kCount, 0, 0, F::MortgagePoints, kWhole},
      {L"Interest w Points (%)", kPercent, 0, 0, F::MortgageRateWithPoints, kNumber}}},
    {L"ADDITIONAL COSTS",
     1,
     {{L"Down Payment", kMoney, 0, 0, F::MortgageDownPayment, kMoneyValue},
      {L"Monthly Insurance", kMoney, 0, 0, F::MortgageInsurance, kMoneyValue},
      {L"Recurring Costs", kMoney, 0, 0, F::MortgageRecurringCosts, kMoneyValue},
      {L"Monthly Property Tax", kMoney, 0, 0, F::MortgagePropertyTax, kMoneyValue},
      {L"Principle", kMoney, 0, 1, F::MortgagePrincipal, kMoneyValue}}},
    // Paid on top of the schedule's payments; the lump sum once, with the payment
    // of the given number.
    {L"EXTRA PAYMENTS",
     1,
     {{L"Extra per Payment", kMoney, 0, 0, F::MortgageExtraPayment, kMoneyValue},
      {L"Lump Sum", kMoney, 0, 0, F::MortgageLumpSum, kMoneyValue},
      {L"Lump Sum at Payment", kCount, 0, 0, F::MortgageLumpSumPeriod, kWhole},
      {L"Principle", kMoney, 0, 1, F::MortgagePrincipal, kMoneyValue},
      {nullptr, FieldUnit::None, 0, 0, F::None, kWhole}}},
    {L"RESULTS", 0, {}},
};

const SStepInfo kTipSteps[] = {
    {L"BILL AMOUNT", 0, {}},
    {L"TIP", 0, {}},
};

constexpr unsigned Rgb(unsigned red, unsigned green, unsigned blue) {
    return red | green << 8 | blue << 16;
}

template <int N> constexpr SPageInfo Steps(const SStepInfo (&steps)[N]) {
    return SPageInfo{steps, N};
}

} // namespace

const SCalculatorInfo kCalculators[kCalculatorCount] = {
    {Calculator::Tip, {L"Tip", Rgb(0, 210, 0), Rgb(0, 80, 0)}, 1, IDD_TIPPAGE, Steps(kTipSteps)},
    {Calculator::Lease,
     {L"Lease", Rgb(0, 128, 224), Rgb(0, 0, 80)},
     2,
     IDD_WIZARDPAGE,
     Steps(kLeaseSteps)},
    {Calculator::Mortgage,
     {L"Mortgage", Rgb(255, 0, 0), Rgb(80, 0, 0)},
     0,
     IDD_WIZARDPAGE,
     Steps(kMortgageSteps)},
    {Calculator::CarLoan,
     {L"Car Loan", Rgb(255, 255, 0), Rgb(128, 80, 0)},
     3,
     IDD_WIZARDPAGE,
     Steps(kCarLoanSteps)},
};

const SCalculatorInfo& InfoOf(Calculator calculator) {
    for (const SCalculatorInfo& info : kCalculators) {
        if (info.calculator == calculator) {
            return info;
        }
    }
    return kCalculators[0];
}

const CalculatorLook& LookOf(Calculator calculator) {
    return InfoOf(calculator).look;
}

Calculator SelectorCalculator(int position) {
    for (const SCalculatorInfo& info : kCalculators) {
        if (info.selectorPosition == position) {
            return info.calculator;
        }
    }
    return kCalculators[0].calculator;
}

int SelectorPosition(Calculator calculator) {
    return InfoOf(calculator).selectorPosition;
}

const SPageInfo& StepsOf(Calculator calculator) {
    return InfoOf(calculator).steps;
}

const SStepInfo* StepOf(Calculator calculator, int step) {
    const SPageInfo& page = StepsOf(calculator);
    if (step < 0 || step >= page.stepCount) {
        return nullptr;
    }
    return &page.steps[step];
}

const wchar_t* UnitMark(FieldUnit unit, const wchar_t* currency) {
    switch (unit) {
    case FieldUnit::Currency:
        return currency ? currency : L"";
    case FieldUnit::Percent:
        return L"%";
    case FieldUnit::Count:
        return L"#";
    case FieldUnit::None:
        break;
    }
    return L"";
}
