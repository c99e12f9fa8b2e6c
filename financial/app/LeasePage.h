#pragma once

#include "financial/app/FieldStepsPage.h"

class CLeaseModel;

// The lease wizard: "PRICING", "LEASING", "PAYMENTS", "TOTALS".
class CLeasePage : public CFieldStepsPage {
public:
    explicit CLeasePage(SPageContext& context);

protected:
    void FieldLostFocus(int field) override;

private:
    CLeaseModel& Model();
    CFinancialRecordModel& RecordModel() override;
    int TakeStep(int step) override;
    void TakePricing();
    void TakeLeasing();
    void TakeMoneyFactor();
    void ShowStep() override;
    void ShowMoneyFactor();
    void ShowInterest();
    template <class Getter> void ShowPlain(int field, Getter getter);
};
