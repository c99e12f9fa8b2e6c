#pragma once

// What each wizard step of the car loan, lease and mortgage calculators shows: its
// title and, for the five fields 1001-1005, label, unit mark and flags. The pages
// draw from these tables; the tip page has steps but no fields.

enum class FieldUnit { None, Currency, Percent, Count };

struct SFieldInfo {
    const wchar_t* label; // nullptr: the step has no field in this slot
    FieldUnit unit;
    int required;
    int readOnly;
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

enum class Calculator { Tip = 0, Lease = 1, Mortgage = 2, CarLoan = 3 };
constexpr int kCalculatorCount = 4;

// The selector's name of a calculator and its two colours (0x00BBGGRR, the top and
// the bottom of its gradients).
struct CalculatorLook {
    const wchar_t* name;
    unsigned top;
    unsigned bottom;
};
const CalculatorLook& LookOf(Calculator calculator);

// The selector's order: "Mortgage", "Tip", "Lease", "Car Loan".
constexpr Calculator kSelectorOrder[kCalculatorCount] = {Calculator::Mortgage, Calculator::Tip,
                                                         Calculator::Lease, Calculator::CarLoan};

// Steps of a calculator; the tip page has two steps without fields.
const SPageInfo& StepsOf(Calculator calculator);

// Step `step` of a calculator, or nullptr outside 0 .. stepCount - 1.
const SStepInfo* StepOf(Calculator calculator, int step);

// The text of a unit mark: the currency symbol given, "%", "#" or "".
const wchar_t* UnitMark(FieldUnit unit, const wchar_t* currency);
