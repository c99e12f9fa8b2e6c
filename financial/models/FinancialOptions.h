#pragma once

class CZoqSettingsStore;
class CMortgageModel;
class CCarLoanModel;
class CLeaseModel;
class CTipModel;

inline constexpr const wchar_t* kResetAllText = L"All Profiles Cleared \n\rAll Calculators Reset";
inline constexpr const wchar_t* kResetAllCaption = L"Reset All";

// `AutoSip`: 1 raises the soft input panel when an editable field gets the focus.
// 1 when the value is absent or holds anything but 0 or 1.
int LoadAutoSip(CZoqSettingsStore& store);
int SaveAutoSip(CZoqSettingsStore& store, int autoSip);

// "Reset All": every calculator cleared and both of its profiles cleared. 1 when
// every profile was written.
int ResetAllCalculators(CZoqSettingsStore& store, CMortgageModel& mortgage, CCarLoanModel& carLoan,
                        CLeaseModel& lease, CTipModel& tip);

// The options list "Cost of Points (%)": position x 0.1 for positions 0..30.
inline constexpr int kCostOfPointsEntries = 31;
double CostOfPointsAt(int position);
// Its text (2 significant digits); 0 outside the list or when it does not fit.
int CostOfPointsEntryText(int position, wchar_t* text, int capacity);
// The position the list starts at for a cost per point (truncated); -1 when the
// cost lies beyond the list, so that nothing is selected.
int CostOfPointsPosition(double costPerPoint);
