#include "financial/app/PageSteps.h"

namespace {

constexpr FieldUnit kMoney = FieldUnit::Currency;
constexpr FieldUnit kPercent = FieldUnit::Percent;
constexpr FieldUnit kCount = FieldUnit::Count;

const SStepInfo kCarLoanSteps[] = {
    {L"PRICING",
     1,
     {{L"Car Price", kMoney, 1, 0},
      {L"Sale Tax %", kPercent, 0, 0},
      {L"Tax", kMoney, 0, 1},
      {L"Registration Fees", kMoney, 0, 0},
      {L"Other Fees", kMoney, 0, 0}}},
    {L"FINANCING",
     1,
     {{L"Down Payment", kMoney, 0, 0},
      {L"Rebate", kMoney, 0, 0},
      {L"Trade In", kMoney, 0, 0},
      {L"# of Months", kCount, 1, 0},
      {L"Interest Rate", kPercent, 1, 0}}},
    {L"TOTALS",
     1,
     {{L"Amount Borrowed", kMoney, 0, 1},
      {L"Total Interest", kMoney, 0, 1},
      {L"Total Cost", kMoney, 0, 1},
      {L"Monthly Payments", kMoney, 0, 1},
      {L"Orig. Car Price", kMoney, 0, 1}}},
};

// The money factor is a plain ratio (interest / 2400), so it carries the count mark.
const SStepInfo kLeaseSteps[] = {
    {L"PRICING",
     1,
     {{L"Price", kMoney, 1, 0},
      {L"Sale Tax %", kPercent, 0, 0},
      {L"Tax", kMoney, 0, 1},
      {L"Additional Fees", kMoney, 0, 0},
      {L"Residual Price", kMoney, 0, 0}}},
    {L"LEASING",
     1,
     {{L"Down Payment", kMoney, 0, 0},
      {L"Trade In", kMoney, 0, 0},
      {L"# of Months", kCount, 1, 0},
      {L"Interest Rate", kPercent, 1, 0},
      {L"Money Factor", kCount, 1, 0}}},
    {L"PAYMENTS",
     1,
     {{L"Total Payments", kMoney, 0, 1},
      {L"Monthly (Inc Tax)", kMoney, 0, 1},
      {L"Depreciation", kMoney, 0, 1},
      {L"Interest", kMoney, 0, 1},
      {L"Tax", kMoney, 0, 1}}},
    {L"TOTALS",
     1,
     {{L"Total Payments", kMoney, 0, 1},
      {L"Depreciation", kMoney, 0, 1},
      {L"Interest", kMoney, 0, 1},
      {L"Tax", kMoney, 0, 1},
      {L"Residual Amount", kMoney, 0, 1}}},
};

const SStepInfo kMortgageSteps[] = {
    {L"MORTGAGE",
     1,
     {{L"Principle", kMoney, 1, 0},
      {L"Term (Years)", kCount, 1, 0},
      {L"Interest", kPercent, 1, 0},
      {L"Points Purchased", kCount, 0, 0},
      {L"Interest w Points (%)", kPercent, 0, 0}}},
    {L"ADDITIONAL COSTS",
     1,
     {{L"Down Payment", kMoney, 0, 0},
      {L"Monthly Insurance", kMoney, 0, 0},
      {L"Recurring Costs", kMoney, 0, 0},
      {L"Monthly Property Tax", kMoney, 0, 0},
      {L"Principle", kMoney, 0, 1}}},
    // Paid on top of the schedule's payments; the lump sum once, with the payment
    // of the given number.
    {L"EXTRA PAYMENTS",
     1,
     {{L"Extra per Payment", kMoney, 0, 0},
      {L"Lump Sum", kMoney, 0, 0},
      {L"Lump Sum at Payment", kCount, 0, 0},
      {L"Principle", kMoney, 0, 1},
      {nullptr, FieldUnit::None, 0, 0}}},
    {L"RESULTS", 0, {}},
};

const SStepInfo kTipSteps[] = {
    {L"BILL AMOUNT", 0, {}},
    {L"TIP", 0, {}},
};

const SPageInfo kPages[kCalculatorCount] = {
    {kTipSteps, 2},
    {kLeaseSteps, 4},
    {kMortgageSteps, 4},
    {kCarLoanSteps, 3},
};

constexpr unsigned Rgb(unsigned red, unsigned green, unsigned blue) {
    return red | green << 8 | blue << 16;
}

// Indexed by Calculator: tip, lease, mortgage, car loan.
const CalculatorLook kLooks[kCalculatorCount] = {
    {L"Tip", Rgb(0, 210, 0), Rgb(0, 80, 0)},
    {L"Lease", Rgb(0, 128, 224), Rgb(0, 0, 80)},
    {L"Mortgage", Rgb(255, 0, 0), Rgb(80, 0, 0)},
    {L"Car Loan", Rgb(255, 255, 0), Rgb(128, 80, 0)},
};

} // namespace

const CalculatorLook& LookOf(Calculator calculator) {
    return kLooks[static_cast<int>(calculator)];
}

const SPageInfo& StepsOf(Calculator calculator) {
    return kPages[static_cast<int>(calculator)];
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
