#include "financial/app/ScheduleText.h"

#include "financial/app/MoneyText.h"

#include <cstdio>

SAmortizationRow MakeAmortizationRow(double payment, double balance, double principalPortion) {
    double interest = principalPortion == 0.0 ? 0.0 : payment - principalPortion;
    return {balance, interest, principalPortion};
}

void ScheduleCells(int number, const SAmortizationRow& row,
                   wchar_t cells[kScheduleColumns][kScheduleCellChars]) {
    swprintf(cells[0], kScheduleCellChars, L"%i", number);
    FormatCents(row.balance, cells[1], kScheduleCellChars);
    FormatCents(row.interest, cells[2], kScheduleCellChars);
    FormatCents(row.principal, cells[3], kScheduleCellChars);
}

std::wstring ScheduleText(const SAmortizationRow* rows, int count, wchar_t separator) {
    std::wstring text;
    const wchar_t* const header[kScheduleColumns] = {L"Payment", L"Balance", L"Interest",
                                                     L"Principal"};
    for (int column = 0; column < kScheduleColumns; ++column) {
        if (column > 0) {
            text += separator;
        }
        text += header[column];
    }
    text += L"\r\n";
    wchar_t cells[kScheduleColumns][kScheduleCellChars];
    for (int k = 0; rows && k < count; ++k) {
        ScheduleCells(k + 1, rows[k], cells);
        for (int column = 0; column < kScheduleColumns; ++column) {
            if (column > 0) {
                text += separator;
            }
            text += cells[column];
        }
        text += L"\r\n";
    }
    return text;
}

std::string ScheduleCsv(const SAmortizationRow* rows, int count) {
    std::wstring wide = ScheduleText(rows, count, L',');
    std::string narrow;
    narrow.reserve(wide.size());
    for (wchar_t c : wide) {
        narrow += static_cast<char>(c < 0x80 ? c : '?');
    }
    return narrow;
}
