#pragma once

#include "financial/app/FieldStepsPage.h"
#include "financial/app/FiscoraModels.h"

// The wizard page of one calculator of the run: `member` names its model, which is both
// the record its profiles are saved to and loaded from and the model its fields edit.
template <class TModel, TModel CFiscoraModels::*member>
class CModelStepsPage : public CFieldStepsPage {
public:
    CModelStepsPage(Calculator calculator, SPageContext& context)
        : CFieldStepsPage(calculator, context) {}

protected:
    TModel& Model() { return m_context.models->*member; }

private:
    CFinancialRecordModel& RecordModel() override { return Model(); }
    CFinancialFieldModel& FieldModel() override { return Model(); }
};
