#pragma once

#include "financial/models/FinancialRecordModel.h"

inline constexpr int kTipPercentageCount = 28;
inline constexpr int kTipMaxPeople = 20;
// String resources of the people list's words.
inline constexpr int kTipPersonStringId = 302; // "Person"
inline constexpr int kTipPeopleStringId = 303; // "People"

// The tip calculator: a bill amount, a tip percentage from a fixed list and a
// number of people give the tip, the total and each person's share. Positions are
// those of the two drop-down lists; a position outside a list is refused with 0.
// Texts are written only when they fit `capacity` characters with the terminator.
class CTipModel : public CFinancialRecordOf<CTipModel> {
public:
    CTipModel() : CFinancialRecordOf(Calculator::Tip) { Reset(); }

    // Converts the keypad's text; a text that is no number gives an amount of 0.
    void SetAmountFromText(const wchar_t* text);
    int SetPercentagePosition(int position);
    int SetPeoplePosition(int position);
    void Calculate();
    // The start values: nothing billed, 10 %, 1 person.
    void Reset();

    // "15 % " for the percentage list.
    int PercentageEntryText(int position, wchar_t* text, int capacity) const;
    // "1 Person", "2 People": the page passes its resource words (kTipPersonStringId,
    // kTipPeopleStringId).
    int PeopleEntryText(int position, wchar_t* text, int capacity, const wchar_t* person,
                        const wchar_t* people) const;
    // "15 %", and the percentage itself as the result (also without a buffer).
    int CurrentPercentageText(wchar_t* text, int capacity) const;
    // "3", and the number itself as the result (also without a buffer).
    int CurrentPeopleText(wchar_t* text, int capacity) const;
    // List positions of the current values (-1 when the percentage is not listed).
    int PercentagePosition() const;
    int PeoplePosition() const { return m_people - 1; }

    double Amount() const { return m_amount; }
    double TipAmount() const { return m_tipAmount; }
    double Total() const { return m_total; }
    double TotalSplit() const { return m_totalSplit; }
    int TipPercentage() const { return m_tipPercentage; }
    int People() const { return m_people; }

    static int PercentageAt(int position);

private:
    friend class CFinancialRecordOf<CTipModel>;
    template <class Self, class Visitor> static void VisitRecord(Self& self, Visitor& visitor);
    // A cleared profile holds the start values.
    void ClearForProfile() override { Reset(); }

    double m_amount;
    double m_tipAmount;
    double m_total;
    double m_totalSplit;
    int m_tipPercentage; // the value, not its list position
    int m_people;
};

extern template class CFinancialRecordOf<CTipModel>;
