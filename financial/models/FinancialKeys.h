#pragma once

#include "financial/models/FinancialCalculator.h"

// Registry keys of the financial calculator, below HKEY_CURRENT_USER.

inline constexpr const wchar_t* kFinancialKey = L"SOFTWARE\\Zoq\\Financial";

// Where a calculator's values live: profile 0 is the calculator's own key (read at
// start, written at exit), 1 and 2 are the user's saved profiles. Null for any
// other profile number.
const wchar_t* FinancialRecordKey(Calculator calculator, int profile);
