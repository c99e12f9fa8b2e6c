#include "financial/models/FinancialOptions.h"

#include "financial/models/CarLoanModel.h"
#include "financial/models/FinancialKeys.h"
#include "financial/models/FinancialRecord.h"
#include "financial/models/FinancialText.h"
#include "financial/models/LeaseModel.h"
#include "financial/models/MortgageModel.h"
#include "financial/models/TipModel.h"
#include "ui/ZoqString.h"

#include <cmath>

int LoadAutoSip(CZoqSettingsStore& store) {
    int autoSip = 1;
    CFinancialRecordReader reader(store, kFinancialKey);
    reader.Int(L"AutoSip", autoSip, IsFlag);
    return autoSip;
}

int SaveAutoSip(CZoqSettingsStore& store, int autoSip) {
    CFinancialRecordWriter writer(store, kFinancialKey);
    writer.Int(L"AutoSip", autoSip, IsFlag);
    return writer.Succeeded();
}

int ResetAllCalculators(CZoqSettingsStore& store, CMortgageModel& mortgage, CCarLoanModel& carLoan,
                        CLeaseModel& lease, CTipModel& tip) {
    int written = 1;
    carLoan.Clear();
    lease.Clear();
    mortgage.Clear();
    tip.Reset();
    for (int profile = 1; profile <= 2; ++profile) {
        written &= carLoan.ClearProfile(store, profile);
        written &= lease.ClearProfile(store, profile);
        written &= mortgage.ClearProfile(store, profile);
        written &= tip.ClearProfile(store, profile);
    }
    return written;
}

double CostOfPointsAt(int position) {
    return position >= 0 && position < kCostOfPointsEntries ? position * 0.1 : 0;
}

int CostOfPointsEntryText(int position, wchar_t* text, int capacity) {
    if (position < 0 || position >= kCostOfPointsEntries || !text) {
        return 0;
    }
    wchar_t formatted[CZoqString::kNumberCapacity];
    if (!CZoqString::GetInstance()->FormatNumber(formatted, CostOfPointsAt(position), 2)) {
        return 0;
    }
    return CopyFittingText(formatted, text, capacity);
}

int CostOfPointsPosition(double costPerPoint) {
    const double position = std::trunc(costPerPoint * 10);
    if (!(position >= 0 && position < kCostOfPointsEntries)) {
        return -1;
    }
    return static_cast<int>(position);
}
