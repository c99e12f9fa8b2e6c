#pragma once

#include "scientific/DalMode.h"

// The RPN entry mode: X (the entry text) over a stack of text values, slot 0 being Y.
// Every operation is evaluated at once by the engine from a short infix text.
class CRpnMode : public CDalMode {
public:
    static constexpr int kSlots = 20;
    static constexpr int kMinDepth = 3;
    static constexpr int kMaxDepth = 20;
    static constexpr int kDefaultDepth = 4;
    // A slot holds any value, a 48-digit binary word included.
    static constexpr int kSlotCapacity = kValueCapacity;

    CRpnMode();

    // X, or "0" when X is empty.
    int GetDisplayText(wchar_t* out, int capacity) const override;
    // Always empty.
    int GetSecondaryText(wchar_t* out, int capacity) const override;
    int DigitKey(int index) override;
    int FunctionKey(int index) override;
    int OperatorKey(int index) override;
    // Enter.
    int EqualsKey(int index) override;
    // 0 swaps X and Y, 1 rolls down.
    int ParenthesisKey(int index) override;
    int PutValue(const wchar_t* text) override;
    int ClearKey(int kind) override;
    void ClearEverything() override;

    // Depth counts X: 3..20.
    int SetDepth(int depth);
    int GetDepth() const { return m_top + 1; }
    // Slot 0 is Y, slot 1 Z …; null outside 0..19.
    const wchar_t* GetSlot(int slot) const;
    int SetSlot(int slot, const wchar_t* text);

private:
    int SlotsInUse() const { return m_top; }
    void Lift();
    void Drop();

    CFixedText<kSlotCapacity> m_slots[kSlots];
    wchar_t m_operator[2] = {};
    CFixedText<kResultCapacity> m_work;
    int m_top = kDefaultDepth - 1;
};
