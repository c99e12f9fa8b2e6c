#pragma once

#include "financial/app/FieldStepsPage.h"

class CLeaseModel;

// The lease wizard: "PRICING", "LEASING", "PAYMENTS", "TOTALS".
class CLeasePage : public CFieldStepsPage {
public:
    explicit CLeasePage(SPageContext& context);

protected:
    void FieldLostFocus(int field) override;
    void TakeField(int slot, const SFieldInfo& field) override;

private:
    CLeaseModel& Model();
    CFinancialRecordModel& RecordModel() override;
    CFinancialFieldModel& FieldModel() override;
    int TakeStep(int step) override;
    void TakeMoneyFactor();
};
