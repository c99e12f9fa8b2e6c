#pragma once

#include "financial/app/WizardPage.h"

class CFinancialRecordModel;

// The wizard of the car loan, lease and mortgage pages: "Next" takes the values typed
// on the step over into the model, every step shown is filled from the model, and a
// profile is saved from and loaded into that model. Which model value each field
// shows and edits, and how it writes it, comes from the step's table.
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
    virtual CFinancialFieldModel& FieldModel() = 0;
    // Takes the fields of an input step into the model; 0 when they are refused and
    // the page stays where it is.
    virtual int TakeStep(int step) = 0;
    // Tells the user why "Next" refused the step.
    virtual void StepRefused(int) {}
    // Fills the fields of the current step from the model.
    virtual void ShowStep() { ShowFields(); }

    // Every field of the current step, filled from the model.
    void ShowFields();
    // The read-only fields of the current step: what the model worked out.
    void ShowReadOnlyFields();
    // The field of the current step that shows `field`; none, nothing happens.
    void ShowField(EFinancialField field);
    // What is typed into each field of step `step` the user may edit, into the model
    // in the table's order; the caller then has the model calculate.
    void TakeFields(int step);
    // One field of a step into the model.
    virtual void TakeField(int slot, const SFieldInfo& field);
    // The slot of the current step's field that shows `field`, or -1.
    int SlotOf(EFinancialField field) const;

private:
    void ShowSlot(int slot, const SFieldInfo& field);
};
