#include "financial/app/CarLoanPage.h"

namespace {
enum { kPricing = 0 };
}

CCarLoanPage::CCarLoanPage(SPageContext& context) : CModelStepsPage(Calculator::CarLoan, context) {}

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
