#pragma once

#include <string>

// The amortization schedule as the list shows it and as it is copied or exported.
struct SAmortizationRow {
    double balance;   // owed before the payment
    double interest;  // interest part of the payment
    double principal; // principal part of the payment
};

// One payment's row: the interest part is what the payment leaves after the
// principal portion; a payment without principal portion (past the end of the loan)
// carries no interest either.
SAmortizationRow MakeAmortizationRow(double payment, double balance, double principalPortion);

constexpr int kScheduleCellChars = 32;
constexpr int kScheduleColumns = 4;

// The four cells of payment `number` (counted from 1): number, balance, interest,
// principal, money with two decimals.
void ScheduleCells(int number, const SAmortizationRow& row,
                   wchar_t cells[kScheduleColumns][kScheduleCellChars]);

// The whole schedule as text: a header line, then one line per payment, cells
// joined by `separator`, lines ended by CR LF.
std::wstring ScheduleText(const SAmortizationRow* rows, int count, wchar_t separator);

// The same text in 8-bit form for a file (every character of it is ASCII).
std::string ScheduleCsv(const SAmortizationRow* rows, int count);
