#pragma once

#include "calc/CalcKeypad.h"
#include "calc/CalcWindow.h"

// The members of a program's calculator that take the shared actions: the two
// calculators name some of them differently (Clear or ClearAll, MinusSign or ChangeSign).
template <class Calc> struct SCalcEntryMembers {
    int (Calc::*digit)(wchar_t);
    void (Calc::*clear)();
    int (Calc::*backspace)();
    void (Calc::*enter)();
    int (Calc::*decimalPoint)();
    int (Calc::*sign)();
};

// A calculator window that holds its calculator, a `Calc`: the shared buttons, and the
// keys standing for them, run on it through `members`; the graph is the program's own.
template <class Calc> class CCalcEntryWindow : public CCalcWindow {
public:
    const Calc& GetCalc() const { return m_calc; }

protected:
    CCalcEntryWindow(const wchar_t* programName, int displayDivisor,
                     const CCalcFace::KeyColours& keys, const SCalcEntryMembers<Calc>& members)
        : CCalcWindow(programName, displayDivisor, keys), m_members(members) {}

    int RunAction(ECalcAction action, wchar_t digit) override {
        switch (action) {
        case ECalcAction::Digit:
            (m_calc.*m_members.digit)(digit);
            break;
        case ECalcAction::Clear:
            (m_calc.*m_members.clear)();
            break;
        case ECalcAction::Backspace:
            (m_calc.*m_members.backspace)();
            break;
        case ECalcAction::Enter:
            (m_calc.*m_members.enter)();
            break;
        case ECalcAction::DecimalPoint:
            (m_calc.*m_members.decimalPoint)();
            break;
        case ECalcAction::Sign:
            (m_calc.*m_members.sign)();
            break;
        case ECalcAction::Graph:
            ShowGraph();
            break;
        case ECalcAction::None:
            return 0;
        }
        return 1;
    }
    virtual void ShowGraph() = 0;

    Calc m_calc;

private:
    SCalcEntryMembers<Calc> m_members;
};
