#include "financial/app/FieldStepsPage.h"

#include "financial/app/FiscoraModels.h"
#include "financial/models/FinancialFields.h"

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

// ---------------------------------------------------------------- fields

void CFieldStepsPage::ShowFields() {
    const SStepInfo* step = StepOf(m_calculator, m_step);
    for (int slot = 0; step && step->hasFields && slot < kFieldCount; ++slot) {
        ShowSlot(slot, step->fields[slot]);
    }
}

void CFieldStepsPage::ShowReadOnlyFields() {
    const SStepInfo* step = StepOf(m_calculator, m_step);
    for (int slot = 0; step && step->hasFields && slot < kFieldCount; ++slot) {
        if (step->fields[slot].readOnly) {
            ShowSlot(slot, step->fields[slot]);
        }
    }
}

void CFieldStepsPage::ShowField(EFinancialField field) {
    const int slot = SlotOf(field);
    if (slot >= 0) {
        ShowSlot(slot, StepOf(m_calculator, m_step)->fields[slot]);
    }
}

int CFieldStepsPage::SlotOf(EFinancialField field) const {
    const SStepInfo* step = StepOf(m_calculator, m_step);
    for (int slot = 0; step && step->hasFields && slot < kFieldCount; ++slot) {
        if (field != EFinancialField::None && step->fields[slot].field == field) {
            return slot;
        }
    }
    return -1;
}

void CFieldStepsPage::ShowSlot(int slot, const SFieldInfo& field) {
    if (field.field == EFinancialField::None) {
        return;
    }
    double value = 0;
    // The getters leave the buffer alone for a value they cannot show; start empty
    // so that a field never shows the text of another.
    m_text[0] = L'\0';
    const CFinancialFieldModel& model = FieldModel();
    switch (field.form) {
    case EFieldForm::MoneyText:
        model.ReadField(field.field, &value, m_text, kTextCapacity);
        SetFieldMoney(slot, m_text);
        break;
    case EFieldForm::ModelText:
        model.ReadField(field.field, &value, m_text, kTextCapacity);
        SetFieldText(slot, m_text);
        break;
    case EFieldForm::Number:
        model.ReadField(field.field, &value);
        SetFieldNumber(slot, value);
        break;
    case EFieldForm::MoneyValue:
        model.ReadField(field.field, &value);
        SetFieldMoneyValue(slot, value);
        break;
    case EFieldForm::Whole:
        model.ReadField(field.field, &value);
        SetFieldInt(slot, WholeFieldValue(value));
        break;
    }
}

void CFieldStepsPage::TakeFields(int step) {
    const SStepInfo* info = StepOf(m_calculator, step);
    for (int slot = 0; info && info->hasFields && slot < kFieldCount; ++slot) {
        const SFieldInfo& field = info->fields[slot];
        if (field.field != EFinancialField::None && !field.readOnly) {
            TakeField(slot, field);
        }
    }
}

// A value the model refuses leaves its value as it was.
void CFieldStepsPage::TakeField(int slot, const SFieldInfo& field) {
    const double value = field.form == EFieldForm::Whole ? FieldInt(slot) : FieldValue(slot);
    FieldModel().WriteField(field.field, value);
}
