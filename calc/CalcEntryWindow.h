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

// A calculator window that holds its calculator, a `Calc`, and reads the keys of its
// keyboard table, `EKey`: the shared buttons, and the keys standing for them, run on the
// calculator through `members`; the graph and the other keys are the program's own.
template <class Calc, class EKey> class CCalcEntryWindow : public CCalcWindow {
public:
    const Calc& GetCalc() const { return m_calc; }

protected:
    CCalcEntryWindow(const wchar_t* programName, int displayDivisor,
                     const CCalcFace::KeyColours& keys, const SCalcEntryMembers<Calc>& members,
                     const SCalcKeyboard<EKey>& keyboard)
        : CCalcWindow(programName, displayDivisor, keys), m_members(members), m_keyboard(keyboard) {
    }

    int KeyTyped(wchar_t typed, int shift) final {
        return KeyAction(m_keyboard.forChar(typed, shift), typed);
    }
    int KeyReleased(unsigned virtualKey) final {
        return KeyAction(m_keyboard.forKeyUp(virtualKey), 0);
    }

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
    // A key of the program's own (not standing for a shared button) was typed or let go:
    // 1 when it had an action, which the window has run; 0 for the table's "none".
    virtual int ProgramKey(EKey key) = 0;

    Calc m_calc;

private:
    // `typed` is the character of a digit key.
    int KeyAction(EKey key, wchar_t typed) {
        return RunAction(SharedKeyAction(m_keyboard, key), typed) || ProgramKey(key);
    }

    SCalcEntryMembers<Calc> m_members;
    SCalcKeyboard<EKey> m_keyboard;
};
