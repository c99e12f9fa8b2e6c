#include "financial/app/FieldStepsPage.h"

#include "financial/app/FiscoraModels.h"

int CFieldStepsPage::Next() {
    if (!TakeStep(m_step)) {
        StepRefused(m_step);
        return 0;
    }
    if (!CWizardPage::Next()) {
        return 0;
    }
    ShowStep();
    return 1;
}

int CFieldStepsPage::Back() {
    if (!CWizardPage::Back()) {
        return 0;
    }
    // The fields still hold the step that was left: show this step's values again.
    ShowStep();
    return 1;
}

void CFieldStepsPage::Init() {
    CWizardPage::Init();
    ShowStep();
}

void CFieldStepsPage::SaveProfile(int profile) {
    // Values typed on an input step but not yet confirmed are taken over by a round
    // trip through "Next" and "Back"; a result step has nothing to take over.
    if (!IsResultStep(m_step) && Next()) {
        Back();
    }
    RecordModel().SaveProfile(m_context.models->Store(), profile);
}

void CFieldStepsPage::TakeTypedValues() {
    // Only a step the user typed on: taking back what the page shows would cut the
    // model's values to the digits shown.
    if (!IsResultStep(m_step) && FieldsTyped()) {
        TakeStep(m_step);
    }
}

void CFieldStepsPage::LoadProfile(int profile) {
    RecordModel().LoadProfile(m_context.models->Store(), profile);
    GoToStep(0); // a loaded profile starts over at the first step
    ShowStep();
}
