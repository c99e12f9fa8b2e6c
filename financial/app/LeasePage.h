#pragma once

#include "financial/app/WizardPage.h"

class CLeaseModel;

// The lease wizard: "PRICING", "LEASING", "PAYMENTS", "TOTALS".
class CLeasePage : public WizardPage {
public:
    explicit CLeasePage(SPageContext& context);

    int Next() override;
    int Back() override;
    void Init() override;
    void SaveProfile(int profile) override;
    void LoadProfile(int profile) override;

protected:
    void FieldLostFocus(int field) override;

private:
    CLeaseModel& Model();
    void TakePricing();
    void TakeLeasing();
    void ShowStep();
    void ShowMoneyFactor();
    void ShowInterest();
    template <class Getter> void ShowMoney(int field, Getter getter);
    template <class Getter> void ShowPlain(int field, Getter getter);
};
