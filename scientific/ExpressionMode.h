#pragma once

#include "scientific/ExpressionHistory.h"
#include "scientific/KeyTables.h"
#include "scientific/TextBuffer.h"

#include <memory>

// State codes after the last key, shared by all entry modes.
enum EEntryState {
    kStateTyping = 0,
    kStateOperator = 1,
    kStateFunction = 2,
    kStateParenthesis = 3,
    kStateEquals = 5,
    kStateValue = 6,
    kStateCleared = 8,
    kStateNew = 14,
};

// The Expression entry mode, and the base of the other four: the whole infix
// expression is built on an expression line and evaluated at "=". Every key is
// allowed or refused by the class of the line's last character. A refused key
// returns 0 and changes nothing.
class CExpressionMode {
public:
    CExpressionMode();
    virtual ~CExpressionMode();
    CExpressionMode(const CExpressionMode&) = delete;
    CExpressionMode& operator=(const CExpressionMode&) = delete;

    // The value the main display shows (unformatted): the last result here.
    virtual int GetDisplayText(wchar_t* out, int capacity) const;
    // The expression line here.
    virtual int GetSecondaryText(wchar_t* out, int capacity) const;
    // 0..15 the digits 0..9 and A..F, 16 the point; 17 ("e") is refused.
    virtual int DigitKey(int index);
    virtual int FunctionKey(int index);
    virtual int OperatorKey(int index);
    // Only index 0.
    virtual int EqualsKey(int index);
    // 0 "(", 1 ")".
    virtual int ParenthesisKey(int index);
    // 0..21, or 99 for the answer.
    virtual int ConstantKey(int index);
    // A pasted or recalled value.
    virtual int PutValue(const wchar_t* text);
    // 0 clear all, 3 backspace.
    virtual int ClearKey(int kind);
    virtual void ClearEverything();
    virtual void SetSecondaryText(const wchar_t* text);

    int GetState() const { return m_state; }
    void SetState(int state) { m_state = state; }
    const wchar_t* GetAnswer() const { return m_answer.Get(); }

    // The arrow keys: step back or forward through the history.
    int HistoryBack();
    int HistoryForward();
    const CExpressionHistory& GetHistory() const { return *m_history; }
    CExpressionHistory& EditHistory() { return *m_history; }

protected:
    // The engine's current base.
    static int Base();
    // Evaluates text with the short form into `out`; returns 1 unless the result is an
    // error text.
    static int Evaluate(const wchar_t* text, wchar_t* out, int capacity);
    // Cycles the angle unit after converting `value` to the next unit in place (when
    // given); 0 when the value cannot be converted.
    static int ConvertAngle(wchar_t* value, int capacity);

    int m_state = kStateNew;
    CFixedText<kResultCapacity> m_display;
    CFixedText<kLineCapacity> m_line;
    CFixedText<kValueCapacity> m_answer;

private:
    // The line a key builds on: after "=" a new line, or for the operator and postfix
    // keys the answer, so the calculation continues from the result.
    void LineForKey(int continuesResult, CFixedText<kLineCapacity>* line) const;
    // A key's work built on a copy of the line is kept only when it all succeeded:
    // the copy becomes the line and `state` the state; gives 1.
    int TakeLine(const CFixedText<kLineCapacity>& line, int state);
    int AppendSignChange(CFixedText<kLineCapacity>* line) const;
    int AppendOperand(const wchar_t* text);
    // Puts a history entry (null: past the newest, nothing) on the line and display.
    void ShowHistoryEntry(const CExpressionHistory::SEntry* entry);

    std::unique_ptr<CExpressionHistory> m_history;
};

// Class of the last character of an expression line: decides which key may follow.
enum ELastCharClass {
    kClassEmpty = 0,
    kClassOperand = 1,  // a digit or an upper-case letter
    kClassOperator = 2, // an operator other than "-"
    kClassMinus = 3,
    kClassOpen = 4,    // "("
    kClassClosing = 5, // ")", "²", "³", "¹"
    kClassPoint = 6,
    kClassOther = 7,
};
int LastCharClass(const wchar_t* line);
// The number being typed at the end of a line: the run of "0123456789ABCDEF.e".
int CurrentNumberLength(const wchar_t* line);
