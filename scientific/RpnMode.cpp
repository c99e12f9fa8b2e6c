#include "scientific/RpnMode.h"

CRpnMode::CRpnMode() {
    ClearEverything();
}

int CRpnMode::SetDepth(int depth) {
    if (depth < kMinDepth || depth > kMaxDepth) {
        return 0;
    }
    m_top = depth - 1;
    return 1;
}

const wchar_t* CRpnMode::GetSlot(int slot) const {
    return slot >= 0 && slot < kSlots ? m_slots[slot].Get() : nullptr;
}

int CRpnMode::SetSlot(int slot, const wchar_t* text) {
    return slot >= 0 && slot < kSlots && text ? m_slots[slot].Set(text) : 0;
}

int CRpnMode::GetDisplayText(wchar_t* out, int capacity) const {
    return TextCopy(out, capacity, m_x.IsEmpty() ? L"0" : m_x.Get());
}

int CRpnMode::GetSecondaryText(wchar_t* out, int capacity) const {
    return TextCopy(out, capacity, L"");
}

// The top slot in use loses its text; Y takes X.
void CRpnMode::Lift() {
    for (int i = SlotsInUse() - 1; i >= 1; --i) {
        m_slots[i] = m_slots[i - 1];
    }
    m_slots[0].Set(m_x.Get());
}

// The top slot in use keeps its text, so the top level is duplicated downward.
void CRpnMode::Drop() {
    for (int i = 0; i <= SlotsInUse() - 2; ++i) {
        m_slots[i] = m_slots[i + 1];
    }
}

int CRpnMode::DigitKey(int index) {
    const int state = m_state;
    const CFixedText<kValueCapacity> x = m_x;
    const int lifts = state == kStateOperator || state == kStateFunction || state == kStateValue;
    if (lifts) {
        m_x.Clear();
        // The inherited entry would start X anew anyway; typing continues from empty.
        m_state = kStateTyping;
    }
    if (!CDalMode::DigitKey(index)) {
        m_x = x;
        m_state = state;
        return 0;
    }
    if (lifts) {
        const CFixedText<kValueCapacity> typed = m_x;
        m_x = x;
        Lift();
        m_x = typed;
    }
    return 1;
}

int CRpnMode::EqualsKey(int index) {
    if (index != 0 || m_x.IsEmpty()) {
        return 0;
    }
    m_state = kStateEquals;
    Lift();
    return 1;
}

int CRpnMode::OperatorKey(int index) {
    const wchar_t op = OperatorChar(index);
    if (!op) {
        return 0;
    }
    m_operator[0] = op;
    m_operator[1] = 0;
    const CFixedText<kSlotCapacity>& y = m_slots[0];
    if (!y.IsEmpty() && !m_x.IsEmpty()) {
        m_work.Set(y.Get());
        m_work.Append(m_operator);
        m_work.Append(m_x.Get());
        wchar_t result[kResultCapacity];
        Evaluate(m_work.Get(), result, kResultCapacity);
        if (!m_x.Set(result)) {
            m_x.Set(L"syntax error");
        }
    } else if (!y.IsEmpty()) {
        m_x.Set(y.Get());
    }
    m_answer = m_x;
    m_state = kStateOperator;
    Drop();
    return 1;
}

int CRpnMode::FunctionKey(int index) {
    if (index == kFunctionConvertAngle || index == kFunctionCycleAngle) {
        CFixedText<kValueCapacity> x = m_x;
        if (x.IsEmpty()) {
            x.Set(L"0");
        }
        if (!ConvertAngle(index == kFunctionConvertAngle ? x.text : nullptr, x.kCapacity)) {
            return 0;
        }
        if (index == kFunctionConvertAngle) {
            m_x = x;
        }
        m_state = kStateValue;
        return 1;
    }
    const wchar_t* text = FunctionText(index);
    if (!text) {
        return 0;
    }
    wchar_t result[kResultCapacity];
    if (index == kFunctionPercent) {
        if (!m_x.IsEmpty()) {
            m_work.Set(m_x.Get());
            m_work.Append(L"\u00D70.01");
            Evaluate(m_work.Get(), result, kResultCapacity);
            m_x.Set(result);
        }
        return 1;
    }
    m_state = kStateFunction;
    if (m_x.IsEmpty()) {
        m_x.Set(L"0");
    }
    m_work.Set(text);
    m_work.Append(m_x.Get());
    m_work.Append(L")");
    Evaluate(m_work.Get(), result, kResultCapacity);
    m_x.Set(result);
    return 1;
}

// Swap and roll down leave a value in X, so the next digit lifts it, as after a
// result.
int CRpnMode::ParenthesisKey(int index) {
    if (index == 0) {
        CFixedText<kSlotCapacity> y = m_slots[0];
        m_slots[0].Set(m_x.IsEmpty() ? L"0" : m_x.Get());
        m_x.Set(y.IsEmpty() ? L"0" : y.Get());
    } else if (index == 1) {
        const CFixedText<kValueCapacity> x = m_x;
        m_x.Set(m_slots[0].Get());
        Drop();
        m_slots[SlotsInUse() - 1].Set(x.IsEmpty() ? L"0" : x.Get());
    } else {
        return 0;
    }
    m_state = kStateValue;
    return 1;
}

// No parenthesis waits in RPN for a value to multiply: X simply takes it.
int CRpnMode::PutValue(const wchar_t* text) {
    return TakeValue(text);
}

// Clear all leaves the stack new rather than cleared, and backspace edits only a
// number being typed; clear entry empties X as in D.A.L., so the next digit replaces
// it without a lift.
int CRpnMode::ClearKey(int kind) {
    if (kind == kClearAll || kind == kClearAllAlgebraic) {
        ClearEverything();
        return 1;
    }
    if (kind == kClearBackspace && m_state != kStateTyping) {
        return 0;
    }
    return CDalMode::ClearKey(kind);
}

void CRpnMode::ClearEverything() {
    CDalMode::ClearEverything();
    m_work.Clear();
    m_operator[0] = 0;
    for (CFixedText<kSlotCapacity>& slot : m_slots) {
        slot.Set(L"0");
    }
}
