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

} // namespace

template <class Self, class Visitor> void CTipModel::VisitRecord(Self& self, Visitor& v) {
    v.Double(L"Amount", self.m_amount, IsAnyValue);
    v.Double(L"TipAmount", self.m_tipAmount, IsAnyValue);
    v.Double(L"Total", self.m_total, IsAnyValue);
    v.Double(L"TotalSplit", self.m_totalSplit, IsAnyValue);
    v.Int(L"TipPercentage", self.m_tipPercentage, IsListedPercentage);
    v.Int(L"NumberOfPeople", self.m_people, IsPeopleCount);
}

template class CFinancialRecordOf<CTipModel>;
