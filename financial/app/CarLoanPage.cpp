#include "financial/app/CarLoanPage.h"

#include "financial/app/FiscoraModels.h"

namespace {
enum { kPricing = 0 };
}

CCarLoanPage::CCarLoanPage(SPageContext& context) : CFieldStepsPage(Calculator::CarLoan, context) {}

CCarLoanModel& CCarLoanPage::Model() {
    return m_context.models->carLoan;
}

CFinancialRecordModel& CCarLoanPage::RecordModel() {
    return Model();
}

CFinancialFieldModel& CCarLoanPage::FieldModel() {
    return Model();
}

int CCarLoanPage::TakeStep(int step) {
    if (!IsResultStep(step)) {
        TakeFields(step);
        Model().Calculate();
    }
    return 1;
}

// The tax follows the price and rate as they are typed.
void CCarLoanPage::FieldLostFocus(int) {
    if (m_step != kPricing) {
        return;
    }
    TakeStep(kPricing);
    ShowReadOnlyFields();
}
