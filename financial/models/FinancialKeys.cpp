#include "financial/models/FinancialKeys.h"

const wchar_t* FinancialRecordKey(Calculator calculator, int profile) {
    // Indexed by Calculator.
    static const wchar_t* const keys[kCalculatorCount][3] = {
        {L"SOFTWARE\\Zoq\\Financial\\CarLoan", L"SOFTWARE\\Zoq\\Financial\\CarLoan\\Profile1",
         L"SOFTWARE\\Zoq\\Financial\\CarLoan\\Profile2"},
        {L"SOFTWARE\\Zoq\\Financial\\Lease", L"SOFTWARE\\Zoq\\Financial\\Lease\\Profile1",
         L"SOFTWARE\\Zoq\\Financial\\Lease\\Profile2"},
        {L"SOFTWARE\\Zoq\\Financial\\Mortgage", L"SOFTWARE\\Zoq\\Financial\\Mortgage\\Profile1",
         L"SOFTWARE\\Zoq\\Financial\\Mortgage\\Profile2"},
        {L"SOFTWARE\\Zoq\\Financial\\Tip", L"SOFTWARE\\Zoq\\Financial\\Tip\\Profile1",
         L"SOFTWARE\\Zoq\\Financial\\Tip\\Profile2"},
    };
    const int index = static_cast<int>(calculator);
    if (index < 0 || index >= kCalculatorCount || profile < 0 || profile > 2) {
        return nullptr;
    }
    return keys[index][profile];
}
