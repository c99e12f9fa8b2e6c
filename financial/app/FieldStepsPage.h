#pragma once

#include "financial/app/WizardPage.h"

class CFinancialRecordModel;

// The wizard of the car loan, lease and mortgage pages: "Next" takes the values typed
// on the step over into the model, every step shown is filled from the model, and a
// profile is saved from and loaded into that model.
class CFieldStepsPage : public CWizardPage {
public:
    using CWizardPage::CWizardPage;

    int Next() override;
    int Back() override;
    void Init() override;
    void SaveProfile(int profile) override;
    void LoadProfile(int profile) override;
    void TakeTypedValues() override;

protected:
    virtual CFinancialRecordModel& RecordModel() = 0;
    // Takes the fields of an input step into the model; 0 when they are refused and
    // the page stays where it is.
    virtual int TakeStep(int step) = 0;
    // Tells the user why "Next" refused the step.
    virtual void StepRefused(int) {}
    // Fills the fields of the current step from the model.
    virtual void ShowStep() = 0;

    // A model text for a money field; a value the model cannot show leaves it empty.
    template <class Getter> void ShowMoney(int field, Getter getter) {
        // The getters leave the buffer alone for a value they cannot show; start empty
        // so that a field never shows the text of another.
        m_text[0] = L'\0';
        getter(m_text, kTextCapacity);
        SetFieldMoney(field, m_text);
    }
};
