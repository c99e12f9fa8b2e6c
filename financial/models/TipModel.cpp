#include "financial/models/TipModel.h"

#include "financial/models/FinancialText.h"
#include "ui/ZoqString.h"

#include <cmath>
#include <cwchar>

namespace {

constexpr int kPercentages[kTipPercentageCount] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,
                                                   10, 11, 12, 13, 14, 15, 16, 17, 18, 19,
                                                   20, 22, 25, 30, 35, 40, 45, 50};

// Writes "<number><suffix>" when it fits.
int WriteNumberWithSuffix(int number, const wchar_t* suffix, wchar_t* text, int capacity) {
    wchar_t composed[64];
    if (!WriteIntText(number, composed, 32)) {
        return 0;
    }
    if (!CZoqString::GetInstance()->Append(composed, suffix)) {
        return 0;
    }
    return CopyFittingText(composed, text, capacity);
}

} // namespace

int CTipModel::PercentageAt(int position) {
    return position >= 0 && position < kTipPercentageCount ? kPercentages[position] : -1;
}

void CTipModel::Reset() {
    m_amount = 0;
    m_tipAmount = 0;
    m_total = 0;
    m_totalSplit = 0;
    m_tipPercentage = 10;
    m_people = 1;
}

void CTipModel::SetAmountFromText(const wchar_t* text) {
    const double amount = text ? std::wcstod(text, nullptr) : 0;
    m_amount = std::isfinite(amount) ? amount : 0;
    Calculate();
}

int CTipModel::SetPercentagePosition(int position) {
    if (PercentageAt(position) < 0) {
        return 0;
    }
    m_tipPercentage = kPercentages[position];
    Calculate();
    return 1;
}

int CTipModel::SetPeoplePosition(int position) {
    if (position < 0 || position >= kTipMaxPeople) {
        return 0;
    }
    m_people = position + 1;
    Calculate();
    return 1;
}

void CTipModel::Calculate() {
    m_tipAmount = m_tipPercentage * m_amount * 0.01;
    m_total = m_tipAmount + m_amount;
    m_totalSplit = m_total / m_people;
}

int CTipModel::PercentageEntryText(int position, wchar_t* text, int capacity) const {
    if (PercentageAt(position) < 0) {
        return 0;
    }
    return WriteNumberWithSuffix(kPercentages[position], L" % ", text, capacity);
}

int CTipModel::PeopleEntryText(int position, wchar_t* text, int capacity, const wchar_t* person,
                               const wchar_t* people) const {
    if (position < 0 || position >= kTipMaxPeople || !person || !people) {
        return 0;
    }
    wchar_t word[64] = L" ";
    const wchar_t* chosen = position == 0 ? person : people;
    if (!CZoqString::GetInstance()->Append(word, chosen)) {
        return 0;
    }
    return WriteNumberWithSuffix(position + 1, word, text, capacity);
}

int CTipModel::CurrentPercentageText(wchar_t* text, int capacity) const {
    WriteNumberWithSuffix(m_tipPercentage, L" %", text, capacity);
    return m_tipPercentage;
}

int CTipModel::CurrentPeopleText(wchar_t* text, int capacity) const {
    WriteIntText(m_people, text, capacity);
    return m_people;
}

int CTipModel::PercentagePosition() const {
    for (int position = 0; position < kTipPercentageCount; ++position) {
        if (kPercentages[position] == m_tipPercentage) {
            return position;
        }
    }
    return -1;
}
