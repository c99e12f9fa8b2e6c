#include "financial/models/FinancialKeys.h"
#include "financial/models/FinancialRecord.h"
#include "financial/models/TipModel.h"

namespace {

bool IsListedPercentage(int percentage) {
    for (int position = 0; position < kTipPercentageCount; ++position) {
        if (CTipModel::PercentageAt(position) == percentage) {
            return true;
        }
    }
    return false;
}

bool IsPeopleCount(int people) {
    return people >= 1 && people <= kTipMaxPeople;
}

const wchar_t* ProfileKey(int profile) {
    return profile == 1 || profile == 2 ? FinancialRecordKey(FinancialCalculator::Tip, profile)
                                        : nullptr;
}

} // namespace

template <class Self, class Visitor> void CTipModel::VisitRecord(Self& self, Visitor& v) {
    v.Double(L"Amount", self.m_amount, IsAnyValue);
    v.Double(L"TipAmount", self.m_tipAmount, IsAnyValue);
    v.Double(L"Total", self.m_total, IsAnyValue);
    v.Double(L"TotalSplit", self.m_totalSplit, IsAnyValue);
    v.Int(L"TipPercentage", self.m_tipPercentage, IsListedPercentage);
    v.Int(L"NumberOfPeople", self.m_people, IsPeopleCount);
}

int CTipModel::SaveRecord(CZoqSettingsStore& store, const wchar_t* key) const {
    if (!key) {
        return 0;
    }
    CFinancialRecordWriter writer(store, key);
    VisitRecord(*this, writer);
    return writer.Succeeded();
}

int CTipModel::LoadRecord(CZoqSettingsStore& store, const wchar_t* key) {
    if (!key) {
        return 0;
    }
    CFinancialRecordReader reader(store, key);
    VisitRecord(*this, reader);
    return 1;
}

int CTipModel::SaveSettings(CZoqSettingsStore& store) const {
    return SaveRecord(store, FinancialRecordKey(FinancialCalculator::Tip, 0));
}

int CTipModel::LoadSettings(CZoqSettingsStore& store) {
    return LoadRecord(store, FinancialRecordKey(FinancialCalculator::Tip, 0));
}

int CTipModel::SaveProfile(CZoqSettingsStore& store, int profile) const {
    return SaveRecord(store, ProfileKey(profile));
}

int CTipModel::LoadProfile(CZoqSettingsStore& store, int profile) {
    return LoadRecord(store, ProfileKey(profile));
}

int CTipModel::ClearProfile(CZoqSettingsStore& store, int profile) {
    if (!ProfileKey(profile)) {
        return 0;
    }
    Reset();
    return SaveProfile(store, profile);
}
