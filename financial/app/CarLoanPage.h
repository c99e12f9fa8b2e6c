#pragma once

#include "financial/app/WizardPage.h"

class CCarLoanModel;

// The car loan wizard: "PRICING", "FINANCING", "TOTALS".
class CCarLoanPage : public WizardPage {
public:
    explicit CCarLoanPage(SPageContext& context);

    int Next() override;
    int Back() override;
    void Init() override;
    void SaveProfile(int profile) override;
    void LoadProfile(int profile) override;

protected:
    void FieldLostFocus(int field) override;

private:
    CCarLoanModel& Model();
    void TakePricing();
    void TakeFinancing();
    void ShowStep();
    // A model text for a money field; a value the model cannot show leaves it empty.
    template <class Getter> void ShowMoney(int field, Getter getter);
};
