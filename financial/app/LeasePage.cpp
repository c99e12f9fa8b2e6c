#include "financial/app/LeasePage.h"

namespace {
enum { kPricing = 0, kLeasing = 1 };
} // namespace

CLeasePage::CLeasePage(SPageContext& context) : CModelStepsPage(Calculator::Lease, context) {}

int CLeasePage::TakeStep(int step) {
    if (IsResultStep(step)) {
        return 1;
    }
    // Enter and a profile saved from the menu bar leave the focus in the field: a
    // money factor still being typed is taken as its lost focus would take it.
    TakeMoneyFactor();
    TakeFields(step);
    Model().Calculate();
    return 1;
}

// The money factor sets the interest only when the user typed it (TakeMoneyFactor).
void CLeasePage::TakeField(int slot, const SFieldInfo& field) {
    if (field.field != EFinancialField::LeaseMoneyFactor) {
        CFieldStepsPage::TakeField(slot, field);
    }
}

void CLeasePage::FieldLostFocus(int field) {
    if (m_step == kPricing) {
        TakeStep(kPricing);
        ShowReadOnlyFields();
        return;
    }
    if (m_step != kLeasing) {
        return;
    }
    if (field == SlotOf(EFinancialField::LeaseInterest)) {
        Model().SetInterest(FieldValue(field));
        Model().Calculate();
        ShowField(EFinancialField::LeaseMoneyFactor);
    } else if (field == SlotOf(EFinancialField::LeaseMoneyFactor)) {
        TakeMoneyFactor();
    }
}

// Only a money factor the user typed sets the interest rate: one merely passed
// through would replace the rate with what its twelve shown digits approximate
// (6.5 % came back as 6.49999999999).
void CLeasePage::TakeMoneyFactor() {
    const int slot = SlotOf(EFinancialField::LeaseMoneyFactor);
    if (slot < 0 || !SendMessageW(Field(slot), EM_GETMODIFY, 0, 0)) {
        return;
    }
    SendMessageW(Field(slot), EM_SETMODIFY, FALSE, 0);
    if (Model().SetMoneyFactor(FieldValue(slot))) {
        Model().SetInterestFromMoneyFactor();
    }
    ShowField(EFinancialField::LeaseInterest);
}
