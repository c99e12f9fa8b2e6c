#include "financial/app/CarLoanPage.h"

#include "financial/app/FiscoraModels.h"
#include "financial/app/resource.h"

namespace {
enum { kPricing = 0, kFinancing = 1, kTotals = 2 };
}

CCarLoanPage::CCarLoanPage(SPageContext& context)
    : CFieldStepsPage(Calculator::CarLoan, context, IDD_WIZARDPAGE) {}

CCarLoanModel& CCarLoanPage::Model() {
    return m_context.models->carLoan;
}

CFinancialRecordModel& CCarLoanPage::RecordModel() {
    return Model();
}

int CCarLoanPage::TakeStep(int step) {
    if (step == kPricing) {
        TakePricing();
    } else if (step == kFinancing) {
        TakeFinancing();
    }
    return 1;
}

void CCarLoanPage::TakePricing() {
    CCarLoanModel& model = Model();
    model.SetCarPrice(FieldValue(0));
    model.SetSalesTaxRate(FieldValue(1));
    model.SetRegistrationFees(FieldValue(3));
    model.SetOtherFees(FieldValue(4));
    model.Calculate();
}

void CCarLoanPage::TakeFinancing() {
    CCarLoanModel& model = Model();
    model.SetDownPayment(FieldValue(0));
    model.SetRebate(FieldValue(1));
    model.SetTradeIn(FieldValue(2));
    model.SetMonths(FieldInt(3));
    model.SetInterestRate(FieldValue(4));
    model.Calculate();
}

void CCarLoanPage::ShowStep() {
    CCarLoanModel& model = Model();
    switch (m_step) {
    case kPricing:
        ShowMoney(0, [&](wchar_t* t, int c) { model.CarPrice(t, c); });
        SetFieldNumber(1, model.SalesTaxRate());
        ShowMoney(2, [&](wchar_t* t, int c) { model.SalesTax(t, c); });
        ShowMoney(3, [&](wchar_t* t, int c) { model.RegistrationFees(t, c); });
        ShowMoney(4, [&](wchar_t* t, int c) { model.OtherFees(t, c); });
        break;
    case kFinancing:
        ShowMoney(0, [&](wchar_t* t, int c) { model.DownPayment(t, c); });
        ShowMoney(1, [&](wchar_t* t, int c) { model.Rebate(t, c); });
        ShowMoney(2, [&](wchar_t* t, int c) { model.TradeIn(t, c); });
        SetFieldInt(3, model.Months());
        SetFieldNumber(4, model.InterestRate());
        break;
    case kTotals:
        ShowMoney(0, [&](wchar_t* t, int c) { model.AmountBorrowed(t, c); });
        ShowMoney(1, [&](wchar_t* t, int c) { model.TotalInterest(t, c); });
        ShowMoney(2, [&](wchar_t* t, int c) { model.TotalCost(t, c); });
        ShowMoney(3, [&](wchar_t* t, int c) { model.MonthlyPayment(t, c); });
        ShowMoney(4, [&](wchar_t* t, int c) { model.CarPrice(t, c); });
        break;
    default:
        break;
    }
}

void CCarLoanPage::FieldLostFocus(int) {
    if (m_step != kPricing) {
        return;
    }
    TakePricing();
    ShowMoney(2, [&](wchar_t* t, int c) { Model().SalesTax(t, c); });
}
