#pragma once

#include "financial/app/ModelStepsPage.h"

// The lease wizard: "PRICING", "LEASING", "PAYMENTS", "TOTALS".
class CLeasePage : public CModelStepsPage<CLeaseModel, &CFiscoraModels::lease> {
public:
    explicit CLeasePage(SPageContext& context);

protected:
    void FieldLostFocus(int field) override;
    void TakeField(int slot, const SFieldInfo& field) override;

private:
    int TakeStep(int step) override;
    void TakeMoneyFactor();
};
