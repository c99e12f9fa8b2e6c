#include "scientific/ChainMode.h"

int CChainMode::IsImmediateFunction(int) const {
    return 1;
}

int CChainMode::AcceptsCloseInState(int state) const {
    return state == kStateFunction || CDalMode::AcceptsCloseInState(state);
}

int CChainMode::OperatorKey(int index) {
    const wchar_t op = OperatorChar(index);
    if (!op) {
        return 0;
    }
    if (m_state == kStateOperator) {
        if (!CDalMode::OperatorKey(index)) {
            return 0;
        }
        m_repeatOperator = op;
        return 1;
    }
    if (m_state != kStateTyping && m_state != kStateFunction && m_state != kStateParenthesis &&
        m_state != kStateEquals && m_state != kStateValue) {
        return 0;
    }
    // Evaluate the level so far, then continue from its value.
    CFixedText<kLineCapacity> text = m_levels[m_level];
    if (!AppendOperand(m_level, &text)) {
        return 0;
    }
    const CFixedText<kValueCapacity> x = m_x;
    const CFixedText<kLineCapacity> level = m_levels[m_level];
    const int state = m_state;
    const int open = m_openFunctions[m_level];
    wchar_t result[kResultCapacity];
    Evaluate(text.Get(), result, kResultCapacity);
    if (!m_x.Set(result)) {
        return 0;
    }
    m_levels[m_level].Clear();
    m_openFunctions[m_level] = 0;
    m_state = kStateValue;
    if (!CDalMode::OperatorKey(index)) {
        m_x = x;
        m_levels[m_level] = level;
        m_openFunctions[m_level] = open;
        m_state = state;
        return 0;
    }
    m_repeatOperator = op;
    return 1;
}

int CChainMode::EqualsKey(int index) {
    if (index != 0 || m_state == kStateCleared || m_state == kStateNew) {
        return 0;
    }
    if (m_state == kStateEquals) {
        if (!m_repeatOperator) {
            return 0;
        }
        m_levels[0].Set(m_x.Get());
        m_levels[0].AppendChar(m_repeatOperator);
        m_x = m_repeatOperand;
        m_state = kStateValue;
    } else if (m_state == kStateOperator) {
        m_repeatOperand = m_previous;
    } else {
        m_repeatOperand = m_x;
    }
    EvaluateAll();
    return 1;
}

int CChainMode::ParenthesisKey(int index) {
    if (index != 0) {
        return CDalMode::ParenthesisKey(index);
    }
    if (m_level >= kMaxLevel || m_state == kStateEquals || m_state == kStateCleared ||
        m_state == kStateNew) {
        return 0;
    }
    if (m_state != kStateOperator && !OperatorKey(kOperatorTimes)) {
        return 0;
    }
    return OpenLevel();
}

void CChainMode::ClearEverything() {
    CDalMode::ClearEverything();
    m_repeatOperator = 0;
    m_repeatOperand.Clear();
}
