#pragma once

#include "financial/app/FieldStepsPage.h"

class CCarLoanModel;

// The car loan wizard: "PRICING", "FINANCING", "TOTALS".
class CCarLoanPage : public CFieldStepsPage {
public:
    explicit CCarLoanPage(SPageContext& context);

protected:
    void FieldLostFocus(int field) override;

private:
    CCarLoanModel& Model();
    CFinancialRecordModel& RecordModel() override;
    CFinancialFieldModel& FieldModel() override;
    int TakeStep(int step) override;
};
