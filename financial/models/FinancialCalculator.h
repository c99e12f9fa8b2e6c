#pragma once

// The four calculators of the financial program. Their numbers index the table of
// registry keys; the program's table of calculators (financial/app/PageSteps.h)
// gives the order of its pages and of its selector.
enum class Calculator { CarLoan, Lease, Mortgage, Tip };
constexpr int kCalculatorCount = 4;
