#include "scientific/ExpressionHistory.h"

void CExpressionHistory::Add(const wchar_t* expression, const wchar_t* result) {
    if (m_cursor >= 0 && m_cursor < m_count && m_entries[m_cursor].expression.Equals(expression) &&
        m_entries[m_cursor].result.Equals(result)) {
        return;
    }
    if (m_count == kEntries) {
        for (int i = 1; i < kEntries; ++i) {
            m_entries[i - 1] = m_entries[i];
        }
        --m_count;
    }
    SEntry& entry = m_entries[m_count];
    entry.expression.Clear();
    entry.result.Clear();
    // An over-long text is kept empty rather than cut into a different expression.
    entry.expression.Set(expression);
    entry.result.Set(result);
    m_cursor = m_count++;
}

const CExpressionHistory::SEntry* CExpressionHistory::Back() {
    if (m_cursor <= 0) {
        return nullptr;
    }
    return &m_entries[--m_cursor];
}

const CExpressionHistory::SEntry* CExpressionHistory::Forward(int* moved) {
    *moved = 0;
    if (m_cursor < 0 || m_cursor >= m_count) {
        return nullptr;
    }
    *moved = 1;
    ++m_cursor;
    return m_cursor < m_count ? &m_entries[m_cursor] : nullptr;
}

void CExpressionHistory::Clear() {
    m_count = 0;
    m_cursor = -1;
}

int CExpressionHistory::Restore(const wchar_t* expression, const wchar_t* result) {
    if (m_count == kEntries) {
        return 0;
    }
    SEntry& entry = m_entries[m_count];
    if (!entry.expression.Set(expression) || !entry.result.Set(result)) {
        entry.expression.Clear();
        entry.result.Clear();
        return 0;
    }
    m_cursor = ++m_count;
    return 1;
}
