#pragma once

// The ten payment schedules of the mortgage calculator. A plain schedule spreads
// twelve monthly payments a year over its periods, an accelerated one thirteen;
// the factors are written out as the bank tables print them, not computed.
struct SMortgageSchedule {
    const wchar_t* resultLabel; // shown on the result page
    const wchar_t* optionName;  // shown in the options list
    int paymentsPerYear;
    double factor; // applied to the monthly payment
};

inline constexpr int kMortgageScheduleCount = 10;

// 30 years of weekly payments: the most any accepted term and schedule produce.
inline constexpr int kMaxMortgagePayments = 1560;

inline constexpr SMortgageSchedule kMortgageSchedules[kMortgageScheduleCount] = {
    {L"Monthly", L"Monthly", 12, 1},
    {L"Monthly Accel.", L"Monthly Accelerated", 12, 1.0833333333333333},
    {L"Bi-Weekly", L"Bi-Weekly", 26, 0.46153846153846156},
    {L"Bi-Weekly Accel.", L"Bi-Weekly Accelerated", 26, 0.5},
    {L"Weekly", L"Weekly", 52, 0.23076923076923078},
    {L"Weekly Accel.", L"Weekly Accelerated", 52, 0.25},
    {L"Semi-Monthly", L"Semi-Monthly", 24, 0.5},
    {L"Semi-Monthly Accel.", L"Semi-Monthly Accelerated", 24, 0.5416666666666666},
    {L"Bi-Monthly", L"Bi-Monthly", 6, 2.0},
    {L"Bi-Monthly Accel.", L"Bi-Monthly Accelerated", 6, 2.1666666666666665},
};

inline bool IsMortgageSchedule(int index) {
    return index >= 0 && index < kMortgageScheduleCount;
}
