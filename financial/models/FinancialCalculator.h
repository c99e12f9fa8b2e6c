#pragma once

// The four calculators of the financial program. The numbers follow the order of
// their records (the car loan first); the program's own table of calculators
// (financial/app/PageSteps.h) gives the order of its pages and of its selector.
enum class Calculator { CarLoan, Lease, Mortgage, Tip };
constexpr int kCalculatorCount = 4;
