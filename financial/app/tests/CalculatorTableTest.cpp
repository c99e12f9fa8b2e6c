#include "financial/app/PageSteps.h"
#include "financial/models/CarLoanModel.h"
#include "financial/models/LeaseModel.h"
#include "financial/models/MortgageModel.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(CalculatorTable, EveryCalculatorOnceAndTheSelectorsOrder) {
    std::set<int> calculators, positions;
    for (const SCalculatorInfo& info : kCalculators) {
        calculators.insert(static_cast<int>(info.calculator));
        positions.insert(info.selectorPosition);
        EXPECT_EQ(&info, &InfoOf(info.calculator));
        EXPECT_EQ(info.calculator, SelectorCalculator(SelectorPosition(info.calculator)));
    }
    EXPECT_EQ(static_cast<size_t>(kCalculatorCount), calculators.size());
    EXPECT_EQ((std::set<int>{0, 1, 2, 3}), positions);
    const struct {
        Calculator calculator;
        const wchar_t* name;
    } selector[] = {{Calculator::Mortgage, L"Mortgage"},
                    {Calculator::Tip, L"Tip"},
                    {Calculator::Lease, L"Lease"},
                    {Calculator::CarLoan, L"Car Loan"}};
    for (int position = 0; position < kCalculatorCount; ++position) {
        SCOPED_TRACE(testing::Message() << "position " << position);
        EXPECT_EQ(selector[position].calculator, SelectorCalculator(position));
        EXPECT_STREQ(selector[position].name, LookOf(SelectorCalculator(position)).name);
    }
}

// Each field slot names a value of its own calculator's model, and a slot the user
// types into names one the model lets the user set.
template <class Model> void ExpectStepsNameModelFields(Calculator calculator) {
    Model model;
    const SPageInfo& page = StepsOf(calculator);
    for (int step = 0; step < page.stepCount; ++step) {
        const SStepInfo& info = page.steps[step];
        for (int slot = 0; info.hasFields && slot < 5; ++slot) {
            SCOPED_TRACE(testing::Message() << "calculator " << static_cast<int>(calculator)
                                            << " step " << step << " slot " << slot);
            const SFieldInfo& field = info.fields[slot];
            EXPECT_EQ(field.label == nullptr, field.field == EFinancialField::None);
            if (!field.label) {
                continue;
            }
            double value = -1;
            ASSERT_EQ(1, model.ReadField(field.field, &value));
            // A real setter takes back what the model holds (counts start at 0, which
            // some refuse: they take 1).
            if (!field.readOnly) {
                const double taken = field.form == EFieldForm::Whole ? 1 : value;
                EXPECT_EQ(1, model.WriteField(field.field, taken));
            }
            // A whole number shows as a count, never as money or a rate.
            if (field.form == EFieldForm::Whole) {
                EXPECT_EQ(FieldUnit::Count, field.unit);
            }
        }
    }
}

TEST(CalculatorTable, StepFieldsNameTheirModelsValues) {
    ExpectStepsNameModelFields<CCarLoanModel>(Calculator::CarLoan);
    ExpectStepsNameModelFields<CLeaseModel>(Calculator::Lease);
    ExpectStepsNameModelFields<CMortgageModel>(Calculator::Mortgage);
    for (int step = 0; step < StepsOf(Calculator::Tip).stepCount; ++step) {
        EXPECT_EQ(0, StepOf(Calculator::Tip, step)->hasFields);
    }
}

} // namespace
