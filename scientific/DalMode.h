#pragma once

#include "scientific/ExpressionMode.h"

// The D.A.L. entry mode and the base of the algebraic family: the number being typed
// (X) is kept apart from the pending expression, which is one text per parenthesis
// level. A prefix function ("sin", "log" …) opens a function parenthesis on the level
// text; the keys from ± on act at once on X. The operator indicator (the last operator,
// "(", ")" or "=") is this family's secondary text.
class CDalMode : public CExpressionMode {
public:
    static constexpr int kLevels = 20;
    // At most 19 levels above level 0 can be open.
    static constexpr int kMaxLevel = kLevels - 1;
    // Digits typed into X.
    static constexpr int kMaxTyped = 20;

    int GetDisplayText(wchar_t* out, int capacity) const override;
    int GetSecondaryText(wchar_t* out, int capacity) const override;
    int DigitKey(int index) override;
    int FunctionKey(int index) override;
    int OperatorKey(int index) override;
    int EqualsKey(int index) override;
    int ParenthesisKey(int index) override;
    int ConstantKey(int index) override;
    int PutValue(const wchar_t* text) override;
    int ClearKey(int kind) override;
    void ClearEverything() override;
    void SetSecondaryText(const wchar_t* text) override;

    const wchar_t* GetX() const { return m_x.Get(); }
    int GetLevel() const { return m_level; }
    const wchar_t* GetLevelText(int level) const;

protected:
    // Keys that act at once on X (the others open a function parenthesis).
    virtual int IsImmediateFunction(int index) const;
    // The angle keys and percent set state 6 here and leave it in the other two modes.
    virtual int SetsStateAfterAngleOrPercent() const { return 1; }
    virtual int AcceptsCloseInState(int state) const;

    // Appends X and the level's open function parentheses to `text`.
    int AppendOperand(int level, CFixedText<kLineCapacity>* text) const;
    // Appends X and the open function parentheses to the level text, evaluates it into
    // X and empties the level.
    void CloseLevel(int level);
    // Closes every open level, evaluates level 0 into X: the common part of "=".
    void EvaluateAll();
    int OpenLevel();
    int ActOnX(const wchar_t* functionText);
    // A whole value (a result, a recalled, pasted or constant one) fits X.
    static int FitsX(const wchar_t* text);
    // X takes a whole value and stands as a value; 0 and nothing changed when it does
    // not fit.
    int TakeValue(const wchar_t* text);

    CFixedText<kValueCapacity> m_x;
    CFixedText<kValueCapacity> m_previous;
    CFixedText<kLineCapacity> m_levels[kLevels];
    int m_openFunctions[kLevels] = {};
    int m_level = 0;
    CFixedText<16> m_indicator;

private:
    int Percent();
    int PrefixFunction(const wchar_t* text);
    int MultiplyByX();
    int TakeXBeforeOpening();
};
