#include "financial/app/LeasePage.h"

#include "financial/app/FiscoraModels.h"
#include "financial/app/resource.h"

namespace {
enum { kPricing = 0, kLeasing = 1, kPayments = 2, kTotals = 3 };
enum { kInterestField = 3, kMoneyFactorField = 4 };
} // namespace

CLeasePage::CLeasePage(SPageContext& context)
    : CFieldStepsPage(Calculator::Lease, context, IDD_WIZARDPAGE) {}

CLeaseModel& CLeasePage::Model() {
    return m_context.models->lease;
}

CFinancialRecordModel& CLeasePage::RecordModel() {
    return Model();
}

int CLeasePage::TakeStep(int step) {
    if (step == kPricing) {
        TakePricing();
    } else if (step == kLeasing) {
        TakeLeasing();
    }
    return 1;
}

// Rates and the money factor keep every digit the model has.
template <class Getter> void CLeasePage::ShowPlain(int field, Getter getter) {
    m_text[0] = L'\0';
    getter(m_text, kTextCapacity);
    SetFieldText(field, m_text);
}

void CLeasePage::TakePricing() {
    CLeaseModel& model = Model();
    model.SetPrice(FieldValue(0));
    model.SetTaxPercent(FieldValue(1));
    model.SetFees(FieldValue(3));
    model.SetResidual(FieldValue(4));
    model.Calculate();
}

void CLeasePage::TakeLeasing() {
    // Enter and a profile saved from the menu bar leave the focus in the field: a
    // money factor still being typed is taken as its lost focus would take it.
    TakeMoneyFactor();
    CLeaseModel& model = Model();
    model.SetDownPayment(FieldValue(0));
    model.SetTrade(FieldValue(1));
    model.SetMonths(FieldInt(2));
    model.SetInterest(FieldValue(kInterestField));
    model.Calculate();
}

void CLeasePage::ShowMoneyFactor() {
    ShowPlain(kMoneyFactorField, [&](wchar_t* t, int c) { Model().MoneyFactor(t, c); });
}

void CLeasePage::ShowInterest() {
    ShowPlain(kInterestField, [&](wchar_t* t, int c) { Model().Interest(t, c); });
}

void CLeasePage::ShowStep() {
    CLeaseModel& model = Model();
    switch (m_step) {
    case kPricing:
        ShowMoney(0, [&](wchar_t* t, int c) { model.Price(t, c); });
        ShowPlain(1, [&](wchar_t* t, int c) { model.TaxPercent(t, c); });
        ShowMoney(2, [&](wchar_t* t, int c) { model.TotalTax(t, c); });
        ShowMoney(3, [&](wchar_t* t, int c) { model.Fees(t, c); });
        ShowMoney(4, [&](wchar_t* t, int c) { model.Residual(t, c); });
        break;
    case kLeasing:
        ShowMoney(0, [&](wchar_t* t, int c) { model.DownPayment(t, c); });
        ShowMoney(1, [&](wchar_t* t, int c) { model.Trade(t, c); });
        SetFieldInt(2, model.Months());
        ShowInterest();
        ShowMoneyFactor();
        break;
    case kPayments:
        ShowMoney(0, [&](wchar_t* t, int c) { model.TotalPayments(t, c); });
        ShowMoney(1, [&](wchar_t* t, int c) { model.MonthlyPayment(t, c); });
        ShowMoney(2, [&](wchar_t* t, int c) { model.MonthlyDepreciation(t, c); });
        ShowMoney(3, [&](wchar_t* t, int c) { model.MonthlyInterest(t, c); });
        ShowMoney(4, [&](wchar_t* t, int c) { model.MonthlyTax(t, c); });
        break;
    case kTotals:
        ShowMoney(0, [&](wchar_t* t, int c) { model.TotalPayments(t, c); });
        ShowMoney(1, [&](wchar_t* t, int c) { model.TotalDepreciation(t, c); });
        ShowMoney(2, [&](wchar_t* t, int c) { model.TotalInterest(t, c); });
        ShowMoney(3, [&](wchar_t* t, int c) { model.TotalTax(t, c); });
        ShowMoney(4, [&](wchar_t* t, int c) { model.Residual(t, c); });
        break;
    default:
        break;
    }
}

void CLeasePage::FieldLostFocus(int field) {
    if (m_step == kPricing) {
        TakePricing();
        ShowMoney(2, [&](wchar_t* t, int c) { Model().TotalTax(t, c); });
        return;
    }
    if (m_step != kLeasing) {
        return;
    }
    if (field == kInterestField) {
        Model().SetInterest(FieldValue(kInterestField));
        Model().Calculate();
        ShowMoneyFactor();
    } else if (field == kMoneyFactorField) {
        TakeMoneyFactor();
    }
}

// Only a money factor the user typed sets the interest rate: one merely passed
// through would replace the rate with what its twelve shown digits approximate
// (6.5 % came back as 6.49999999999).
void CLeasePage::TakeMoneyFactor() {
    HWND field = Field(kMoneyFactorField);
    if (m_step != kLeasing || !SendMessageW(field, EM_GETMODIFY, 0, 0)) {
        return;
    }
    SendMessageW(field, EM_SETMODIFY, FALSE, 0);
    if (Model().SetMoneyFactor(FieldValue(kMoneyFactorField))) {
        Model().SetInterestFromMoneyFactor();
    }
    ShowInterest();
}
