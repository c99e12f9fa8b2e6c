#include "scientific/AlgebraicMode.h"

int CAlgebraicMode::IsImmediateFunction(int) const {
    return 1;
}

int CAlgebraicMode::OperatorKey(int index) {
    const int state = m_state;
    if (m_state == kStateFunction) {
        m_state = kStateTyping;
    }
    const int accepted = CDalMode::OperatorKey(index);
    if (!accepted) {
        m_state = state;
    }
    return accepted;
}
