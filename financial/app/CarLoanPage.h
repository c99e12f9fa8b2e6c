#pragma once

#include "financial/app/ModelStepsPage.h"

// The car loan wizard: "PRICING", "FINANCING", "TOTALS".
class CCarLoanPage : public CModelStepsPage<CCarLoanModel, &CFiscoraModels::carLoan> {
public:
    explicit CCarLoanPage(SPageContext& context);

protected:
    void FieldLostFocus(int field) override;

private:
    int TakeStep(int step) override;
};
