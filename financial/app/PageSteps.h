#pragma once

#include "financial/models/FinancialCalculator.h"
#include "financial/models/FinancialFields.h"

// What each wizard step of the car loan, lease and mortgage calculators shows: its
// title and, for the five fields 1001-1005, label, unit mark, flags and the model
// value the field edits or shows. The pages draw from these tables and read and
// write the fields through them; the tip page has steps but no fields.

enum class FieldUnit { None, Currency, Percent, Count };

// How a field writes its value: the money text the model writes, cut to cents; the
// model's own text (every digit it has); a number of 12 significant digits; money
// from the value; a whole number.
enum class EFieldForm { MoneyText, ModelText, Number, MoneyValue, Whole };

struct SFieldInfo {
    const wchar_t* label; // nullptr: the step has no field in this slot
    FieldUnit unit;
    int required;
    int readOnly;
    EFinancialField field; // EFinancialField::None exactly when there is no label
    EFieldForm form;
};

struct SStepInfo {
    const wchar_t* title;
    int hasFields; // 0: a step drawn by its page, the fields are hidden
    SFieldInfo fields[5];
};

struct SPageInfo {
    const SStepInfo* steps;
    int stepCount;
};

// The selector's name of a calculator and its two colours (0x00BBGGRR, the top and
// the bottom of its gradients).
struct CalculatorLook {
    const wchar_t* name;
    unsigned top;
    unsigned bottom;
};

// What the program holds for each calculator.
struct SCalculatorInfo {
    Calculator calculator;
    CalculatorLook look;
    int selectorPosition; // "Mortgage", "Tip", "Lease", "Car Loan"
    int pageTemplate;     // the dialog template of its page
    SPageInfo steps;
};

// Every calculator once, in the order the main window makes and visits their pages.
extern const SCalculatorInfo kCalculators[kCalculatorCount];

const SCalculatorInfo& InfoOf(Calculator calculator);
const CalculatorLook& LookOf(Calculator calculator);

// The calculator at a position of the selector (0..3), and back.
Calculator SelectorCalculator(int position);
int SelectorPosition(Calculator calculator);

// Steps of a calculator; the tip page has two steps without fields.
const SPageInfo& StepsOf(Calculator calculator);

// Step `step` of a calculator, or nullptr outside 0 .. stepCount - 1.
const SStepInfo* StepOf(Calculator calculator, int step);

// The text of a unit mark: the currency symbol given, "%", "#" or "".
const wchar_t* UnitMark(FieldUnit unit, const wchar_t* currency);
